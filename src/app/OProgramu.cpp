#include "OProgramu.h"

#include "BuildSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutText(const QString& version, const QString& homepage) {
    QString text =
        QStringLiteral("<h2>Vidoslov</h2><p>Pretraga - Upoređivanje - Štampa<br>Verzija %1</p>")
            .arg(version.toHtmlEscaped());
    text += QStringLiteral(
        "<p>Licenca: GNU General Public License, verzija 2 ili (po vašem izboru) bilo koja "
        "kasnija (GPL-2.0-or-later). Program se daje BEZ IKAKVE GARANCIJE. Pun tekst licence: "
        "/usr/share/common-licenses/GPL-2.</p>"
        "<p><b>Tekstovi</b><br>"
        "Daničić–Karadžić (Stari zavet 1865, Novi zavet 1847): javno dobro, moduli "
        "SrKDEkavski i SrKDIjekav 1.0 (2017-06-18).<br>"
        "World English Bible (engWEB2015eb, eBible.org): javno dobro; „World English Bible“ je "
        "zaštićeni znak eBible.org.<br>"
        "King James Version (1769, engKJV2006eb): javno dobro; u Ujedinjenom Kraljevstvu pravo "
        "štampanja pripada Kruni.<br>"
        "Unakrsne reference: OpenBible.info (CC BY), "
        "https://www.openbible.info/labs/cross-references/</p>");
    if (!homepage.isEmpty())
        text +=
            QStringLiteral("<p>Ovaj program je preuzet sa %1</p>").arg(homepage.toHtmlEscaped());
    return text;
}

TfOProgramu::TfOProgramu(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fOProgramu"));
    setWindowTitle(QStringLiteral("O programu"));
    setMinimumWidth(520);
    LabelTekst = new QLabel(
        AboutText(QString::fromUtf8(ProgramVersion), QString::fromUtf8(ProgramHomepage)), this);
    LabelTekst->setObjectName(QStringLiteral("LabelTekst"));
    LabelTekst->setWordWrap(true);
    LabelTekst->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BtnZatvori = new QPushButton(QStringLiteral("Zatvori"), this);
    BtnZatvori->setObjectName(QStringLiteral("BtnZatvori"));
    BtnZatvori->setDefault(true);
    connect(BtnZatvori, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnZatvori);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelTekst);
    layout->addLayout(buttons);
}
