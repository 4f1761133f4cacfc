#include "BookCatalogue.h"
#include "Kvlabel.h"
#include "PaneMenu.h"
#include "ScrollBox.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

bool IsInk(QRgb pixel, const QColor& background) {
    const QColor c(pixel);
    return std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
               std::abs(c.blue() - background.blue()) >
           90;
}

// The bounding box of the pixels of an area that differ from its background.
QRect InkBox(const QImage& image, const QRect& area, const QColor& background) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y), background))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Rendered(QMenu& menu) {
    menu.adjustSize();
    QImage image(menu.size(), QImage::Format_RGB32);
    image.fill(Qt::red);
    menu.render(&image);
    return image;
}

} // namespace

class TestPaneMenu : public QObject {
    Q_OBJECT
private slots:
    void captionsKeepTheirBlanks();
    void bookItemsFillBothTestaments();
    void paneComesFromTheBoxOrTheLabelsBox();
    void captionsStayAsSet();
    void itemsAreDrawnFromTheirTopLeftCorner();
    void selectedItemIsHighlightedWholeAndArrowsStay();
    void drawingIsClippedToTheItem();
};

void TestPaneMenu::captionsKeepTheirBlanks() {
    QCOMPARE(InsertItemCaption, QStringLiteral("Ubaci u podsetnik") + QString(27, ' '));
    QCOMPARE(BookItemCaption(1, QStringLiteral("Prva")),
             QStringLiteral("  Prva") + QString(14, ' '));
    QCOMPARE(BookItemCaption(40, QStringLiteral("Matej")),
             QStringLiteral("  Matej") + QString(66, ' '));
    QCOMPARE(BookItemCaption(2, QStringLiteral("Druga")), QStringLiteral("  Druga"));
    QCOMPARE(BookItemCaption(39, QStringLiteral("Malahija")), QStringLiteral("  Malahija"));
    QCOMPARE(TranslationItemCaption(QStringLiteral("KJV")),
             QStringLiteral("  KJV") + QString(10, ' '));
    QCOMPARE(TranslationItemCaption(QString()), QString(12, ' '));
    QCOMPARE(TranslationMenuCaption(QStringLiteral("Osnovnik")),
             QStringLiteral("Prevod :Osnovnik      "));
    // A pane switched to a translation stores two more blanks before the item's caption.
    QCOMPARE(TranslationMenuCaption(QStringLiteral("  ") + TranslationItemCaption("KJV")),
             QStringLiteral("Prevod :    KJV") + QString(16, ' '));
}

void TestPaneMenu::bookItemsFillBothTestaments() {
    BookCatalogue catalogue;
    catalogue.FillBookCatalogue();
    QAction* items[BookCatalogue::BookCount + 1] = {};
    QObject owner;
    QMenu oldTestament, newTestament;
    QList<QAction*> clicked;
    BuildBookItems(catalogue, items, &owner, &oldTestament, &newTestament,
                   [&](QAction* item) { clicked << item; });
    QCOMPARE(oldTestament.actions().size(), 39);
    QCOMPARE(newTestament.actions().size(), 27);
    for (int i = 1; i <= 66; ++i) {
        QAction* item = items[i];
        QVERIFY(item);
        QCOMPARE(item->parent(), &owner);
        QCOMPARE(item->text(), BookItemCaption(i, catalogue.BookTitles[i]));
        // The trimmed caption finds the book again.
        QCOMPARE(catalogue.BookCodeOfTitle(item->text().trimmed()), catalogue.BookCodes[i]);
    }
    QCOMPARE(oldTestament.actions().first(), items[1]);
    QCOMPARE(oldTestament.actions().last(), items[39]);
    QCOMPARE(newTestament.actions().first(), items[40]);
    QCOMPARE(newTestament.actions().last(), items[66]);
    items[20]->trigger();
    QCOMPARE(clicked, QList<QAction*>{items[20]});
}

