#include "ProgressRun.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>

bool RunWithProgress(QWidget* parent, const QString& label,
                     const std::function<void(WorkProgress&)>& work, int delayMs) {
    WorkProgress progress;
    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
    }));

    QProgressDialog dialog(label, QStringLiteral("Otkaži"), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("ProgressDialog"));
    dialog.setWindowTitle(QStringLiteral("Vidoslov"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(delayMs);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&progress] { progress.cancel(); });

    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, &dialog, [&] {
        if (progress.total() > 0 && dialog.maximum() != progress.total())
            dialog.setMaximum(progress.total());
        if (progress.total() > 0)
            dialog.setValue(std::min(progress.done(), progress.total()));
    });
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    dialog.setValue(0); // starts the dialog's delay
    thread->start();
    tick.start();
    if (!thread->isFinished())
        loop.exec();
    thread->wait();
    tick.stop();
    dialog.hide();
    if (failure)
        std::rethrow_exception(failure);
    return !progress.cancelled();
}
