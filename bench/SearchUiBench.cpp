// Times the search as the user meets it, on the default translation file beside this program:
// from "Traži" to the first paint of the results window (its first show in a fresh program
// included), and the live count of the search dialog per key press: how long the key holds the
// dialog, and how long until the count stands. Run it on a real display (DISPLAY) or offscreen.
#include "DataModule.h"
#include "LiveCount.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "RezultatiTrazenja.h"
#include "Trazi.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Word {
    const char* text;
    int hits;
    double target;
};
constexpr Word Words[] = {{"golub", 40, 16}, {"hleb", 375, 16}, {"gospod", 6916, 40}};
constexpr int Runs = 5;

double Ms(const QElapsedTimer& clock) {
    return clock.nsecsElapsed() / 1e6;
}

// Notes the first paint of a window after it is armed.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// "Traži" pressed in the dialog with one required word; the time until the results window
// has painted.
double Search(TProgram& program, const char* word) {
    TfTrazi& dialog = *program.fTrazi;
    TfRezultatiTrazenja& window = *program.fRezultatiTrazenja;
    FirstPaint paint;
    QElapsedTimer clock;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.BtnOcistiClick();
        dialog.RequiredList()->addItem(QString::fromUtf8(word));
        QCoreApplication::processEvents();
        window.installEventFilter(&paint);
        clock.start();
        dialog.BtnTraziClick();
    });
    program.fMain->OpenSearch();
    QElapsedTimer limit;
    limit.start();
    while (!paint.painted && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = Ms(clock);
    window.removeEventFilter(&paint);
    return paint.painted ? ms : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Percentile95(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(v.size() * 0.95))];
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
    std::printf("\"Traži\" until the results window paints (%s)\n",
                qPrintable(QGuiApplication::platformName()));
    for (const Word& word : Words) {
        // A fresh program: the results window's first show is part of the time.
        double first = 0;
        {
            TProgram program(folder);
            program.fMain->show();
            SetQuestionHandler([](const QString&) { return true; });
            first = Search(program, word.text);
            std::vector<double> again;
            for (int i = 0; i < Runs; ++i)
                again.push_back(Search(program, word.text));
            std::printf(
                "%-8s (%5d rows)  first show %7.1f ms, again median %7.1f ms  target %3.0f\n",
                word.text, int(program.fRezultatiTrazenja->Found().size()), first, Median(again),
                word.target);
        }
    }

    // The live count: each key typed into the required word's edit.
    TProgram program(folder);
    program.fMain->show();
    TfTrazi& dialog = *program.fTrazi;
    dialog.show();
    // The dialog empties its edits when it becomes active: the typing starts after that.
    if (!QTest::qWaitForWindowActive(&dialog))
        dialog.FormActivate();
    QTest::qWait(200);
    auto* live = dialog.findChild<TLiveCount*>();
    std::vector<double> held;
    std::vector<double> shown;
    for (const char* word : {"svetlost", "gospod", "hleb", "golub", "covek", "jerusalim"}) {
        dialog.RequiredEdit()->clear();
        const QString text = QString::fromUtf8(word);
        for (qsizetype n = 0; n < text.size(); ++n) {
            QSignalSpy counted(live, &TLiveCount::counted);
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(dialog.RequiredEdit(), text[n].toLatin1());
            held.push_back(Ms(clock));
            if (n + 1 < 3)
                continue;
            while (counted.isEmpty() && clock.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            shown.push_back(Ms(clock));
            if (qEnvironmentVariableIsSet("SEARCHUI_BENCH_KEYS"))
                std::printf("  %s: %.2f ms, %s\n", qPrintable(text.left(n + 1)), shown.back(),
                            qPrintable(dialog.CountLabel()->text()));
        }
    }
    std::printf("live count, %zu keys: the key holds the dialog p95 %5.2f ms (max %5.2f)\n",
                held.size(), Percentile95(held), *std::max_element(held.begin(), held.end()));
    std::printf(
        "live count, %zu counts: key to count shown p95 %5.2f ms, median %5.2f  target 16\n",
        shown.size(), Percentile95(shown), Median(shown));
    dialog.hide();
    return 0;
}
