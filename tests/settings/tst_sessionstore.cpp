#include "SessionStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The session kept between runs, without any window.
class TestSessionStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("config/vidoslov.ini")); }

    static SessionState Full() {
        SessionState s;
        s.bookCode = QStringLiteral("43");
        s.activePane = 2;
        for (int p = 1; p <= PaneCount; ++p) {
            PaneEntry& e = s.panes[p];
            e.file = QStringLiteral("prevod%1.db").arg(p);
            e.table = QStringLiteral("t%1").arg(p);
            e.caption = QStringLiteral("  Prevod %1").arg(p);
            s.paneBooks[p] = QStringLiteral("%1").arg(40 + p);
            e.chapter = p + 2;
            e.verse = p * 5;
            e.linked = p == 3;
            e.textFont = {QStringLiteral("Liberation Serif"), 14 + p, fsItalic, clRed, 238};
            e.refFont = {QStringLiteral("DejaVu Sans"), 9, fsBold | fsUnderline, clLime, 238};
            e.color = static_cast<TColor>(0x00C0FFEE + p);
            e.zoom = p - 2;
            e.references = ReferenceMode(p - 1);
        }
        s.windowGeometry = QByteArray("\x01\x02geometry\0\xff", 12);
        s.maximized = true;
        s.splitterState = QByteArray("\x00\x10panes", 7);
        s.searchTranslation = QStringLiteral("kjv.db");
        s.searchDiacritics = true;
        s.hasReminderPlace = true;
        s.reminderPlace = QPoint(640, 12);
        s.appearance = Appearance::HighContrast;
        return s;
    }
    static void Compare(const SessionState& a, const SessionState& b) {
        QCOMPARE(a.bookCode, b.bookCode);
        QCOMPARE(a.activePane, b.activePane);
        for (int p = 1; p <= PaneCount; ++p) {
            const PaneEntry &x = a.panes[p], &y = b.panes[p];
            QCOMPARE(x.file, y.file);
            QCOMPARE(x.table, y.table);
            QCOMPARE(x.caption, y.caption);
            QCOMPARE(a.paneBooks[p], b.paneBooks[p]);
            QCOMPARE(x.chapter, y.chapter);
            QCOMPARE(x.verse, y.verse);
            QCOMPARE(x.linked, y.linked);
            QVERIFY(x.textFont == y.textFont);
            QVERIFY(x.refFont == y.refFont);
            QCOMPARE(x.color, y.color);
            QCOMPARE(x.zoom, y.zoom);
            QCOMPARE(x.references, y.references);
        }
        QCOMPARE(a.windowGeometry, b.windowGeometry);
        QCOMPARE(a.maximized, b.maximized);
        QCOMPARE(a.splitterState, b.splitterState);
        QCOMPARE(a.searchTranslation, b.searchTranslation);
        QCOMPARE(a.searchDiacritics, b.searchDiacritics);
        QCOMPARE(a.hasReminderPlace, b.hasReminderPlace);
        QCOMPARE(a.reminderPlace, b.reminderPlace);
        QCOMPARE(a.appearance, b.appearance);
    }

private slots:
    void roundTripKeepsEveryItem() {
        QVERIFY(SaveSessionFile(path(), Full()));
        SessionState read;
        QVERIFY(LoadSessionFile(path(), read));
        Compare(read, Full());
    }

    void missingTranslationEmptiesOnlyItsPane() {
        SessionState s = Full();
        DropMissing(
            s, [](const QString& file) { return file != QLatin1String("prevod2.db"); },
            [](const QString&) { return true; });
        QVERIFY(s.panes[2].file.isEmpty());
        QCOMPARE(s.panes[2].chapter, 0);
        QCOMPARE(s.panes[2].caption, QStringLiteral("Osnovnik"));
        QCOMPARE(s.panes[1].chapter, 3);
        QCOMPARE(s.panes[2].zoom, 0); // the rest of the pane comes back
        QCOMPARE(s.bookCode, QStringLiteral("43"));
        DropMissing(
            s, [](const QString&) { return true; },
            [](const QString& code) { return code != QLatin1String("41"); });
        QCOMPARE(s.panes[1].chapter, 0);
        QVERIFY(s.paneBooks[1].isEmpty());
        QCOMPARE(s.panes[3].chapter, 5);
    }

    void damagedFileGivesDefaultsAndIsReplaced_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00[[[=\x01\x02\n\x00zz", 14);
        QTest::newRow("wrong values") << QByteArray("version=1\nactivePane=x\n[pane1]\n"
                                                    "chapter=-4\nzoom=900\ntextSize=abc\n");
        QTest::newRow("empty") << QByteArray();
    }
    void damagedFileGivesDefaultsAndIsReplaced() {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        SessionState read;
        LoadSessionFile(path(), read);
        Compare(read, SessionState{});
        QVERIFY(SaveSessionFile(path(), Full()));
        QVERIFY(LoadSessionFile(path(), read));
        Compare(read, Full());
    }

    void unwritableFolderFails() {
        // A folder that cannot be made: a file stands in its place.
        QFile blocker(dir_.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!SaveSessionFile(dir_.filePath(QStringLiteral("blocker/vidoslov.ini")), Full()));
    }
};

QTEST_GUILESS_MAIN(TestSessionStore)
#include "tst_sessionstore.moc"
