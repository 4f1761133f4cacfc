#include "print.h"

Tfprint::Tfprint(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fprint"));
}

void Tfprint::PreviewResults() {}
