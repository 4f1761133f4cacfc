#pragma once

#include "FontMeasure.h"
#include "ReportLayout.h"

#include <QWidget>
#include <functional>

class Query;
class TBaze;
class TReportPreview;

// The report form: holds the chapter and results reports; never shown itself.
class Tfprint : public QWidget {
    Q_OBJECT
public:
    explicit Tfprint(QWidget* parent = nullptr);

    // The data module whose queries the reports run over.
    void setBaze(TBaze* baze) { baze_ = baze; }

    const ReportDefinition QRTekst;
    const ReportDefinition QRPretraga;

    // Shows a preview and returns when it is closed; modal by default.
    std::function<void(TReportPreview&)> ShowPreview;

    // Lays the chapter report out over the chapter a pane query loaded, read from that
    // query's own translation file, and shows its print preview; a pane query that has
    // loaded no chapter gives an empty report.
    // The title line names the translation when one is given.
    void PreviewChapter(const Query& paneQuery, const QString& translation = {});

    // Lays the results report out over a search's rows and shows its print preview; returns
    // when the preview is closed. The title line names the search; the words are marked in
    // the verses.
    void PreviewResults(std::vector<ReportRow> rows, const QString& titleLine = {},
                        const QStringList& words = {}, bool folded = false);

private:
    void Preview(const ReportDefinition& report, std::vector<ReportRow> rows, const QString& title);

    TBaze* baze_ = nullptr;
    FontMeasure measure_;
};
