#include "ReportPreview.h"

#include "Errors.h"
#include "Messages.h"
#include "ReportExport.h"
#include "ReportPainter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QToolBar>

TReportPreview::TReportPreview(const ReportDefinition& report, std::vector<ReportRow> rows,
                               const TextMeasure& measure, const QString& title, QWidget* parent)
    : definition_(report), rows_(std::move(rows)), measure_(measure), title_(title),
      printer_(QPrinter::HighResolution), dialog_(&printer_, parent) {
    const PageSetup& page = definition_.page;
    printer_.setPageLayout(
        QPageLayout(QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Millimeter),
                    QPageLayout::Portrait,
                    QMarginsF(page.marginLeft, page.marginTop, page.marginRight, page.marginBottom),
                    QPageLayout::Millimeter));
    printer_.setFullPage(true);
    printer_.setCopyCount(1);
    printer_.setDuplex(QPrinter::DuplexNone);
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setPaperSource(QPrinter::Auto);
    printer_.setDocName(title_);
    report_ = LayOutReport(definition_, rows_, measure_);

    dialog_.setWindowTitle(QStringLiteral("Vidoslov - pregled pre štampe"));
    dialog_.setWindowState(Qt::WindowMaximized);
    connect(&dialog_, &QPrintPreviewDialog::paintRequested, this, &TReportPreview::PaintRequested);

    QToolBar* tools = dialog_.findChild<QToolBar*>();
    auto tool = [this, tools](const QString& text, void (TReportPreview::*handler)()) {
        auto* action = new QAction(text, &dialog_);
        action->setToolTip(text);
        connect(action, &QAction::triggered, this, handler);
        if (tools)
            tools->addAction(action);
        return action;
    };
    if (tools)
        tools->addSeparator();
    SavePdf1 = tool(QStringLiteral("Sačuvaj kao PDF…"), &TReportPreview::SavePdfClick);
    SaveText1 = tool(QStringLiteral("Sačuvaj kao tekst…"), &TReportPreview::SaveTextClick);
    SaveHtml1 = tool(QStringLiteral("Sačuvaj kao HTML…"), &TReportPreview::SaveHtmlClick);
}

void TReportPreview::PaintRequested(QPrinter* printer) {
    definition_.page = PageSetupOf(*printer);
    report_ = LayOutReport(definition_, rows_, measure_);
    PaintReport(*printer, report_);
}

void TReportPreview::SavePdfClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao PDF"),
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    SaveGuarded(path, [this](const QString& p) { SavePdf(report_, p, title_); });
}

void TReportPreview::SaveTextClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao tekst"),
                                     QStringLiteral("Tekst (*.txt)"), QStringLiteral("txt"));
    SaveGuarded(path, [this](const QString& p) { SavePlainText(report_, p); });
}

void TReportPreview::SaveHtmlClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao HTML"),
                                     QStringLiteral("HTML (*.html *.htm)"), QStringLiteral("html"));
    SaveGuarded(path, [this](const QString& p) { SaveHtml(report_, p, title_); });
}

QString TReportPreview::AskFileName(const QString& caption, const QString& filter,
                                    const QString& suffix) {
    QFileDialog files(&dialog_, caption, QString(), filter);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setDefaultSuffix(suffix);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return {};
    return files.selectedFiles().first();
}

template <class Save> void TReportPreview::SaveGuarded(const QString& path, Save&& save) {
    if (path.isEmpty())
        return;
    try {
        save(path);
    } catch (const AppError& error) {
        ShowMessage(error.text());
    }
}

PageSetup PageSetupOf(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    PageSetup page;
    page.paperWidth = paper.width();
    page.paperHeight = paper.height();
    page.marginLeft = margins.left();
    page.marginTop = margins.top();
    page.marginRight = margins.right();
    page.marginBottom = margins.bottom();
    return page;
}
