// The entries the reminder list takes from verse and reference labels.
#include "Kvlabel.h"
#include "ReminderEntry.h"

#include <QtTest>

class ReminderEntryTest : public QObject {
    Q_OBJECT

    static void Place(TKvlabel& label, const QString& knjiga, const QString& glava,
                      const QString& rbr) {
        label.Knjiga = knjiga;
        label.Glava = glava;
        label.Rbr = rbr;
    }

private slots:
    void referenceLabelGivesItsReference() {
        TKvlabel label;
        label.setVrsta(Pok1);
        label.setTekst("1 MOJ 10:5,");
        // The verse the reference stands under plays no part.
        Place(label, "RIM", "3", "7");
        QCOMPARE(PaneLabelEntry(label), QString("1 MOJ 10:5"));
    }

    void verseLabelGivesItsOwnPlace() {
        TKvlabel label;
        label.setVrsta(Tekst1);
        label.setTekst("7. Jer svi sagrešiše");
        Place(label, QStringLiteral("PRIčE"), "3", "7");
        QCOMPARE(PaneLabelEntry(label), QStringLiteral("PRIčE 3:7"));
        QCOMPARE(VerseLabelEntry(label), QStringLiteral("PRIčE 3:7"));
    }

    void resultHeadingGivesItsPlace() {
        TKvlabel label;
        label.setVrsta(Knjiga1);
        label.setTekst("1 MOJ 10:5");
        Place(label, "1 MOJ", "10", "5");
        QCOMPARE(VerseLabelEntry(label), QString("1 MOJ 10:5"));
        QCOMPARE(PaneLabelEntry(label), QString("1 MOJ 10:5"));
    }

    void textRules() {
        QCOMPARE(ReferenceEntry("MAT 1:1,"), QString("MAT 1:1"));
        QCOMPARE(ReferenceEntry(","), QString());
        QCOMPARE(ReferenceEntry(""), QString());
        QCOMPARE(VerseEntry("1 MOJ", "10", "5"), QString("1 MOJ 10:5"));
    }

    void entryMovesBetweenNumberings() {
        const auto kjv = Numbering::Kjv, sr = Numbering::Danicic;
        QCOMPARE(EntryInNumbering("JONA 2:1", kjv, sr), QString("JONA 2:2"));
        QCOMPARE(EntryInNumbering("1 SAM 24:1", sr, kjv), QString("1 SAM 23:29"));
        // A text that is no single place stays as it is.
        QCOMPARE(EntryInNumbering("JONA 2:1-3", kjv, sr), QString("JONA 2:1-3"));
        QCOMPARE(EntryInNumbering("JONA", kjv, sr), QString("JONA"));
    }
};

QTEST_MAIN(ReminderEntryTest)
#include "tst_reminderentry.moc"
