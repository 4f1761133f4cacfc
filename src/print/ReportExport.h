#pragma once

#include "ReportLayout.h"

#include <QByteArray>
#include <QString>

class WorkProgress;

// The report as plain text: each band a paragraph, the elements that share a line joined by a
// blank, the whole value of each text.
QString ReportPlainText(const LaidOutReport& report);

// The report as an HTML page, every text escaped, with the fonts and backgrounds of its
// elements.
QString ReportHtml(const LaidOutReport& report, const QString& title);

// The failure of a save: names the file and the reason, in the user's language.
QString SaveFailedText(const QString& path, const QString& reason);

// Writes the bytes under the name through a temporary file, so that a failure leaves any
// earlier file as it was; throws AppError with SaveFailedText on failure.
void SaveBytes(const QString& path, const QByteArray& bytes);
void SavePlainText(const LaidOutReport& report, const QString& path);
void SaveHtml(const LaidOutReport& report, const QString& path, const QString& title);
// Writes the report as PDF through a temporary file. With a progress, each page is a step;
// once it is cancelled nothing is written, any earlier file stays, and false is returned.
bool SavePdf(const LaidOutReport& report, const QString& path, const QString& title,
             WorkProgress* progress = nullptr);
