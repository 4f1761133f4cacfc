#include "Trazi.h"

TfTrazi::TfTrazi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fTrazi"));
    setWindowTitle(QStringLiteral("Vidoslov - Pretraga"));
    setFixedSize(862, 554);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
}
