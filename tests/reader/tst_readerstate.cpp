#include "ReaderState.h"

#include <QSignalSpy>
#include <QtTest>

class TestReaderState : public QObject {
    Q_OBJECT
private slots:
    void showPlaceMovesLinkedPanes();
    void activePaneChangeIsSignalled();
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

QTEST_GUILESS_MAIN(TestReaderState)
#include "tst_readerstate.moc"
