#pragma once

#include "WorkProgress.h"

#include <QString>
#include <functional>

class QWidget;

// How long work runs before its progress dialog shows, in milliseconds.
inline constexpr int ProgressDelayMs = 300;

// Runs the work on a thread of its own while the interface stays live; after `delayMs` a
// window-modal progress dialog with the label and "Otkaži" shows how far it has come.
// Returns false when the user cancelled; an exception of the work is thrown again here.
bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(WorkProgress&)>& work, int delayMs = ProgressDelayMs);
