// Times the results window on the default translation file of the program folder: the fill of
// 500, 5,000 and all the rows of a one-letter search, the first fill and a second one that
// reuses the labels, the first paint after each, paging through the longest list, the longest
// wait between two paints of the gauge and the program's memory afterwards.
#include "DataModule.h"
#include "Main.h"
#include "Program.h"
#include "Query.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "ScrollKeys.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QScrollBar>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <malloc.h>

namespace {

// The paints of the gauge, for the longest wait between two.
class PaintClock : public QObject {
public:
    void start() {
        clock_.start();
        last_ = 0;
        longest_ = 0;
    }
    // The longest wait between two paints, and the time since the last one.
    qint64 longest() const { return longest_; }
    qint64 sinceLast() const { return clock_.elapsed() - last_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            longest_ = qMax(longest_, clock_.elapsed() - last_);
            last_ = clock_.elapsed();
        }
        return false;
    }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

double Ms(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

// The processor time of the program: the machine may be shared.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

// Fills the window over the current query: the fill itself, then the first paint.
void TimeFill(const char* what, TfRezultatiTrazenja& window, PaintClock& gauge, int rows,
              bool first) {
    gauge.start();
    QElapsedTimer clock;
    clock.start();
    double cpu = CpuMs();
    if (first)
        window.ShowResults();
    else
        window.Podesi1Click();
    const double fill = Ms(clock);
    const double fillCpu = CpuMs() - cpu;
    const qint64 wait = gauge.longest();
    const qint64 tail = gauge.sinceLast();
    // Then what the event loop does before the list stands: the labels' polish requests, the
    // first paint.
    clock.restart();
    cpu = CpuMs();
    QCoreApplication::sendPostedEvents();
    window.repaint();
    const double paint = Ms(clock);
    const double paintCpu = CpuMs() - cpu;
    std::printf("%-7s %6d rows  %-6s fill %7.0f ms (cpu %7.0f)  then ready in %6.0f ms (cpu "
                "%6.0f)  gauge waits %4lld ms at most, %4lld ms at the end\n",
                what, rows, first ? "first" : "second", fill, fillCpu, paint, paintCpu,
                static_cast<long long>(wait), static_cast<long long>(tail));
}

void WaitForExposure(QWidget* window) {
    QElapsedTimer clock;
    clock.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void TimePaging(TfRezultatiTrazenja& window) {
    TScrollBox& box = *window.sb2;
    box.setVertPosition(box.verticalScrollBar()->maximum() / 2);
    window.repaint();
    constexpr int Pages = 50;
    QElapsedTimer clock;
    clock.start();
    const double cpu = CpuMs();
    for (int i = 0; i < Pages; ++i) {
        window.FormKeyDown(i < Pages / 2 ? Qt::Key_PageDown : Qt::Key_PageUp);
        window.repaint();
    }
    std::printf("paging through the list: %.2f ms a page (cpu %.2f)\n", Ms(clock) / Pages,
                (CpuMs() - cpu) / Pages);
    std::printf("memory after the fills: %ld MB (heap in use %zu MB)\n", ResidentMb(),
                mallinfo2().uordblks >> 20);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QStringLiteral(PROGRAM_FOLDER);
    const QString file = folder + "baza/" + DefaultTranslationFile;
    if (!QFileInfo::exists(file)) {
        std::printf("vidoslov-results-bench: %s is missing (build it with make texts); nothing "
                    "to time.\n",
                    qPrintable(file));
        return 0;
    }
    std::printf("results window over %s\n", qPrintable(file));
    for (int limit : {500, 5000, 0}) {
        TProgram program(folder);
        program.fMain->show();
        WaitForExposure(program.fMain.get());
        TfRezultatiTrazenja& window = *program.fRezultatiTrazenja;
        window.AskToContinue = [](const QString&) { return true; };
        PaintClock gauge;
        window.Gauge1->installEventFilter(&gauge);
        Query& q = program.Baze->QueryRezultati;
        q.clearSql();
        // One letter finds nearly every verse, in English and in Serbian alike.
        q.addLine("select * from vidoslov where tekst like '%a%'");
        if (limit > 0)
            q.addLine(QStringLiteral("limit %1").arg(limit));
        q.open();
        const char* what = limit > 0 ? "limited" : "all";
        TimeFill(what, window, gauge, q.recordCount(), true);
        TimeFill(what, window, gauge, q.recordCount(), false);
        if (limit == 0) {
            TimePaging(window);
            // A narrow search after the widest: the surplus labels are emptied and hidden.
            q.addLine(QStringLiteral("limit 3"));
            q.open();
            TimeFill("3 after", window, gauge, q.recordCount(), false);
        }
        QCoreApplication::sendPostedEvents();
    }
    return 0;
}
