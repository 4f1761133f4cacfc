#include "Intro.h"

#include "BuildSettings.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TfIntro::TfIntro(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen) {
    setObjectName(QStringLiteral("fIntro"));
    setFixedSize(536, 232);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(176, 249, 202));
    setPalette(pal);
    setAutoFillBackground(true);
    setCursor(Qt::WaitCursor);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TfIntro::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.drawRoundedRect(QRect(8, 8, 520, 216), 16, 16);
    p.drawRoundedRect(QRect(24, 140, 488, 68), 12, 12);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(24, 40, 488, 60), Qt::AlignCenter,
               QStringLiteral("Vidoslov - priredio tim programa Vidoslov, 2026."));
    font.setPixelSize(14);
    font.setBold(false);
    p.setFont(font);
    // The contact line only in a build that names its distributor.
    if (*ProgramHomepage == '\0')
        return;
    p.drawText(QRect(40, 150, 120, 48), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("email:"));
    p.drawText(QRect(160, 150, 340, 48), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromUtf8(ProgramMaintainerEmail));
}
