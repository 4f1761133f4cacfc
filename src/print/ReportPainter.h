#pragma once

#include "ReportLayout.h"

class QPagedPaintDevice;
class WorkProgress;
class QPainter;

// Paints one laid-out page; the painter's origin is the paper's top-left corner.
void PaintReportPage(QPainter& painter, const LaidOutReport& report, size_t page);

// Paints every page of the report on a device whose origin is the paper's corner.
// Returns false when the device cannot be painted on. With a progress, each page is a step
// and painting stops, returning false, once it is cancelled.
bool PaintReport(QPagedPaintDevice& device, const LaidOutReport& report,
                 WorkProgress* progress = nullptr);
