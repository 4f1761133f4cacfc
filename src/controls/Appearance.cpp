#include "Appearance.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace {

Appearance current = Appearance::System;

struct Desktop {
    QString style;
    QPalette palette;
};

const Desktop& DesktopLook() {
    static const Desktop desktop{QApplication::style()->name(), QApplication::palette()};
    return desktop;
}

QPalette DarkPalette() {
    const QColor window(45, 45, 48), base(30, 30, 32), text(235, 235, 235);
    QPalette p(window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 120));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(190, 150, 255));
    p.setColor(QPalette::Highlight, QColor(60, 120, 200));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(80, 80, 84));
    p.setColor(QPalette::Midlight, QColor(62, 62, 66));
    p.setColor(QPalette::Mid, QColor(35, 35, 38));
    p.setColor(QPalette::Dark, QColor(22, 22, 24));
    p.setColor(QPalette::Shadow, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(135, 135, 135));
    return p;
}

QPalette HighContrastPalette() {
    QPalette p(Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::ToolTipText, QPalette::Shadow, QPalette::Dark})
        p.setColor(role, Qt::black);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button,
                      QPalette::Light, QPalette::Midlight})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 210));
    p.setColor(QPalette::Mid, QColor(60, 60, 60));
    p.setColor(QPalette::PlaceholderText, QColor(80, 80, 80));
    p.setColor(QPalette::Link, QColor(0, 0, 200));
    p.setColor(QPalette::Highlight, QColor(0, 0, 140));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(90, 90, 90));
    return p;
}

} // namespace

QString AppearanceKey(Appearance look) {
    switch (look) {
    case Appearance::Light:
        return QStringLiteral("light");
    case Appearance::Dark:
        return QStringLiteral("dark");
    case Appearance::HighContrast:
        return QStringLiteral("high-contrast");
    case Appearance::System:
        break;
    }
    return QStringLiteral("system");
}

Appearance AppearanceOfKey(const QString& key) {
    for (Appearance look : {Appearance::Light, Appearance::Dark, Appearance::HighContrast})
        if (key == AppearanceKey(look))
            return look;
    return Appearance::System;
}

QPalette AppearancePalette(Appearance look, const QPalette& desktop) {
    switch (look) {
    case Appearance::Light: {
        static QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        return fusion->standardPalette();
    }
    case Appearance::Dark:
        return DarkPalette();
    case Appearance::HighContrast:
        return HighContrastPalette();
    case Appearance::System:
        break;
    }
    return desktop;
}

void ApplyAppearance(Appearance look) {
    const Desktop& desktop = DesktopLook();
    current = look;
    QApplication::setStyle(look == Appearance::System ? desktop.style : QStringLiteral("Fusion"));
    QApplication::setPalette(AppearancePalette(look, desktop.palette));
}

Appearance CurrentAppearance() {
    return current;
}
