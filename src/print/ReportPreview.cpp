#include "ReportPreview.h"

#include "Errors.h"
#include "Messages.h"
#include "ProgressRun.h"
#include "ReportExport.h"
#include "ReportPainter.h"
#include "SaveFolder.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

TReportPreview::TReportPreview(const ReportDefinition& report, std::vector<ReportRow> rows,
                               const TextMeasure& measure, const QString& title, QWidget* parent,
                               LaidOutReport laidOut)
    : definition_(report), rows_(std::move(rows)), measure_(measure), title_(title),
      report_(std::move(laidOut)), printer_(QPrinter::HighResolution), dialog_(&printer_, parent) {
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
    if (report_.pages.empty())
        report_ = LayOutReport(definition_, rows_, measure_);

    dialog_.setWindowTitle(QStringLiteral("Vidoslov - pregled pre štampe"));
    // Most of the screen, the page as wide as the view: the text can be read at once.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        QRect frame(QPoint(), room.size() * 0.85);
        frame.moveCenter(room.center());
        dialog_.setGeometry(frame);
    }
    if (auto* fitWidth = dialog_.findChild<QAction*>(QStringLiteral("fitWidthAction")))
        fitWidth->trigger();
    connect(&dialog_, &QPrintPreviewDialog::paintRequested, this, &TReportPreview::PaintRequested);

    // One tool with the three ways of saving.
    SaveMenu = new QMenu(&dialog_);
    auto item = [this](const QString& text, void (TReportPreview::*handler)()) {
        QAction* action = SaveMenu->addAction(text);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    SavePdf1 = item(QStringLiteral("Sačuvaj kao PDF…"), &TReportPreview::SavePdfClick);
    SaveText1 = item(QStringLiteral("Sačuvaj kao tekst…"), &TReportPreview::SaveTextClick);
    SaveHtml1 = item(QStringLiteral("Sačuvaj kao HTML…"), &TReportPreview::SaveHtmlClick);
    SaveButton = new QToolButton(&dialog_);
    SaveButton->setText(QStringLiteral("Sačuvaj kao"));
    SaveButton->setToolTip(QStringLiteral("Sačuvaj izveštaj kao PDF, tekst ili HTML"));
    SaveButton->setIcon(dialog_.style()->standardIcon(QStyle::SP_DialogSaveButton));
    SaveButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SaveButton->setPopupMode(QToolButton::InstantPopup);
    SaveButton->setMenu(SaveMenu);
    // Print and save first: on a small screen the tool bar hides its last tools behind its
    // overflow button.
    if (QToolBar* tools = dialog_.findChild<QToolBar*>()) {
        // The preview's print tool is the last of its tool bar.
        QAction* first = tools->actions().value(0);
        if (QAction* print = tools->actions().value(tools->actions().size() - 1)) {
            print->setObjectName(QStringLiteral("printAction"));
            tools->insertAction(first, print);
        }
        tools->insertWidget(first, SaveButton);
        tools->insertSeparator(first);
    }
}

void TReportPreview::PaintRequested(QPrinter* printer) {
    // Laid out again only when the user chose another page set-up.
    const PageSetup page = PageSetupOf(*printer);
    if (!SamePage(page, report_.page)) {
        definition_.page = page;
        report_ = LayOutReport(definition_, rows_, measure_);
    }
    PaintReport(*printer, report_);
}

void TReportPreview::SavePdfClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao PDF"),
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    SavePdfTo(path);
}

void TReportPreview::SaveTextClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao tekst"),
                                     QStringLiteral("Tekst (*.txt)"), QStringLiteral("txt"));
    SaveTextTo(path);
}

void TReportPreview::SaveHtmlClick() {
    const QString path = AskFileName(QStringLiteral("Sačuvaj kao HTML"),
                                     QStringLiteral("HTML (*.html *.htm)"), QStringLiteral("html"));
    SaveHtmlTo(path);
}

bool TReportPreview::SavePdfTo(const QString& path) {
    return SaveGuarded(path, [this, path](WorkProgress& progress) {
        return SavePdf(report_, path, title_, &progress);
    });
}

bool TReportPreview::SaveTextTo(const QString& path) {
    return SaveGuarded(path, [this, path](WorkProgress& progress) {
        const QByteArray bytes = ReportPlainText(report_).toUtf8();
        if (progress.cancelled())
            return false;
        SaveBytes(path, bytes);
        return true;
    });
}

bool TReportPreview::SaveHtmlTo(const QString& path) {
    return SaveGuarded(path, [this, path](WorkProgress& progress) {
        const QByteArray bytes = ReportHtml(report_, title_).toUtf8();
        if (progress.cancelled())
            return false;
        SaveBytes(path, bytes);
        return true;
    });
}

QString TReportPreview::AskFileName(const QString& caption, const QString& filter,
                                    const QString& suffix) {
    QFileDialog files(&dialog_, caption, SaveFolder(), filter);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setDefaultSuffix(suffix);
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return {};
    RememberSaveFolder(files.selectedFiles().first());
    return files.selectedFiles().first();
}

bool TReportPreview::SaveGuarded(const QString& path,
                                 const std::function<bool(WorkProgress&)>& save) {
    if (path.isEmpty())
        return false;
    try {
        bool saved = false;
        RunWithProgress(&dialog_, QStringLiteral("Čuvanje izveštaja…"),
                        [&](WorkProgress& progress) { saved = save(progress); });
        return saved;
    } catch (const AppError& error) {
        ShowMessage(error.text());
        return false;
    }
}

bool SamePage(const PageSetup& a, const PageSetup& b) {
    // The printer gives its sizes back in points: a hundredth of a millimetre is the same.
    constexpr double Tolerance = 0.01;
    const double pairs[][2] = {{a.paperWidth, b.paperWidth},   {a.paperHeight, b.paperHeight},
                               {a.marginLeft, b.marginLeft},   {a.marginTop, b.marginTop},
                               {a.marginRight, b.marginRight}, {a.marginBottom, b.marginBottom}};
    for (const auto& pair : pairs)
        if (std::abs(pair[0] - pair[1]) > Tolerance)
            return false;
    return true;
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
