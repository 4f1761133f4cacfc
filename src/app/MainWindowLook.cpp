// The main window's "Izgled" menu: the program's look.
#include "MainWindow.h"

#include "Messages.h"

#include <QActionGroup>
#include <QMenu>

void TfMain::AddAppearanceMenu() {
    QMenu* menu = Izbor1->addMenu(QStringLiteral("Izgled"));
    menu->setObjectName(QStringLiteral("Izgled1"));
    auto* group = new QActionGroup(menu);
    const std::pair<Appearance, const char*> looks[] = {
        {Appearance::System, "sistemski"},
        {Appearance::Light, "svetli"},
        {Appearance::Dark, "tamni"},
        {Appearance::HighContrast, "visok kontrast"},
    };
    for (const auto& [look, caption] : looks) {
        QAction* item = menu->addAction(QString::fromUtf8(caption));
        item->setCheckable(true);
        item->setChecked(look == CurrentAppearance());
        group->addAction(item);
        appearanceItems_[int(look)] = item;
        connect(item, &QAction::triggered, this, [this, look = look] {
            Guarded([&] {
                SetAppearance(look);
                emit appearanceChosen();
            });
        });
    }
}

void TfMain::SetAppearance(Appearance look) {
    ApplyAppearance(look);
    appearanceItems_[int(look)]->setChecked(true);
}