void TestPaneMenu::paneComesFromTheBoxOrTheLabelsBox() {
    QWidget host;
    TScrollBox* boxes[4] = {};
    for (int p = 1; p <= 3; ++p) {
        boxes[p] = new TScrollBox(&host);
        boxes[p]->setObjectName(QStringLiteral("SB%1").arg(p));
        boxes[p]->Tag = p;
    }
    auto* left = new TKvlabel(boxes[1]->widget());
    auto* right = new TKvlabel(boxes[2]->widget());
    auto* middle = new TKvlabel(boxes[3]->widget());
    QCOMPARE(PaneOfComponent(boxes[1]), 1);
    QCOMPARE(PaneOfComponent(boxes[2]), 2);
    QCOMPARE(PaneOfComponent(boxes[3]), 3);
    QCOMPARE(PaneOfComponent(left), 1);
    QCOMPARE(PaneOfComponent(right), 2);
    QCOMPARE(PaneOfComponent(middle), 3);
    // Anything else counts as the middle pane.
    QCOMPARE(PaneOfComponent(nullptr), 3);
    QCOMPARE(PaneOfComponent(&host), 3);
    QCOMPARE(PaneOfComponent(new TKvlabel(&host)), 3);
}

void TestPaneMenu::captionsStayAsSet() {
    // Captions long enough that the menus are wider than the toolkit's least width.
    const QString plain = QStringLiteral("  Ab") + QString(40, ' ');
    const QString marked = QStringLiteral("  A&b") + QString(40, ' ');
    QMenu narrow, withMark, blanks;
    for (QMenu* menu : {&narrow, &withMark, &blanks})
        SetOwnerDraw(menu);
    QAction* a = narrow.addAction(plain);
    QAction* b = withMark.addAction(marked);
    blanks.addAction(plain + QString(40, ' '));
    QCOMPARE(a->text(), plain);
    QCOMPARE(b->text(), marked);
    // Trailing blanks and an "&" widen the menu by their width in the menu's font.
    const QFontMetrics fm(narrow.font());
    QVERIFY(qAbs(blanks.sizeHint().width() - narrow.sizeHint().width() -
                 fm.horizontalAdvance(QString(40, ' '))) <= 2);
    QVERIFY(qAbs(withMark.sizeHint().width() - narrow.sizeHint().width() -
                 (fm.horizontalAdvance(marked) - fm.horizontalAdvance(plain))) <= 2);

    // The "&" is drawn, not taken as a mark.
    const QImage withAmp = Rendered(withMark);
    const QImage without = Rendered(narrow);
    const QColor back = MenuBackground(narrow.palette());
    const QRect itemRect = narrow.actionGeometry(a);
    QVERIFY(InkBox(withAmp, itemRect, back).width() - InkBox(without, itemRect, back).width() >=
            QFontMetrics(MenuItemFont()).horizontalAdvance('&') - 2);

    // A typed letter does not trigger an item with that letter marked.
    QSignalSpy triggered(b, &QAction::triggered);
    withMark.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&withMark));
    QTest::keyClick(&withMark, Qt::Key_B);
    QCOMPARE(triggered.count(), 0);
    withMark.close();
}

void TestPaneMenu::itemsAreDrawnFromTheirTopLeftCorner() {
    QMenu menu;
    SetOwnerDraw(&menu);
    QAction* item = menu.addAction(QStringLiteral("Podsetnik"));
    menu.addAction(QStringLiteral("Promena boje"));
    const QImage image = Rendered(menu);
    const QRect rect = menu.actionGeometry(item);
    const QColor back = MenuBackground(menu.palette());
    // The item stands on the menu background, corner to corner.
    QCOMPARE(QColor(image.pixel(rect.topLeft())), back);
    QCOMPARE(QColor(image.pixel(rect.bottomRight())), back);
    const QRect ink = InkBox(image, rect, back);
    QVERIFY(!ink.isEmpty());
    // No check mark or icon column: the "P" starts at the item's left edge.
    QVERIFY2(ink.left() - rect.left() <= 2, qPrintable(QString::number(ink.left() - rect.left())));
    // Written from the top: the capital's top is the font's internal leading below it.
    const QFontMetrics fm(MenuItemFont());
    QVERIFY(ink.top() - rect.top() <= fm.ascent() - fm.capHeight() + 2);
    QCOMPARE(QColor(image.pixel(ink.topLeft() + QPoint(0, 1))).value() < 128, true);

    // The toolkit alone leaves room on the left.
    QMenu toolkit;
    QAction* plain = toolkit.addAction(QStringLiteral("Podsetnik"));
    const QImage theirs = Rendered(toolkit);
    const QRect plainRect = toolkit.actionGeometry(plain);
    const QRect plainInk =
        InkBox(theirs, plainRect.adjusted(1, 1, -1, -1),
               QColor(theirs.pixel(plainRect.center().x(), plainRect.top() + 1)));
    QVERIFY(plainInk.left() - plainRect.left() > ink.left() - rect.left());
}

