// Times what marking the searched words adds to filling the results window: the same 5,000
// rows filled without marks, with the words marked as typed and with them marked folded.
#include "CpuClock.h"
#include "DataModule.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Program.h"
#include "Query.h"
#include "RezultatiTrazenja.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

// The least processor time of a few fills that reuse the labels, then a paint.
double FillMs(TfRezultatiTrazenja& window) {
    double least = 1e300;
    for (int i = 0; i < 5; ++i) {
        const double start = CpuMs();
        window.Podesi1Click();
        QCoreApplication::sendPostedEvents();
        window.repaint();
        least = std::min(least, CpuMs() - start);
    }
    return least;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QStringLiteral(PROGRAM_FOLDER);
    if (!QFileInfo::exists(folder + "baza/" + DefaultTranslationFile)) {
        std::printf("vidoslov-marks-bench: the default translation is missing (make texts).\n");
        return 0;
    }
    TProgram program(folder);
    TfRezultatiTrazenja& window = *program.fRezultatiTrazenja;
    SetQuestionHandler([](const QString&) { return true; });
    window.ShowResults(
        {{},
         {},
         RunStatement(TranslationConnectionString(DefaultTranslationFile, folder),
                      {"select * from vidoslov where tekst like '%bog%' or tekst like '%a%' "
                       "limit 5000"}),
         {},
         -1});
    const QStringList words = {"bog", "a"};
    const double plain = FillMs(window);
    window.SetSearched({QString(), QString(), words, false});
    const double marked = FillMs(window);
    window.SetSearched({QString(), QString(), words, true});
    const double folded = FillMs(window);
    std::printf("fill of %d rows: %.0f ms unmarked, %.0f ms marked (+%.1f %%), %.0f ms marked "
                "folded (+%.1f %%)\n",
                int(window.Found().size()), plain, marked, 100 * (marked - plain) / plain, folded,
                100 * (folded - plain) / plain);
    return 0;
}
