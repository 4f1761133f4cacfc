// The pane menu of the main window: books, translations, the reminder list, the pane's
// colour and its chapter report.
#include "MainWindow.h"

#include "Application.h"
#include "ChapterLayout.h"
#include "CopyText.h"
#include "DataModule.h"
#include "KvEdit.h"
#include "Kvlabel.h"
#include "PaneMenu.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "ProgramFolder.h"
#include "Reference.h"
#include "ReminderEntry.h"
#include "ScrollBox.h"
#include "TranslationList.h"
#include "print.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QGuiApplication>
#include <QScreen>

void TfMain::BuildPaneMenu() {
    SetOwnerDraw(PopUpMenu);
    auto item = [this](const QString& caption, const QString& name, void (TfMain::*handler)()) {
        QAction* action = Named(PopUpMenu->addAction(caption), name);
        if (handler)
            connect(action, &QAction::triggered, this,
                    [this, handler] { Guarded([&] { (this->*handler)(); }); });
        return action;
    };
    auto submenu = [this, &item](const QString& caption, const QString& name) {
        QAction* action = item(caption, name, nullptr);
        auto* menu = new QMenu(PopUpMenu);
        SetOwnerDraw(menu);
        action->setMenu(menu);
        return action;
    };
    Ubaciupodsetnik1 =
        item(InsertItemCaption, QStringLiteral("Podesi1"), &TfMain::Ubaciupodsetnik1Click);
    Podsetnik1 = item(ReminderItemCaption, QStringLiteral("Podsetnik1"), &TfMain::Podsetnik1Click);
    Color1 = item(ColorItemCaption, QStringLiteral("Color1"), &TfMain::Color1Click);
    PrintPreview1 =
        item(PrintItemCaption, QStringLiteral("PrintPreview1"), &TfMain::PrintPreview1Click);
    Starizavet1 = submenu(OldTestamentCaption, QStringLiteral("Starizavet1"));
    Novizavet1 = submenu(NewTestamentCaption, QStringLiteral("Novizavet1"));
    // Gets its submenu when the translation list is read.
    Prevod1 = item(TranslationItemCaptionStart, QStringLiteral("Prevod1"), nullptr);
    KopirajStih1 =
        item(CopyVerseItemCaption, QStringLiteral("KopirajStih1"), &TfMain::KopirajStih1Click);
    KopirajGlavu1 =
        item(CopyChapterItemCaption, QStringLiteral("KopirajGlavu1"), &TfMain::KopirajGlavu1Click);
    backItem_ = item(QStringLiteral("Nazad"), QStringLiteral("BackItem"), nullptr);
    forwardItem_ = item(QStringLiteral("Napred"), QStringLiteral("ForwardItem"), nullptr);
    connect(backItem_, &QAction::triggered, this,
            [this] { Guarded([this] { PlaceBack(PopupPane()); }); });
    connect(forwardItem_, &QAction::triggered, this,
            [this] { Guarded([this] { PlaceForward(PopupPane()); }); });
    QAction* references = submenu(ReferencesItemCaption, QStringLiteral("Upucivanja1"));
    for (int m = 0; m < 3; ++m) {
        QAction* mode = references->menu()->addAction(ReferenceModeCaptions[m]);
        mode->setCheckable(true);
        connect(mode, &QAction::triggered, this,
                [this, m] { Guarded([&] { SetReferenceMode(PopupPane(), ReferenceMode(m)); }); });
        referenceItems_[m] = mode;
    }
    connect(PopUpMenu, &QMenu::aboutToShow, this,
            [this] { Guarded([this] { PopUpMenuPopup(); }); });

    CD1 = Named(new QColorDialog(this), QStringLiteral("CD1"));
    // The dialog of the program itself, with its custom colours always in view.
    CD1->setOption(QColorDialog::DontUseNativeDialog);
}

int TfMain::PopupPane() const {
    return PaneOfComponent(PopUpMenu->PopupComponent());
}

void TfMain::PopUpMenuPopup() {
    if (Starizavet1->menu()->actions().size() < 4) {
        BuildBookItems();
        ReadTranslationList();
    }
    const int p = PopupPane();
    SetActivePane(p);
    Prevod1->setText(TranslationMenuCaption(state_->Pane(p).caption));
    if (TReaderState::IsPane(p)) {
        backItem_->setEnabled(history_[p].CanBack());
        forwardItem_->setEnabled(history_[p].CanForward());
    }
    for (int m = 0; m < 3; ++m)
        referenceItems_[m]->setChecked(int(state_->Pane(p).references) == m);
    if (QMenu* translations = Prevod1->menu())
        for (QAction* translation : translations->actions())
            translation->setChecked(
                TrimBlanks(TranslationHint(translation))
                    .compare(TrimBlanks(state_->Pane(p).file), Qt::CaseInsensitive) == 0);
}

void TfMain::BuildBookItems() {
    ::BuildBookItems(catalogue_, bookItems_, this, Starizavet1->menu(), Novizavet1->menu(),
                     [this](QAction* book) { Guarded([&] { BookClick(book); }); });
}

const QList<TranslationEntry>& TfMain::Translations() {
    if (!translationsRead_) {
        translations_ = ReadTranslationLists(baze_ ? baze_->programFolder() : ProgramFolder());
        translationsRead_ = true;
    }
    return translations_;
}

