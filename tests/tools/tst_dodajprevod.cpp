// "Dodaj prevod": an import run through the importer, stopped half-way or completed.
#include "DodajPrevod.h"
#include "TranslationList.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

class TestDodajPrevod : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString user_;
    const QByteArray list_ = "stari.mdb           Stari\r\n";

    void prepare(TfDodajPrevod& w) {
        w.setImporter(QStringLiteral(UVOZ_PATH));
        w.setUserFolder(user_);
        if (!w.LoadInstalled() || w.ModuleList()->findText("engKJV2006eb", Qt::MatchStartsWith) < 0)
            QSKIP("the SWORD module engKJV2006eb is not installed");
        w.ModuleList()->setCurrentIndex(
            w.ModuleList()->findText("engKJV2006eb", Qt::MatchStartsWith));
    }

    QByteArray list() const {
        QFile f(user_ + QLatin1String(TranslationListFile));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        user_ = dir_.path() + "/user/";
        QDir(user_).removeRecursively();
        QVERIFY(QDir().mkpath(user_ + "baza"));
        QFile f(user_ + QLatin1String(TranslationListFile));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(list_);
    }

    void cancelledHalfWayLeavesNothing() {
        TfDodajPrevod w;
        prepare(w);
        QSignalSpy added(&w, &TfDodajPrevod::translationAdded);
        w.BtnUveziClick();
        QVERIFY(w.Importing());
        QTRY_VERIFY_WITH_TIMEOUT(w.Progress()->value() > 0, 30000);
        w.BtnOtkaziClick();
        QVERIFY(!w.Importing());
        QCOMPARE(added.size(), 0);
        QCOMPARE(list(), list_);
        QCOMPARE(QDir(user_ + "baza").entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(w.Progress()->value(), 0);
    }

    void completedImportIsListed() {
        TfDodajPrevod w;
        prepare(w);
        QCOMPARE(w.CaptionEdit()->text(), QStringLiteral("King James Version"));
        QSignalSpy added(&w, &TfDodajPrevod::translationAdded);
        w.BtnUveziClick();
        QVERIFY(added.wait(60000));
        QCOMPARE(w.ImportedFile(), QStringLiteral("engkjv2006eb.mdb"));
        const QList<TranslationEntry> entries = ReadTranslationFile(user_);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].fileName.trimmed(), w.ImportedFile());
        QCOMPARE(entries[1].caption, QStringLiteral("King James Version"));
    }
};

QTEST_MAIN(TestDodajPrevod)
#include "tst_dodajprevod.moc"
