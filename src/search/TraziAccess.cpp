// What a screen reader hears of the search dialog's controls.
#include "Trazi.h"

#include "KvTranBtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

void Name(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

void TfTrazi::NameControls() {
    const QString enter = QStringLiteral("Enter dodaje reč u spisak ispod");
    const QString list = QStringLiteral("Delete briše izabranu reč");
    Name(EditRecAnd, QStringLiteral("Mora da postoji u stihu"), enter);
    Name(ListBoxAND, QStringLiteral("Reči koje moraju da postoje"), list);
    Name(EditRecOR, QStringLiteral("Bar jedna mora da postoji u stihu"), enter);
    Name(ListBoxOR, QStringLiteral("Reči od kojih bar jedna mora da postoji"), list);
    Name(EditNeke, QStringLiteral("Ne sme da postoji u stihu"), enter);
    Name(ListBoxNeke, QStringLiteral("Reči koje ne smeju da postoje"), list);
    Name(CheckBoxStari, QStringLiteral("Ceo Stari zavet"), QString());
    Name(ListBoxStari, QStringLiteral("Knjige Starog zaveta"),
         QStringLiteral("Razmaknica označava knjigu u kojoj se traži"));
    Name(CheckBoxNovi, QStringLiteral("Ceo Novi zavet"), QString());
    Name(ListBoxNovi, QStringLiteral("Knjige Novog zaveta"),
         QStringLiteral("Razmaknica označava knjigu u kojoj se traži"));
    Name(CheckBoxKvacice, QStringLiteral("Bez obzira na kvačice"),
         QStringLiteral("Traži i bez kvačica i u oba pisma"));
    Name(ComboPrevod, QStringLiteral("Traži u prevodu"), QString());
    Name(BtnTrazi, QStringLiteral("Traži"), QStringLiteral("Pokreće pretragu"));
    // Reached by Tab and worked by Space or Enter, as the reader's buttons are.
    BtnTrazi->setFocusPolicy(Qt::StrongFocus);
}