void TestPaneMenu::selectedItemIsHighlightedWholeAndArrowsStay() {
    QMenu menu;
    SetOwnerDraw(&menu);
    QAction* first = menu.addAction(InsertItemCaption);
    QMenu* sub = menu.addMenu(QStringLiteral("Stari zavet"));
    sub->addAction(QStringLiteral("  Knjiga"));
    QAction* subItem = sub->menuAction();
    menu.popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(first);
    const QImage image = Rendered(menu);
    menu.close();

    const QColor highlight = menu.palette().color(QPalette::Highlight);
    const QColor back = MenuBackground(menu.palette());
    const QRect selected = menu.actionGeometry(first);
    for (QPoint corner :
         {selected.topLeft(), selected.topRight(), selected.bottomLeft(), selected.bottomRight()})
        QCOMPARE(QColor(image.pixel(corner)), highlight);
    QVERIFY(!InkBox(image, selected, highlight).isEmpty());
    // The submenu item: text at the left, the toolkit's arrow at the right, nothing between.
    const QRect rect = menu.actionGeometry(subItem);
    QCOMPARE(QColor(image.pixel(rect.topLeft())), back);
    const int textEnd =
        rect.left() + QFontMetrics(MenuItemFont()).horizontalAdvance(QStringLiteral("Stari zavet"));
    const QRect text =
        InkBox(image, QRect(rect.left(), rect.top(), textEnd + 2, rect.height()), back);
    const QRect middle = InkBox(
        image, QRect(textEnd + 4, rect.top(), rect.right() - 20 - textEnd, rect.height()), back);
    const QRect arrow =
        InkBox(image, QRect(rect.right() - 15, rect.top(), 16, rect.height()), back);
    QVERIFY(!text.isEmpty());
    QVERIFY(text.left() - rect.left() <= 2);
    QVERIFY(middle.isEmpty());
    QVERIFY(!arrow.isEmpty());
}

void TestPaneMenu::drawingIsClippedToTheItem() {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::green);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Highlight, Qt::blue);
    palette.setColor(QPalette::HighlightedText, Qt::yellow);
    const QRect rect(10, 20, 40, 8);
    {
        QPainter canvas(&image);
        DrawMenuItem(canvas, QStringLiteral("Knjiga proroka Jeremije"), rect, true, palette);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!rect.contains(x, y))
                QCOMPARE(QColor(image.pixel(x, y)), QColor(Qt::green));
    // Selected: the highlight behind the highlight-text colour.
    QCOMPARE(QColor(image.pixel(rect.topLeft())), QColor(Qt::blue));
    bool textColour = false;
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            textColour = textColour || QColor(image.pixel(x, y)) == QColor(Qt::yellow);
    QVERIFY(textColour);
    QCOMPARE(MenuItemFont().family(), QStringLiteral("Arial"));
    QCOMPARE(MenuItemFont().pointSize(), 9);
    QVERIFY(!MenuItemFont().bold() && !MenuItemFont().italic() && !MenuItemFont().underline());
}

QTEST_MAIN(TestPaneMenu)
#include "tst_panemenu.moc"
