#include "print.h"

#include "BookCatalogue.h"
#include "DataModule.h"
#include "Errors.h"
#include "ProgressRun.h"
#include "ReportPreview.h"
#include "Reports.h"
#include "WaitCursor.h"

#include <QApplication>
#include <memory>

namespace {

// Closes the print query and gives it back its own connection, however the preview ends.
class PrintQueryGuard {
public:
    explicit PrintQueryGuard(Query& query) : query_(query), connection_(query.connectionString()) {}
    ~PrintQueryGuard() {
        query_.close();
        query_.setConnectionString(connection_);
    }
    PrintQueryGuard(const PrintQueryGuard&) = delete;
    PrintQueryGuard& operator=(const PrintQueryGuard&) = delete;

private:
    Query& query_;
    QString connection_;
};

} // namespace

Tfprint::Tfprint(QWidget* parent)
    : QWidget(parent), QRTekst(ChapterReport()), QRPretraga(ResultsReport()),
      ShowPreview([](TReportPreview& preview) { preview.dialog().exec(); }) {
    setObjectName(QStringLiteral("fprint"));
}

void Tfprint::PreviewChapter(const Query& paneQuery, const QString& translation) {
    if (!baze_)
        return;
    Query& q = baze_->QueryTekst;
    q.close();
    q.clearSql();
    if (ReadsWholeTable(paneQuery.sql())) {
        Preview(QRTekst, {}, QStringLiteral("Vidoslov"));
        return;
    }
    PrintQueryGuard guard(q);
    q.copySql(paneQuery);
    q.setConnectionString(paneQuery.connectionString());
    q.open();
    q.first();
    std::vector<ReportRow> rows = ReadReportRows(q);
    const QString title =
        rows.empty()
            ? QStringLiteral("Vidoslov")
            : QStringLiteral("knjiga: %1    glava:%2").arg(rows.front().knjiga, rows.front().glava);
    ReportDefinition report = QRTekst;
    if (!rows.empty()) {
        BookCatalogue catalogue;
        catalogue.FillBookCatalogue();
        const QString book = catalogue.BookTitleOfCode(rows.front().knjiga);
        report = WithTitleLine(report, ChapterTitleLine(book.isEmpty() ? rows.front().knjiga : book,
                                                        rows.front().glava, translation));
    }
    Preview(report, std::move(rows), title);
}

void Tfprint::PreviewResults(std::vector<ReportRow> rows, const QString& titleLine,
                             const QStringList& words, bool folded) {
    Preview(MarkingWords(WithTitleLine(QRPretraga, titleLine), words, folded), std::move(rows),
            QStringLiteral("Vidoslov - rezultati pretrage"));
}

void Tfprint::Preview(const ReportDefinition& report, std::vector<ReportRow> rows,
                      const QString& title) {
    QWidget* parent = QApplication::activeWindow();
    LaidOutReport laidOut;
    if (!RunWithProgress(parent, QStringLiteral("Priprema izveštaja…"),
                         [&](WorkProgress& progress) {
                             laidOut = LayOutReport(report, rows, measure_, &progress);
                         }))
        return;
    std::unique_ptr<TReportPreview> preview;
    {
        WaitCursor wait;
        preview = std::make_unique<TReportPreview>(report, std::move(rows), measure_, title, parent,
                                                   std::move(laidOut));
    }
    if (ShowPreview)
        ShowPreview(*preview);
}
