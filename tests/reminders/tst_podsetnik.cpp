// The reminder window: its list, "Pokaži", the file commands and the tiled surface.
#include "Errors.h"
#include "IzborFile.h"
#include "KvTranBtn.h"
#include "Messages.h"
#include "Pictures.h"
#include "Podsetnik.h"
#include "ReaderState.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class PodsetnikTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList messages;
    MessageHandler previousHandler;

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A reader for the window, noting the active pane's place after each show as a reference.
    struct Reader {
        TReaderState state;
        QStringList shown;
        explicit Reader(TfPodsetnik& f) {
            state.SetNumberingSource([](const QString&) { return Numbering::Kjv; });
            f.setReader(&state, [this] {
                const int p = state.ActivePane();
                shown << QStringLiteral("%1 %2:%3")
                             .arg(state.BookCode())
                             .arg(state.Chapter(p))
                             .arg(state.Verse(p));
            });
        }
    };

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase() {
        previousHandler = SetMessageHandler([this](const QString& text) { messages << text; });
    }
    void cleanupTestCase() { SetMessageHandler(previousHandler); }
    void init() { messages.clear(); }

    void windowAndComponents() {
        TfPodsetnik f;
        QCOMPARE(f.windowTitle(), QString("Vidoslov podsetnik"));
        QVERIFY(f.windowFlags().testFlag(Qt::Tool));
        QCOMPARE(f.size(), QSize(413, 522));
        QCOMPARE(f.List()->geometry(), QRect(0, 0, 254, 518));
        QCOMPARE(f.List()->count(), 0);
        QCOMPARE(f.ShowButton()->geometry(), QRect(288, 204, 122, 50));
        QCOMPARE(f.ShowButton()->Caption(), QStringLiteral("Pokaži"));
        QCOMPARE(f.ShowButton()->font().pixelSize(), 16);
        QCOMPARE(f.ShowButton()->ColorOut, clNavy);
        QCOMPARE(f.CloseButton()->geometry(), QRect(312, 488, 98, 30));
        QCOMPARE(f.CloseButton()->Caption(), QString("Zatvori"));
        QCOMPARE(f.Picture()->geometry(), QRect(284, 64, 77, 57));

        for (QFileDialog* d : {f.OD1(), f.SD1()}) {
            QCOMPARE(d->nameFilters(), QStringList{"Izbor (*.Izbor)"});
            QVERIFY(d->testOption(QFileDialog::HideNameFilterDetails));
            QCOMPARE(d->defaultSuffix(), QString("Izbor"));
        }
        QCOMPARE(f.OD1()->windowTitle(), QString("Ucitaj"));
        QCOMPARE(f.OD1()->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(f.SD1()->windowTitle(), QString("Snimi"));
        QCOMPARE(f.SD1()->acceptMode(), QFileDialog::AcceptSave);

        const QList<QAction*> items = f.Menu()->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->text(), QString("Snimi"));
        QCOMPARE(items[1]->text(), QString("Ucitaj"));
        QCOMPARE(items[2]->text(), QString("Vrati obrisano"));
    }

    void entriesAppendWithDuplicates() {
        TfPodsetnik f;
        f.AddEntry("RIM 3:7");
        f.AddEntry("1 MOJ 10:5");
        f.AddEntry("RIM 3:7");
        QCOMPARE(f.Entries(), (QStringList{"RIM 3:7", "1 MOJ 10:5", "RIM 3:7"}));
        QCOMPARE(f.SelectedIndex(), -1);
    }

    void doubleClickRemovesSelectedEntry() {
        TfPodsetnik f;
        f.SetEntries({"A 1:1", "B 2:2", "C 3:3", "D 4:4"});
        f.ListBoxPokDblClick(); // nothing selected
        QCOMPARE(f.Entries().size(), 4);

        f.List()->setCurrentRow(1);
        f.ListBoxPokDblClick();
        QCOMPARE(f.Entries(), (QStringList{"A 1:1", "C 3:3", "D 4:4"}));

        // Through the list itself: a double click on an item selects and removes it.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QRect r = f.List()->visualItemRect(f.List()->item(1));
        QTest::mouseClick(f.List()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.List()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(f.Entries(), (QStringList{"A 1:1", "D 4:4"}));
        // Nothing is left selected for "Pokaži" to show.
        QCOMPARE(f.SelectedIndex(), -1);
        Reader reader(f);
        QStringList& shown = reader.shown;
        f.BtnpokaziClick();
        QVERIFY(shown.isEmpty());
    }

    void pokaziShowsSelectedEntry() {
        TfPodsetnik f;
        Reader reader(f);
        QStringList& shown = reader.shown;
        f.SetEntries({"1 MOJ 10:5", "RIM 3:7"});

        f.BtnpokaziClick(); // nothing selected
        QVERIFY(shown.isEmpty());

        f.List()->setCurrentRow(1);
        f.BtnpokaziClick();
        QCOMPARE(shown, QStringList{"RIM 3:7"});
        QCOMPARE(f.Entries().size(), 2);

        // The button itself.
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.List()->setCurrentRow(0);
        QTest::mouseClick(f.ShowButton(), Qt::LeftButton, {}, QPoint(60, 25));
        QTRY_COMPARE(shown, (QStringList{"RIM 3:7", "1 MOJ 10:5"}));
        QVERIFY(!f.ShowButton()->Pushed());
        QVERIFY(f.isVisible());

        // Enter on an entry shows it; Escape closes the window.
        f.List()->setFocus();
        QTest::keyClick(f.List(), Qt::Key_Return);
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown.last(), QStringLiteral("1 MOJ 10:5"));
        QTest::keyClick(f.List(), Qt::Key_Escape);
        QVERIFY(!f.isVisible());
    }

    void pokaziLetsConversionErrorsThrough() {
        TfPodsetnik f;
        Reader reader(f);
        f.SetEntries({"neka beleška", "RIM 3:7"});
        f.List()->setCurrentRow(0);
        QVERIFY_THROWS_EXCEPTION(ConvertError, f.BtnpokaziClick());
        QCOMPARE(f.Entries(), (QStringList{"neka beleška", "RIM 3:7"}));
        QCOMPARE(f.SelectedIndex(), 0);

        // Without a reader nothing happens.
        TfPodsetnik g;
        g.SetEntries({"RIM 3:7"});
        g.List()->setCurrentRow(0);
        g.BtnpokaziClick();
    }

    void zatvoriHidesAndKeepsList() {
        TfPodsetnik f;
        f.ShowAt(-50, 1);
        QVERIFY(f.isVisible());
        QCOMPARE(f.pos(), QPoint(1, 1));
        f.SetEntries({"A 1:1", "B 2:2"});
        f.BtnNazadClick();
        QVERIFY(!f.isVisible());
        f.show();
        QCOMPARE(f.Entries(), (QStringList{"A 1:1", "B 2:2"}));
    }

    void saveAndLoadRoundTrip() {
        TfPodsetnik f;
        const QStringList entries{"1 MOJ 10:5", QStringLiteral("PRIčE 3:4"), "", "1 MOJ 10:5"};
        const QStringList loaded{"1 MOJ 10:5", QStringLiteral("PRIčE 3:4"), "1 MOJ 10:5"};
        f.SetEntries(entries);
        const QString path = dir.filePath("krug.Izbor");
        QVERIFY(f.SaveToFile(path));
        QCOMPARE(Read(path), QByteArray("1 MOJ 10:5\r\nPRI\xe8"
                                        "E 3:4\r\n\r\n1 MOJ 10:5\r\n"));

        TfPodsetnik g;
        g.SetEntries({"stari 1:1", "stari 2:2"});
        QVERIFY(g.LoadFromFile(path));
        QCOMPARE(g.Entries(), loaded); // the empty line is skipped
        QVERIFY(messages.isEmpty());
    }

    void failedSaveTellsAndKeepsList() {
        TfPodsetnik f;
        f.SetEntries({"A 1:1"});
        const QString path = dir.filePath("nema/lista.Izbor");
        QVERIFY(!f.SaveToFile(path));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
        QCOMPARE(f.Entries(), QStringList{"A 1:1"});
    }

    // A file that cannot be read, or that no real list could be, is refused whole.
    void failedLoadTellsAndKeepsList_data() {
        QTest::addColumn<QByteArray>("bytes"); // "<missing>": no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray("<missing>") << "";
        QTest::newRow("larger than 10 MB")
            << QByteArray("RIM 3:7\r\n").repeated(MaxIzborFileBytes / 9 + 1) << "veća od 10 MB";
        QTest::newRow("overlong entry") << "A 1:1\r\n" + QByteArray(201, 'x') + "\r\n"
                                        << "red 2 je duži od 200 znakova";
    }
    void failedLoadTellsAndKeepsList() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TfPodsetnik f;
        f.SetEntries({"A 1:1", "B 2:2"});
        f.List()->setCurrentRow(1);
        const QString path = dir.filePath("ucitaj.Izbor");
        QFile::remove(path);
        if (bytes != "<missing>")
            Write(path, bytes);
        QVERIFY(!f.LoadFromFile(path));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)) &&
                     messages[0].contains(reason),
                 qPrintable(messages[0]));
        QCOMPARE(f.Entries(), (QStringList{"A 1:1", "B 2:2"}));
        QCOMPARE(f.SelectedIndex(), 1);
    }

    // The menu commands through their dialogs: a name typed without extension gets ".Izbor",
    // saving over an existing file asks first, cancelling does nothing.
    void fileCommandsThroughDialogs() {
        TfPodsetnik f;
        f.SetEntries({"A 1:1", "B 2:2"});
        const QString path = dir.filePath("dijalog.Izbor");
        Write(path, "STARO 1:1\r\n");

        QStringList asked;
        const auto save = [&](QMessageBox::StandardButton answer) {
            QTimer::singleShot(0, f.SD1(), [&, answer] {
                f.SD1()->setDirectory(dir.path());
                f.SD1()->selectFile("dijalog");
                QTimer::singleShot(0, f.SD1(), [&, answer] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    QVERIFY(box);
                    asked << box->text();
                    box->button(answer)->click();
                    if (answer == QMessageBox::No) // the dialog stays open for another name
                        QTimer::singleShot(0, f.SD1(), [&] { f.SD1()->reject(); });
                });
                static_cast<QDialog*>(f.SD1())->accept(); // the dialog's own accept
            });
            f.Snimi1Click();
        };
        save(QMessageBox::No);
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains("dijalog.Izbor"), qPrintable(asked[0]));
        QCOMPARE(Read(path), QByteArray("STARO 1:1\r\n"));
        save(QMessageBox::Yes);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(Read(path), QByteArray("A 1:1\r\nB 2:2\r\n"));

        TfPodsetnik g;
        g.SetEntries({"X 9:9"});
        QTimer::singleShot(0, g.OD1(), [&] { g.OD1()->reject(); });
        g.Ucitaj1Click();
        QCOMPARE(g.Entries(), QStringList{"X 9:9"});

        // The open dialog lists files only once its folder is read: type the name instead.
        QTimer::singleShot(0, g.OD1(), [&] {
            g.OD1()->setDirectory(dir.path());
            g.OD1()->findChild<QLineEdit*>("fileNameEdit")->setText("dijalog");
            static_cast<QDialog*>(g.OD1())->accept();
        });
        g.Ucitaj1Click();
        QCOMPARE(g.Entries(), (QStringList{"A 1:1", "B 2:2"}));
        QVERIFY(messages.isEmpty());
    }

    void menuOpensOnListAndSurface() {
        TfPodsetnik f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QContextMenuEvent onList(QContextMenuEvent::Mouse, QPoint(10, 10),
                                 f.List()->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(f.List()->viewport(), &onList);
        QVERIFY(f.Menu()->isVisible());
        f.Menu()->close();

        QContextMenuEvent onSurface(QContextMenuEvent::Mouse, QPoint(350, 400),
                                    f.mapToGlobal(QPoint(350, 400)));
        QApplication::sendEvent(&f, &onSurface);
        QVERIFY(f.Menu()->isVisible());
        f.Menu()->close();
    }

    void surfaceIsTiledFromOneOne() {
        TfPodsetnik f;
        QImage surface(f.size(), QImage::Format_RGB32);
        surface.fill(Qt::white);
        {
            QPainter painter(&surface);
            f.FormPaint(painter);
        }
        const QImage tile = BackgroundTile().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(tile.size(), QSize(160, 120));
        for (int y = 0; y < surface.height(); ++y)
            QCOMPARE(surface.pixel(0, y), qRgb(255, 255, 255));
        for (int x = 0; x < surface.width(); ++x)
            QCOMPARE(surface.pixel(x, 0), qRgb(255, 255, 255));
        for (const QPoint at : {QPoint(1, 1), QPoint(161, 121), QPoint(161, 361)})
            QCOMPARE(surface.copy(QRect(at, tile.size())), tile);
        // The last column and row hold the tile's cut edges.
        QCOMPARE(surface.pixel(412, 521), tile.pixel((412 - 1) % 160, (521 - 1) % 120));
    }
};

QTEST_MAIN(PodsetnikTest)
#include "tst_podsetnik.moc"
