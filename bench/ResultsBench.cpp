// Times the results window on the default translation file beside this program, driven as the
// user drives it: the search dialog opened, a word put in its list, "Traži" pressed, and the
// time until the results list is painted. Searches of about 40, 375 and 6,916 rows and of all
// the rows; the memory at the peak of the longest list; paging, the wheel and the scroll bar
// on it; and the small search and the dialog again afterwards, beside their times in a fresh
// program, with the memory once the small list has replaced the long one.
#include "CpuClock.h"
#include "DataModule.h"
#include "Kvlabel.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "Query.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Trazi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The figures of the design before this one (every row's labels laid out at once and kept),
// measured with this program on the development machine, offscreen.
struct Previous {
    double open, small, medium, large, all, peakMb, smallAfter, openAfter, afterMb;
    double page, wheel, end;
};
constexpr Previous Before = {0.3, 14.5, 27.4, 318.3, 1833.7, 166, 72.9, 22.7, 162, 2.9, 2.2, 2.5};

// A search word of the Serbian default and about how many verses hold it.
struct Word {
    const char* text;
    int hits;
};
constexpr Word Small = {"semenu", 40};
constexpr Word Medium = {"godina", 373};
constexpr Word Large = {"gospod", 6916};
constexpr Word Every = {"a", 30930};
constexpr int Runs = 7;

