// What a screen reader hears of the main window: the names and descriptions of its controls
// and the chosen verse of the active pane.
#include "MainWindow.h"

#include "ChapterLayout.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "PaneAccessible.h"
#include "PopupMenu.h"
#include "ScrollBox.h"
#include "UpDown.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

namespace {

void Name(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

QString PaneName(int pane) {
    return pane == 1   ? QStringLiteral("Levo okno")
           : pane == 2 ? QStringLiteral("Desno okno")
                       : QStringLiteral("Srednje okno");
}

} // namespace

void TfMain::NameControls() {
    InstallPaneAccessibility();
    for (int p = 1; p <= PaneCount; ++p) {
        const QString pane = PaneName(p) + QStringLiteral(": ");
        Name(BookLabel(p), QString(), pane + QStringLiteral("knjiga i glava koje okno prikazuje"));
        Name(ScrollBox(p), PaneName(p),
             QStringLiteral("Stihovi glave, svaki sa svojim upućivanjima; Ctrl+strelice biraju "
                            "stih, Shift+F10 otvara meni okna"));
        Name(LinkBox(p), pane + QStringLiteral("prati aktivno okno"),
             QStringLiteral("Okno prikazuje istu glavu i stih kao okno u kome radite"));
        Name(FontButton(p), pane + QStringLiteral("slova i boje"),
             QStringLiteral("Podešavanje slova i boja ovog okna"));
        Name(BackButton(p), pane + QStringLiteral("prethodna glava"), QStringLiteral("Alt+←"));
        Name(ShowButton(p), pane + QStringLiteral("prikaži"),
             QStringLiteral("Prikazuje upisanu glavu i stih"));
        Name(ForwardButton(p), pane + QStringLiteral("sledeća glava"), QStringLiteral("Alt+→"));
        Name(ChapterEdit(p), pane + QStringLiteral("glava"),
             QStringLiteral("Broj glave; Enter je prikazuje, Ctrl+L ili F6 vraća ovamo"));
        Name(VerseEdit(p), pane + QStringLiteral("stih"),
             QStringLiteral("Broj stiha; Enter prikazuje glavu sa tim stihom"));
        Name(ChapterSpinner(p), pane + QStringLiteral("glava napred ili nazad"), QString());
        Name(VerseSpinner(p), pane + QStringLiteral("stih napred ili nazad"), QString());
        Name(ChapterSpinner(p)->UpButton(), pane + QStringLiteral("povećaj broj glave"),
             QStringLiteral("Broj u polju glave za jedan veći"));
        Name(ChapterSpinner(p)->DownButton(), pane + QStringLiteral("smanji broj glave"),
             QStringLiteral("Broj u polju glave za jedan manji"));
        Name(VerseSpinner(p)->UpButton(), pane + QStringLiteral("povećaj broj stiha"),
             QStringLiteral("Broj u polju stiha za jedan veći"));
        Name(VerseSpinner(p)->DownButton(), pane + QStringLiteral("smanji broj stiha"),
             QStringLiteral("Broj u polju stiha za jedan manji"));
    }
    Name(PopUpMenu, QStringLiteral("Meni okna"),
         QStringLiteral("Knjige, prevodi, podsetnik i kopiranje"));
    Name(Izbor1, QStringLiteral("Izbor"), QStringLiteral("Pretraga, podsetnik, prevodi, izlaz"));
    Name(Splitters->handle(1), QStringLiteral("Granica levog i srednjeg okna"), QString());
    Name(Splitters->handle(2), QStringLiteral("Granica srednjeg i desnog okna"), QString());
    Name(Button1, QStringLiteral("Bez namene"), QString());
    Name(Button2, QStringLiteral("Bez namene"), QString());
}

TKvlabel* TfMain::ChosenVerseLabel(int pane) const {
    if (!TReaderState::IsPane(pane))
        return nullptr;
    for (int k = 1; k <= layout_.LabelsUsed[pane]; ++k) {
        TKvlabel* label = PaneLabel(layout_, pane, k);
        if (label && label->Vrsta() == Tekst1 && !label->isTransparent())
            return label;
    }
    return nullptr;
}

void TfMain::AnnounceChosenVerse(int pane) {
    if (!QAccessible::isActive() || pane != state_->ActivePane())
        return;
    TKvlabel* verse = ChosenVerseLabel(pane);
    if (!verse)
        return;
    // Its state reads selected: said first, so that the focus finds it chosen.
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleStateChangeEvent change(verse, selected);
    QAccessible::updateAccessibility(&change);
    QAccessibleEvent focus(verse, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}
