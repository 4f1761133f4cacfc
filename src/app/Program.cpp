#include "Program.h"

#include "DataModule.h"
#include "Errors.h"
#include "Intro.h"
#include "Main.h"
#include "PodesiFont.h"
#include "Podsetnik.h"
#include "ProgramFolder.h"
#include "RezultatiTrazenja.h"
#include "Trazi.h"
#include "print.h"

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
    fTrazi->setResultsQuery(&Baze->QueryRezultati);
    fTrazi->setProgramFolder(Baze->programFolder());
    main->setReminderWindow(fPodsetnik.get());
    main->setFontDialog(fPodesiFont.get());
    fPodesiFont->setPanes(main);
    fprint->setBaze(Baze.get());
    main->setReportForm(fprint.get());
    fPodsetnik->ShowReference = [main](const QString& text) { main->ShowReference(text); };
    TfRezultatiTrazenja* results = fRezultatiTrazenja.get();
    results->setResultsQuery(&Baze->QueryRezultati);
    results->setReader({main, [main] { return main->GetActivePane(); },
                        [main](int pane) { main->SetActivePane(pane); },
                        [main] { main->ShowActivePane(); }, main->CD1,
                        [main](int pane, const QString& file, const QString& caption) {
                            main->UseTranslation(pane, file, caption);
                        },
                        [main](int key) { main->FormKeyDown(key); }});
    results->setReminderWindow(fPodsetnik.get());
    results->setPrintForm(fprint.get());
    TfTrazi* search = fTrazi.get();
    main->ShowSearchResults = [results, search] {
        results->Searched = search->Searched();
        results->ShowResults();
    };
}

TProgram::TProgram() : TProgram(ProgramFolder()) {}

void TProgram::PrepareFirstUses() {
    Query& q = Baze->QueryRezultati;
    if (!q.isOpen() && q.sql().isEmpty()) {
        // A scan of every verse that finds none; a missing file is the search's to report.
        try {
            q.addLine(QStringLiteral("select count(*) from vidoslov where tekst like '%ǂ%'"));
            q.open();
        } catch (const DatabaseError&) {
        }
        q.close();
        q.clearSql();
    }
    fRezultatiTrazenja->PrepareFirstShow();
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