double Ms(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

long StatusMb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

// The peak of the resident memory starts again from what is resident now.
void ResetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Figures {
    double min = 0;
    double median = 0;
};

Figures Of(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

// One search as the user runs it. The dialog is opened with F10's command, the word put into
// its list of required words and "Traži" pressed; the clock for the search runs from that
// press until the results window has painted its list.
struct SearchRun {
    double open = 0;   // from the command until the dialog is painted
    double search = 0; // from "Traži" until the list is painted
    double cpu = 0;    // the processor time of the search: the machine may be shared
    int rows = 0;
};

SearchRun Search(TProgram& program, const char* word) {
    SearchRun run;
    QElapsedTimer clock;
    TfTrazi& dialog = *program.fTrazi;
    double cpu = 0;
    QTimer::singleShot(0, &dialog, [&] {
        QCoreApplication::sendPostedEvents();
        dialog.repaint();
        run.open = Ms(clock);
        dialog.RequiredList()->clear();
        dialog.RequiredList()->addItem(QString::fromUtf8(word));
        clock.restart();
        cpu = CpuMs();
        dialog.BtnTraziClick();
    });
    clock.start();
    program.fMain->OpenSearch();
    // What the event loop does before the list stands: the activation of the windows, the
    // labels' requests, the paint.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    program.fRezultatiTrazenja->repaint();
    run.search = Ms(clock);
    run.cpu = CpuMs() - cpu;
    run.rows = program.fRezultatiTrazenja->ResultLabelsUsed() / 2;
    return run;
}

struct Series {
    Figures open;
    Figures search;
    Figures cpu;
    int rows = 0;
};

Series Repeat(TProgram& program, const Word& word, int runs) {
    std::vector<double> opens;
    std::vector<double> searches;
    std::vector<double> cpus;
    Series series;
    for (int i = 0; i < runs; ++i) {
        const SearchRun run = Search(program, word.text);
        opens.push_back(run.open);
        searches.push_back(run.search);
        cpus.push_back(run.cpu);
        series.rows = run.rows;
    }
    series.open = Of(opens);
    series.search = Of(searches);
    series.cpu = Of(cpus);
    return series;
}

void Line(const char* what, const Series& now, const Figures& figures, double target,
          double before) {
    std::printf("%-36s %7.1f / %7.1f ms (min / median; cpu %6.1f)  target %4.0f  before "
                "%7.1f\n",
                what, figures.min, figures.median, now.cpu.median, target, before);
}

// The longest step of paging down and back up, and of the wheel, in the middle of the list.
struct Scrolling {
    double page = 0;
    double wheel = 0;
    double end = 0;
    bool lastShown = false;
};

Scrolling TimeScrolling(TfRezultatiTrazenja& window) {
    Scrolling s;
    TScrollBox& box = *window.ResultsBox();
    QScrollBar& bar = *box.verticalScrollBar();
    box.setVertPosition(bar.maximum() / 2);
    window.repaint();
    constexpr int Steps = 40;
    for (int i = 0; i < Steps; ++i) {
        QElapsedTimer clock;
        clock.start();
        window.FormKeyDown(i < Steps / 2 ? Qt::Key_PageDown : Qt::Key_PageUp);
        QCoreApplication::sendPostedEvents();
        window.repaint();
        s.page = std::max(s.page, Ms(clock));
    }
    QWidget* view = box.viewport();
    const QPointF at(view->width() / 2.0, view->height() / 2.0);
    for (int i = 0; i < Steps; ++i) {
        const int delta = i < Steps / 2 ? -120 : 120;
        QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::sendEvent(view, &wheel);
        QCoreApplication::sendPostedEvents();
        window.repaint();
        s.wheel = std::max(s.wheel, Ms(clock));
    }
    // The scroll bar dragged to its end: the last rows show with the first paint.
    QElapsedTimer clock;
    clock.start();
    bar.setSliderDown(true);
    bar.setSliderPosition(bar.maximum());
    bar.setSliderDown(false);
    QCoreApplication::sendPostedEvents();
    window.repaint();
    s.end = Ms(clock);
    const int last = window.ResultLabelsUsed();
    if (TKvlabel* label = window.FindLabel(QStringLiteral("labela%1").arg(last))) {
        const QRect inView(QPoint(0, box.VertPosition()), view->size());
        const QPoint pos = window.ListPos(label);
        s.lastShown = label->isVisible() && inView.contains(pos) &&
                      pos.y() + label->height() <= inView.bottom() + 1;
    }
    return s;
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
    std::printf("results window over %s: \"Traži\" until the list is painted\n", qPrintable(file));
    TProgram program(folder);
    program.fMain->show();
    TfRezultatiTrazenja& window = *program.fRezultatiTrazenja;
    SetQuestionHandler([](const QString&) { return true; });
    // The program idle after start-up, as the user first reads; "--no-idle" searches at once,
    // as the program did before it prepared its first uses.
    const bool idle = !app.arguments().contains(QStringLiteral("--no-idle"));
    QCoreApplication::processEvents();
    if (idle)
        program.PrepareFirstUses();
    QCoreApplication::processEvents();
    const long fresh = StatusMb("VmRSS:");
    // The first search places and shows the results window.
    const SearchRun first = Search(program, Small.text);

    const Series small = Repeat(program, Small, Runs);
    const Series medium = Repeat(program, Medium, Runs);
    const Series large = Repeat(program, Large, 3);
    std::printf("rows found: %d, %d, %d\n", small.rows, medium.rows, large.rows);
    std::printf("%-36s %7.1f / %7.1f ms (min / median)  before %7.1f\n",
                "search dialog opened, fresh", small.open.min, small.open.median, Before.open);
    Line("about 40 rows", small, small.search, 15, Before.small);
    // What the first search costs above the next is mostly the results window's first show.
    std::printf("%-36s %7.1f ms (cpu %6.1f), %.2f x the next, %+.1f ms cpu  target 1.3 x, "
                "first show 20 ms%s\n",
                "first search of the session", first.search, first.cpu,
                first.cpu / small.cpu.median, first.cpu - small.cpu.median,
                idle ? "" : "  (no idle preparation)");
    Line("about 375 rows", medium, medium.search, 20, Before.medium);
    Line("about 6,916 rows", large, large.search, 80, Before.large);

    ResetPeak();
    const SearchRun all = Search(program, Every.text);
    const long peak = StatusMb("VmHWM:");
    std::printf("%-36s %7.1f ms (%d rows; cpu %6.1f)  target 300  before %7.1f\n", "all rows",
                all.search, all.rows, all.cpu, Before.all);
    std::printf("%-36s %7ld MB  target   120  before %7.0f\n", "peak memory with all rows", peak,
                Before.peakMb);

    const Scrolling s = TimeScrolling(window);
    std::printf("%-36s %7.1f ms  target    16  before %7.1f\n", "page down / up, longest step",
                s.page, Before.page);
    std::printf("%-36s %7.1f ms  target    16  before %7.1f\n", "mouse wheel, longest step",
                s.wheel, Before.wheel);
    std::printf("%-36s %7.1f ms  before %7.1f; last row %s\n", "scroll bar dragged to the end",
                s.end, Before.end, s.lastShown ? "in view" : "NOT in view");

    const Series after = Repeat(program, Small, Runs);
    QCoreApplication::processEvents();
    const long resident = StatusMb("VmRSS:");
    std::printf("%-36s %7.1f ms median, %.2f x fresh  target 1.2 x  before %7.1f\n",
                "about 40 rows after all rows", after.search.median,
                after.search.median / small.search.median, Before.smallAfter);
    std::printf("%-36s %7.1f ms median, %.2f x fresh  target 1.2 x  before %7.1f\n",
                "search dialog opened after all rows", after.open.median,
                after.open.median / small.open.median, Before.openAfter);
    std::printf("%-36s %7ld MB  target    70  before %7.0f\n", "memory once the small list is back",
                resident, Before.afterMb);

    // The longest list again, then the window closed.
    Search(program, Every.text);
    window.close();
    QCoreApplication::processEvents();
    const long closed = StatusMb("VmRSS:");
    std::printf("%-36s %7ld MB, %ld MB above one that never showed it (%ld MB)  target 15\n",
                "all rows, window closed", closed, closed - fresh, fresh);
    return 0;
}