void TfMain::ReadTranslationList() {
    translationsRead_ = false; // the file as it is now
    const QList<TranslationEntry>& entries = Translations();
    if (entries.isEmpty())
        return;
    auto* menu = new QMenu(PopUpMenu);
    SetOwnerDraw(menu);
    Prevod1->setMenu(menu);
    // The pane's translation is ticked.
    auto* ticks = new QActionGroup(menu);
    for (const TranslationEntry& entry : entries) {
        auto* translation = new QAction(TranslationItemCaption(entry.caption), this);
        translation->setCheckable(true);
        ticks->addAction(translation);
        SetTranslationHint(translation, entry.fileName);
        connect(translation, &QAction::triggered, this,
                [this, translation] { Guarded([&] { TranslationClick(translation); }); });
        menu->addAction(translation);
    }
}

void TfMain::BookClick(QObject* sender) {
    const int p = PopupPane();
    auto* item = qobject_cast<QAction*>(sender);
    if (!item)
        return;
    state_->SetBookCode(catalogue_.BookCodeOfTitle(TrimBlanks(item->text())));
    state_->SetChapter(p, 1);
    state_->SetVerse(p, 1);
    ChapterEdit(p)->setText(QStringLiteral("1"));
    VerseEdit(p)->setText(QStringLiteral("1"));
    SetActivePane(p);
    BtnPokaziClick(item);
}

void TfMain::TranslationClick(QObject* sender) {
    const int p = PopupPane();
    if (auto* item = qobject_cast<QAction*>(sender))
        SwitchTranslation(p, item);
}

void TfMain::SwitchTranslation(int pane, QAction* item) {
    if (!baze_ || !item)
        return;
    // The pane's query reads the chosen file afresh.
    baze_->PaneQuery(pane).close();
    state_->SetTranslation(pane, TranslationHint(item), QStringLiteral("  ") + item->text());
    SetActivePane(pane);
    BtnPokaziClick(item);
}

void TfMain::Ubaciupodsetnik1Click() {
    if (!fPodsetnik_)
        return;
    const auto* label = qobject_cast<const TKvlabel*>(PopUpMenu->PopupComponent());
    if (label) {
        fPodsetnik_->AddEntry(EntryInNumbering(
            IsMoreReferences(*label) ? VerseEntry(label->Knjiga, label->Glava, label->Rbr)
                                     : PaneLabelEntry(*label),
            state_->Pane(PopupPane()).numbering, state_->NumberingOf(QString())));
    }
}

void TfMain::Podsetnik1Click() {
    if (!fPodsetnik_)
        return;
    if (fPodsetnik_->KeepsPlace()) {
        fPodsetnik_->ShowAt(fPodsetnik_->x(), fPodsetnik_->y());
        return;
    }
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    // ShowAt keeps the left edge at 1 or more.
    fPodsetnik_->ShowAt(screenWidth - 2 * fPodsetnik_->frameGeometry().width(), 1);
}

void TfMain::Color1Click() {
    // The dialog starts from the left pane's colour, whichever pane the menu is for.
    CD1->setCurrentColor(ToQColor(ScrollBox(1)->Color()));
    if (CD1->exec() != QDialog::Accepted)
        return;
    ApplyPaneColor(state_->ActivePane(), FromQColor(CD1->selectedColor()));
}

void TfMain::ApplyPaneColor(int pane, TColor color) {
    if (!TReaderState::IsPane(pane))
        return;
    state_->SetColor(pane, color);
    ScrollBox(pane)->setColor(color);
}

void TfMain::PrintPreview1Click() {
    if (baze_ && fprint_)
        fprint_->PreviewChapter(baze_->PaneQuery(GetActivePane()),
                                PaneTranslationName(GetActivePane()));
}

QString TfMain::PaneTranslationName(int pane) {
    if (pane < 1 || pane > PaneCount)
        return {};
    const PaneEntry& entry = state_->Pane(pane);
    const QString listed = CaptionOfFile(entry.file, Translations());
    return listed.isEmpty() ? TranslationName(entry.caption, Translations()) : listed;
}

QString TfMain::PaneCopyText(int pane, const QString& rbr, bool wholeChapter) {
    if (!baze_ || pane < 1 || pane > PaneCount)
        return {};
    QString knjiga;
    QString glava;
    QList<CopiedVerse> verses;
    if (!ReadCopiedChapter(baze_->PaneQuery(pane), knjiga, glava, verses))
        return {};
    const QString title = catalogue_.BookTitleOfCode(knjiga);
    const QString book = title.isEmpty() ? TrimBlanks(knjiga) : title;
    const QString translation = PaneTranslationName(pane);
    if (wholeChapter)
        return ChapterCopyText(book, glava, verses, translation);
    for (const CopiedVerse& verse : verses)
        if (verse.rbr == rbr)
            return VerseCopyText(book, glava, verse, translation);
    return {};
}

void TfMain::KopirajStih1Click() {
    const int p = PopupPane();
    const auto* label = qobject_cast<const TKvlabel*>(PopUpMenu->PopupComponent());
    // On the pane's background: the chosen verse.
    const QString rbr = label ? label->Rbr : QString::number(shownVerse_[p]);
    const QString text = PaneCopyText(p, rbr, false);
    if (!text.isEmpty())
        CopyToClipboard(text);
}

void TfMain::KopirajGlavu1Click() {
    const QString text = PaneCopyText(PopupPane(), QString(), true);
    if (!text.isEmpty())
        CopyToClipboard(text);
}

void TfMain::CopyActiveVerse() {
    const int p = state_->ActivePane();
    const QString text = PaneCopyText(p, QString::number(shownVerse_[p]), false);
    if (!text.isEmpty())
        CopyToClipboard(text);
}
