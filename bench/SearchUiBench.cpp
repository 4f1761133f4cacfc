// Times the search as the user meets it, on the default translation file beside this program:
// from the click on "Traži" to the first painted frame of the results window with its list,
// for the first search of a program (its window's first show included; the program idle
// after start-up first, as a reader is) and for the searches after it (the window left open,
// or with --closed closed before each); and the live count of the search dialog per key
// press, from the key to the count painted. On an X display (DISPLAY) a painted frame counts
// once the X server has taken it (a round trip after the flush); offscreen, once the paint is
// flushed.
#include "DataModule.h"
#include "LiveCount.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Trazi.h"

#include "CpuClock.h"
#include "KvTranBtn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace {

struct Word {
    const char* text;
    int hits;
    double target;
};
constexpr Word Words[] = {{"golub", 40, 16}, {"hleb", 375, 16}, {"gospod", 6916, 40}};
constexpr int Fresh = 3; // programs per word, each for its first search
constexpr int Again = 5; // searches after the first in each

double Ms(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

// Waits until the X server has what was sent to it.
void ServerRoundTrip() {
#ifdef HAVE_XCB
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()),
                                       nullptr));
#endif
}

// Notes when a watched widget (or one inside it) is first painted after it is armed, and the
// time once that frame is flushed and the server has it.
class FramePainted : public QObject {
public:
    explicit FramePainted(QWidget* watched) : watched_(watched) {}
    void Arm(const QElapsedTimer* clock) {
        clock_ = clock;
        painted_ = false;
        ms = -1;
        qApp->installEventFilter(this);
    }
    bool done() const { return ms >= 0; }
    double ms = -1;
    double showMs = -1; // the window's first Show event, when it came after arming

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object == watched_->window() && showMs < 0)
            showMs = Ms(*clock_);
        if (painted_ || event->type() != QEvent::Paint || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (widget != watched_ && !watched_->isAncestorOf(widget))
            return false;
        painted_ = true;
        // The whole frame is painted and flushed when the event loop runs again.
        QTimer::singleShot(0, this, [this] {
            ServerRoundTrip();
            ms = Ms(*clock_);
            qApp->removeEventFilter(this);
        });
        return false;
    }

private:
    QWidget* watched_;
    const QElapsedTimer* clock_ = nullptr;
    bool painted_ = false;
};

struct Run {
    double ms = -1;     // click to the list painted
    double cpu = 0;     // the process's processor time over it
    double showMs = -1; // click to the window's Show event (first show only)
    int rows = 0;
};

// Opens the search dialog as the user does, types the word, waits for its count, clicks
// "Traži" and waits until the results window has painted its list.
Run Search(TProgram& program, const char* word) {
    TfTrazi& dialog = *program.fTrazi;
    TfRezultatiTrazenja& window = *program.fRezultatiTrazenja;
    FramePainted frame(window.ResultsBox());
    QElapsedTimer clock;
    double cpu = 0;
    QTimer::singleShot(0, &dialog, [&] {
        // The dialog empties its edits when it becomes active: the typing starts after that.
        if (!QTest::qWaitForWindowActive(&dialog))
            dialog.FormActivate();
        dialog.BtnOcistiClick();
        QSignalSpy counted(dialog.findChild<TLiveCount*>(), &TLiveCount::counted);
        QTest::keyClicks(dialog.RequiredEdit(), QString::fromUtf8(word));
        counted.wait(2000);
        QTest::qWait(50); // the user reads the count and moves to the button
        TMKvTranBtn* button = dialog.SearchButton();
        clock.start();
        cpu = CpuMs();
        frame.Arm(&clock);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    });
    program.fMain->OpenSearch();
    QElapsedTimer limit;
    limit.start();
    while (!frame.done() && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    Run run;
    run.cpu = CpuMs() - cpu;
    run.ms = frame.ms;
    run.showMs = frame.showMs;
    run.rows = int(window.Found().size());
    return run;
}

double Min(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(v.size() * 0.95))];
}

// A program as main() starts it, left idle as a reader reads the first chapter.
void StartIdle(TProgram& program) {
    program.fMain->show();
    SetQuestionHandler([](const QString&) { return true; });
    // As main() does: the first uses are prepared once the main window stands.
    QTimer::singleShot(300, program.fMain.get(), [&program] { program.PrepareFirstUses(); });
    QTest::qWait(2000);
}

