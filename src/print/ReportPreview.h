#pragma once

#include "ReportLayout.h"
#include "WorkProgress.h"

#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>

class QAction;
class QMenu;
class QToolButton;

// The print preview of a report: Qt's preview with its zoom, paging, page set-up and print,
// and one more tool that saves the report as PDF, as plain text or as HTML. The report is
// laid out once, and again only when the preview paints it on another page set-up.
class TReportPreview : public QObject {
    Q_OBJECT
public:
    // The report is laid out here unless it comes laid out already.
    TReportPreview(const ReportDefinition& report, std::vector<ReportRow> rows,
                   const TextMeasure& measure, const QString& title, QWidget* parent = nullptr,
                   LaidOutReport laidOut = {});

    QPrintPreviewDialog& dialog() { return dialog_; }
    QPrinter& printer() { return printer_; }
    // The report as the preview last laid it out.
    const LaidOutReport& report() const { return report_; }
    const QString& title() const { return title_; }

    // The tool "Sačuvaj kao" with its menu of three.
    QToolButton* SaveTool() const { return SaveButton; }

    // Paint the report on the printer, laid out again if its page set-up changed.
    void PaintRequested(QPrinter* printer);
    void SavePdfClick();
    void SaveTextClick();
    void SaveHtmlClick();
    // Saves under the name on a thread of its own, with a progress dialog once it takes a
    // while; false when the user cancelled, which leaves no file. Failures are shown.
    bool SavePdfTo(const QString& path);
    bool SaveTextTo(const QString& path);
    bool SaveHtmlTo(const QString& path);

private:
    QToolButton* SaveButton;
    QMenu* SaveMenu;
    QAction* SavePdf1;
    QAction* SaveText1;
    QAction* SaveHtml1;

    // Asks for a file name; empty when the user cancels.
    QString AskFileName(const QString& caption, const QString& filter, const QString& suffix);
    bool SaveGuarded(const QString& path, const std::function<bool(WorkProgress&)>& save);

    ReportDefinition definition_;
    std::vector<ReportRow> rows_;
    const TextMeasure& measure_;
    QString title_;
    LaidOutReport report_;
    QPrinter printer_;
    QPrintPreviewDialog dialog_;
};

// The page set-up of a printer: its paper and margins in millimetres.
PageSetup PageSetupOf(const QPrinter& printer);
// Whether two page set-ups are the same to a hundredth of a millimetre.
bool SamePage(const PageSetup& a, const PageSetup& b);
