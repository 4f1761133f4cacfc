#include "CopyText.h"
#include "ReaderState.h"

#include <QtTest>

class TestCopyText : public QObject {
    Q_OBJECT
private slots:
    void verseAndChapter();
    void translationName();
    void heading();
};

void TestCopyText::verseAndChapter() {
    const QString translation = QStringLiteral("Daničić-Karadžić, ekavski (latinica)");
    QCOMPARE(VerseCopyText(QStringLiteral("Prva knjiga Mojsijeva"), "1",
                           {"1", QStringLiteral("U početku stvori Bog nebo i zemlju. ")},
                           translation),
             QStringLiteral("Prva knjiga Mojsijeva 1:1 — U početku stvori Bog nebo i zemlju. "
                            "(Daničić-Karadžić, ekavski (latinica))"));
    QCOMPARE(ChapterCopyText(QStringLiteral("Knjiga proroka Joila"), "2",
                             {{"1", "Prvi stih."}, {"2", "Drugi stih."}}, "WEB"),
             QStringLiteral("Knjiga proroka Joila 2 (WEB)\n1. Prvi stih.\n2. Drugi stih.\n"));
}

void TestCopyText::translationName() {
    const QList<TranslationEntry> list = {
        {QStringLiteral("vidl.mdb            "), QStringLiteral("Ekavski")},
        {QStringLiteral("web.mdb             "), QStringLiteral("World English Bible")}};
    QCOMPARE(TranslationName("Osnovnik", list), "Ekavski");
    QCOMPARE(TranslationName("Osnovnik", {}), "Osnovnik");
    QCOMPARE(TranslationName("    World English Bible          ", list), "World English Bible");
    QCOMPARE(CaptionOfFile("WEB.mdb", list), "World English Bible");
    QCOMPARE(CaptionOfFile("kjv.mdb", list), QString());
}

void TestCopyText::heading() {
    QCOMPARE(PaneHeading(QStringLiteral("Sveto jevanđenje po Mateju"), 6),
             QStringLiteral("Sveto jevanđenje po Mateju 6"));
    QCOMPARE(PaneHeading(QString(), 6), QString());
}

QTEST_GUILESS_MAIN(TestCopyText)
#include "tst_copytext.moc"
