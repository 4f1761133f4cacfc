#include "PodesiFont.h"

TfPodesiFont::TfPodesiFont(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fPodesiFont"));
    setWindowTitle(QStringLiteral("Vidoslov - podešavanja"));
    setFixedSize(332, 250);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
}
