#include "Program.h"

#include "ChapterLayout.h"
#include "DataModule.h"
#include "Errors.h"
#include "Intro.h"
#include "MainWindow.h"
#include "Messages.h"
#include "PodesiFont.h"
#include "Podsetnik.h"
#include "ProgramFolder.h"
#include "Query.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Search.h"
#include "SessionKeeper.h"
#include "SessionStore.h"
#include "Trazi.h"
#include "print.h"

#include <QTimer>

TProgram::TProgram(const QString& programFolder) {
    fMain = std::make_unique<TfMain>();
    Baze = std::make_unique<TBaze>(programFolder);
    fTrazi = std::make_unique<TfTrazi>();
    fRezultatiTrazenja = std::make_unique<TfRezultatiTrazenja>(fMain.get());
    fPodsetnik = std::make_unique<TfPodsetnik>();
    fprint = std::make_unique<Tfprint>();
    fIntro = std::make_unique<TfIntro>();
    fPodesiFont = std::make_unique<TfPodesiFont>();

    TfMain* main = fMain.get();
    main->setBaze(Baze.get());
    main->setSearchDialog(fTrazi.get());
    fTrazi->setProgramFolder(Baze->programFolder());
    main->setReminderWindow(fPodsetnik.get());
    main->setFontDialog(fPodesiFont.get());
    fPodesiFont->setPanes(&main->State());
    fprint->setBaze(Baze.get());
    main->setReportForm(fprint.get());
    // A jump from the reminder list or the results is remembered for "Nazad".
    const auto showJump = [main] {
        main->RememberShownPlace(main->GetActivePane());
        main->ShowActivePane();
    };
    fPodsetnik->setReader(&main->State(), showJump);
    TfRezultatiTrazenja* results = fRezultatiTrazenja.get();
    results->setReader({&main->State(), &main->Catalogue(), showJump, main->ColorDialog(),
                        [main](int key) { main->FormKeyDown(key); }});
    results->setReminderWindow(fPodsetnik.get());
    results->setPrintForm(fprint.get());
    TfTrazi* search = fTrazi.get();
    QObject::connect(main, &TfMain::searchAccepted, results, [results, search] {
        Guarded([&] { results->ShowResults(search->TakeResult()); });
    });
    QObject::connect(results, &TfRezultatiTrazenja::foldedSearchWanted, results,
                     [results, search](const SearchRequest& request) {
                         Guarded([&] { results->ShowResults(search->SearchFolded(request)); });
                     });
}

TProgram::TProgram() : TProgram(ProgramFolder()) {}

void TProgram::PrepareFirstUses() {
    // A search of the default text for a word no verse holds: its file is read once and the
    // search's first run is behind it. A missing file is the real search's to report.
    SearchRequest nothing;
    nothing.words.required = {QStringLiteral("ǂǂ")};
    try {
        RunSearch(nothing, Baze->programFolder());
    } catch (const DatabaseError&) {
    }
    fRezultatiTrazenja->PrepareFirstShow();
    MeasureVersesWhileIdle();
    PrepareLabelsWhileIdle();
}

void TProgram::PrepareLabelsWhileIdle() {
    // A batch takes a fraction of a millisecond: a key that comes meanwhile hardly waits.
    constexpr int Batch = 100;
    auto* timer = new QTimer(fMain.get());
    timer->setInterval(0);
    TfMain* main = fMain.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, main] {
        for (int p = 1; p <= PaneCount; ++p)
            if (PrepareLabels(main->Layout(), main->State().Pane(p), *main->ScrollBox(p),
                              PreparedLabelCount, Batch))
                return;
        timer->stop();
    });
    // Labels freed for new fonts are made again in them.
    QObject::connect(main, &TfMain::paneLabelsFreed, timer, [timer] { timer->start(); });
    timer->start();
}

void TProgram::MeasureVersesWhileIdle() {
    // The default text's verses two hundred at a time, each step short enough for a key
    // that comes meanwhile; done once the table has no more rows or cannot be read.
    auto* timer = new QTimer(fMain.get());
    timer->setInterval(0);
    // On the searches' own connection, which then holds the text's pages for the first search.
    const QString connection =
        TranslationConnectionString(DefaultTranslationFile, Baze->programFolder());
    auto from = std::make_shared<qint64>(0);
    TfRezultatiTrazenja* results = fRezultatiTrazenja.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, connection, from, results] {
        constexpr qint64 Step = 200;
        std::vector<ResultRow> rows;
        try {
            rows = RunStatement(SearchQuery(connection),
                                {QString::fromLatin1(SearchSelectLine),
                                 QStringLiteral("limit %1 offset %2").arg(Step).arg(*from)});
        } catch (const DatabaseError&) {
        }
        *from += Step;
        if (rows.empty()) {
            timer->deleteLater();
            return;
        }
        results->MeasureAhead(rows);
    });
    timer->start();
}

TSessionKeeper* TProgram::KeepSession() {
    return KeepSession(SessionFile(), TSessionKeeper::ReminderFile());
}

TSessionKeeper* TProgram::KeepSession(const QString& sessionFile, const QString& reminderFile) {
    // Owned by the main window.
    auto* keeper = new TSessionKeeper(*this, sessionFile, reminderFile);
    keeper->Restore();
    return keeper;
}

TProgram::~TProgram() {
    fPodesiFont.reset();
    fIntro.reset();
    fprint.reset();
    fPodsetnik.reset();
    fRezultatiTrazenja.reset();
    fTrazi.reset();
    Baze.reset();
    fMain.reset();
}
