#include "RezultatiTrazenja.h"

TfRezultatiTrazenja::TfRezultatiTrazenja(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("fRezultatiTrazenja"));
    setWindowTitle(QStringLiteral("Vidoslov - rezultati traženja"));
    setMinimumSize(100, 100);
    resize(440, mainWindow ? mainWindow->height() : 600);
    QFont font(QStringLiteral("Arial Cirilica"));
    font.setPixelSize(11);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(215, 218, 223));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TfRezultatiTrazenja::ShowResults() {}