// Each key typed into the required word's edit: how long the key holds the dialog, and from
// the key until the count it asks for is painted.
void LiveCount(const QString& folder) {
    TProgram program(folder);
    StartIdle(program);
    TfTrazi& dialog = *program.fTrazi;
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog))
        dialog.FormActivate();
    QTest::qWait(200);
    auto* live = dialog.findChild<TLiveCount*>();
    FramePainted frame(dialog.CountLabel());
    std::vector<double> held;
    std::vector<double> shown;
    int unpainted = 0;
    for (const char* word : {"svetlost", "gospod", "hleb", "golub", "covek", "jerusalim"}) {
        dialog.RequiredEdit()->clear();
        QTest::qWait(20);
        const QString text = QString::fromUtf8(word);
        for (qsizetype n = 0; n < text.size(); ++n) {
            QSignalSpy counted(live, &TLiveCount::counted);
            const QString before = dialog.CountLabel()->text();
            QElapsedTimer clock;
            clock.start();
            frame.Arm(&clock);
            QTest::keyClick(dialog.RequiredEdit(), text[n].toLatin1());
            held.push_back(Ms(clock));
            if (n + 1 < 3) {
                QTest::qWait(20);
                continue;
            }
            while (counted.isEmpty() && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
            const bool changed = dialog.CountLabel()->text() != before;
            while (changed && !frame.done() && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
            if (changed && !frame.done()) {
                ++unpainted; // the window was hidden or covered: no frame to time
                QTest::qWait(20);
                continue;
            }
            shown.push_back(changed ? frame.ms : Ms(clock));
            if (qEnvironmentVariableIsSet("SEARCHUI_BENCH_KEYS"))
                std::printf("  %s: %.2f ms, %s\n", qPrintable(text.left(n + 1)), shown.back(),
                            qPrintable(dialog.CountLabel()->text()));
            QTest::qWait(20); // the next key comes a little later, as typing does
        }
    }
    std::printf("live count, %zu keys: the key holds the dialog p95 %5.2f ms (max %5.2f)\n",
                held.size(), Percentile95(held), *std::max_element(held.begin(), held.end()));
    if (!shown.empty())
        std::printf("live count, %zu counts: key to count painted p95 %5.2f ms, median %5.2f  "
                    "target 16\n",
                    shown.size(), Percentile95(shown), Median(shown));
    if (unpainted > 0)
        std::printf("live count: %d counts were never painted and are left out\n", unpainted);
    dialog.hide();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QStringLiteral(PROGRAM_FOLDER);
    if (!QFileInfo::exists(folder + "baza/" + DefaultTranslationFile)) {
        std::printf("vidoslov-searchui-bench: the default texts are missing; nothing to time.\n");
        return 0;
    }
    const bool countOnly = app.arguments().contains(QStringLiteral("--count"));
    // The searches after the first with the results window closed before each, as a reader
    // who closes it after reading; otherwise it stays open.
    const bool closed = app.arguments().contains(QStringLiteral("--closed"));
    if (!countOnly) {
        std::printf("click on \"Traži\" until the results window has painted its list (%s; "
                    "later searches with the window %s), min / median ms\n",
                    qPrintable(QGuiApplication::platformName()), closed ? "closed" : "open");
        for (const Word& word : Words) {
            // Words named on the command line alone, when some are.
            const QStringList named = app.arguments().mid(1).filter(QRegularExpression("^[a-z]"));
            if (!named.isEmpty() && !named.contains(QString::fromUtf8(word.text)))
                continue;
            std::vector<double> first, firstCpu, shows, again, againCpu;
            int rows = 0;
            for (int p = 0; p < Fresh; ++p) {
                TProgram program(folder);
                StartIdle(program);
                const Run run = Search(program, word.text);
                first.push_back(run.ms);
                firstCpu.push_back(run.cpu);
                shows.push_back(run.showMs);
                rows = run.rows;
                for (int i = 0; i < Again; ++i) {
                    if (closed) {
                        program.fRezultatiTrazenja->close();
                        QTest::qWait(300);
                    }
                    const Run next = Search(program, word.text);
                    again.push_back(next.ms);
                    againCpu.push_back(next.cpu);
                }
            }
            std::printf("%-7s (%4d rows) first %6.1f / %6.1f (cpu %5.1f; shown at %5.1f), "
                        "later %6.1f / %6.1f (cpu %5.1f); first/later %.2f  target %2.0f\n",
                        word.text, rows, Min(first), Median(first), Min(firstCpu), Min(shows),
                        Min(again), Median(again), Min(againCpu), Median(first) / Median(again),
                        word.target);
        }
    }
    if (!app.arguments().contains(QStringLiteral("--no-count")))
        LiveCount(folder);
    return 0;
}
