#include "ReaderState.h"

#include "Errors.h"

#include <QSignalSpy>
#include <QtTest>

class TestReaderState : public QObject {
    Q_OBJECT
private slots:
    void showPlaceMovesLinkedPanes();
    void activePaneChangeIsSignalled();
    void linkedPanesAgreeAcrossNumberings_data();
    void linkedPanesAgreeAcrossNumberings();
    void referenceMovesActivePane();
};

void TestReaderState::showPlaceMovesLinkedPanes() {
    TReaderState state;
    state.SetLinked(1, true);
    state.SetChapter(2, 7);
    QSignalSpy changed(&state, &TReaderState::changed);
    state.ShowPlace(3, QStringLiteral("MAT"), 5, 8);
    QCOMPARE(state.BookCode(), QStringLiteral("MAT"));
    QCOMPARE(state.ActivePane(), 3);
    QCOMPARE(state.Chapter(3), 5);
    QCOMPARE(state.Verse(3), 8);
    // Pane 1 follows, pane 2 is not linked and keeps its place.
    QCOMPARE(state.Chapter(1), 5);
    QCOMPARE(state.Verse(1), 8);
    QCOMPARE(state.Chapter(2), 7);
    QVERIFY(changed.count() >= 3);
    QCOMPARE(state.FollowActive(), QList<int>{1});
}

void TestReaderState::activePaneChangeIsSignalled() {
    TReaderState state;
    QSignalSpy active(&state, &TReaderState::activePaneChanged);
    state.SetActivePane(2);
    state.SetActivePane(2);
    state.SetActivePane(7); // anything but 1 or 2 is the middle pane
    QCOMPARE(active.count(), 2);
    QCOMPARE(active.at(0).at(0).toInt(), 2);
    QCOMPARE(active.at(1).at(0).toInt(), 3);
}

void TestReaderState::linkedPanesAgreeAcrossNumberings_data() {
    QTest::addColumn<QString>("book");
    QTest::addColumn<bool>("fromKjv"); // the active pane numbers as the KJV
    QTest::addColumn<QPoint>("from");  // chapter, verse
    QTest::addColumn<QPoint>("to");    // in the linked pane of the other numbering
    QTest::newRow("Jonah 1:17") << "JONA" << true << QPoint(1, 17) << QPoint(2, 1);
    QTest::newRow("Jonah 2:1") << "JONA" << false << QPoint(2, 1) << QPoint(1, 17);
    QTest::newRow("Job 41:1") << "JOV" << true << QPoint(41, 1) << QPoint(40, 20);
    QTest::newRow("Job 40:20") << "JOV" << false << QPoint(40, 20) << QPoint(41, 1);
    QTest::newRow("split 1 Sam 20:43") << "1 SAM" << false << QPoint(20, 43) << QPoint(20, 42);
    QTest::newRow("merged Acts 19:41") << "DELA" << true << QPoint(19, 41) << QPoint(19, 40);
    QTest::newRow("no rule") << "MAT" << true << QPoint(12, 40) << QPoint(12, 40);
}

void TestReaderState::linkedPanesAgreeAcrossNumberings() {
    QFETCH(QString, book);
    QFETCH(bool, fromKjv);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    TReaderState state;
    int reads = 0;
    state.SetNumberingSource([&](const QString& file) {
        ++reads;
        return file == QStringLiteral("sr.mdb") ? Numbering::Danicic : Numbering::Kjv;
    });
    // Panes 1 and 3 the Serbian text, pane 2 the KJV, named as the list pads them; all linked.
    for (int p = 1; p <= PaneCount; ++p) {
        state.SetTranslation(p, p == 2 ? QStringLiteral("kjv.mdb   ") : QStringLiteral("sr.mdb   "),
                             QString());
        state.SetLinked(p, true);
    }
    QCOMPARE(state.Pane(1).numbering, Numbering::Danicic);
    const int active = fromKjv ? 2 : 1, other = fromKjv ? 1 : 2;
    reads = 0;
    state.ShowPlace(active, book, from.x(), from.y());
    QCOMPARE(QPoint(state.Chapter(other), state.Verse(other)), to);
    // A pane of the active one's numbering takes its place as it is.
    state.SetTranslation(3, state.Pane(active).file, QString());
    state.FollowActive();
    QCOMPARE(QPoint(state.Chapter(3), state.Verse(3)), from);
    QCOMPARE(reads, 1); // the numbering is read when the translation is set, not on following
}

void TestReaderState::referenceMovesActivePane() {
    TReaderState state;
    state.SetActivePane(2); // numbered as the KJV
    state.SetActiveReference(QStringLiteral("JONA 2:1"), Numbering::Danicic);
    QCOMPARE(state.BookCode(), QStringLiteral("JONA"));
    QCOMPARE(QPoint(state.Chapter(2), state.Verse(2)), QPoint(1, 17));
    // A text that is no reference, or names no known book, leaves the place as it was.
    QVERIFY_THROWS_EXCEPTION(ConvertError, state.SetActiveReference("beleška", Numbering::Kjv));
    QVERIFY_THROWS_EXCEPTION(AppError, state.SetActiveReference("XYZ 3:4", Numbering::Kjv));
    QCOMPARE(state.BookCode(), QStringLiteral("JONA"));
    QCOMPARE(QPoint(state.Chapter(2), state.Verse(2)), QPoint(1, 17));
}

QTEST_GUILESS_MAIN(TestReaderState)
#include "tst_readerstate.moc"
