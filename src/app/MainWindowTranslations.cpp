// The main window's commands for the user's own translations and "O programu".
#include "Application.h"
#include "DataModule.h"
#include "DodajPrevod.h"
#include "MainWindow.h"
#include "OProgramu.h"
#include "Trazi.h"
#include "UkloniPrevod.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

void TfMain::AddTranslationMenu() {
    DodajPrevod1 =
        Named(Izbor1->addAction(QStringLiteral("Dodaj prevod…")), QStringLiteral("DodajPrevod1"));
    UkloniPrevod1 =
        Named(Izbor1->addAction(QStringLiteral("Ukloni prevod…")), QStringLiteral("UkloniPrevod1"));
    OProgramu1 =
        Named(Izbor1->addAction(QStringLiteral("O programu")), QStringLiteral("OProgramu1"));
    connect(DodajPrevod1, &QAction::triggered, this,
            [this] { Guarded([this] { DodajPrevod1Click(); }); });
    connect(UkloniPrevod1, &QAction::triggered, this,
            [this] { Guarded([this] { UkloniPrevod1Click(); }); });
    connect(OProgramu1, &QAction::triggered, this,
            [this] { Guarded([this] { OProgramu1Click(); }); });
}

void TfMain::DodajPrevod1Click() {
    if (!fDodajPrevod_) {
        fDodajPrevod_ = new TfDodajPrevod(this);
        connect(fDodajPrevod_, &TfDodajPrevod::translationAdded, this, &TfMain::ReloadTranslations);
    }
    fDodajPrevod_->LoadInstalled();
    fDodajPrevod_->open();
}

void TfMain::UkloniPrevod1Click() {
    if (!fUkloniPrevod_) {
        fUkloniPrevod_ = new TfUkloniPrevod(this);
        connect(fUkloniPrevod_, &TfUkloniPrevod::translationRemoved, this,
                &TfMain::ReloadTranslations);
    }
    fUkloniPrevod_->FormShow();
    fUkloniPrevod_->open();
}

void TfMain::OProgramu1Click() {
    if (!fOProgramu_)
        fOProgramu_ = new TfOProgramu(this);
    fOProgramu_->open();
}

void TfMain::ReloadTranslations() {
    // The panes' menu has its translations once the book items are built.
    if (QMenu* old = Prevod1->menu()) {
        Prevod1->setMenu(nullptr);
        old->deleteLater();
    }
    if (Starizavet1->menu()->actions().size() >= 4)
        ReadTranslationList();
    else
        translationsRead_ = false;
    if (fTrazi_)
        fTrazi_->FillTranslations();
    // A pane whose translation was taken away reads the default one from its next showing on.
    for (int p = 1; p <= PaneCount; ++p) {
        const QString& file = state_->Pane(p).file;
        if (file.startsWith(QLatin1Char('/')) && !QFileInfo::exists(file))
            state_->SetTranslation(p, QLatin1String(DefaultTranslationFile),
                                   QStringLiteral("Osnovnik"));
    }
}
