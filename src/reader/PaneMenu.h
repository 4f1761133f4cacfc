#pragma once

#include <QProxyStyle>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPainter;
class QPalette;
class QRect;
class QWidget;
class BookCatalogue;

// The captions of the pane menu's items, exact: trailing blanks widen the menu.
inline const QString InsertItemCaption = QStringLiteral("Ubaci u podsetnik") + QString(27, ' ');
inline const QString ReminderItemCaption = QStringLiteral("Podsetnik");
inline const QString ColorItemCaption = QStringLiteral("Promena boje");
inline const QString PrintItemCaption = QStringLiteral("Štampanje");
inline const QString OldTestamentCaption = QStringLiteral("Stari zavet");
inline const QString NewTestamentCaption = QStringLiteral("Novi zavet");
inline const QString TranslationItemCaptionStart = QStringLiteral("Prevod :");
inline const QString CopyVerseItemCaption = QStringLiteral("Kopiraj stih");
inline const QString CopyChapterItemCaption = QStringLiteral("Kopiraj glavu");
// "Upućivanja: sva / prva tri / bez": the submenu of a pane's cross references.
inline const QString ReferencesItemCaption = QStringLiteral("Upućivanja:");
inline const QString ReferenceModeCaptions[] = {
    QStringLiteral("  sva"), QStringLiteral("  prva tri"), QStringLiteral("  bez")};

// A book item: two blanks and the title; the first book of each Testament carries further
// blanks, which set the least width of its submenu.
QString BookItemCaption(int book, const QString& title);
// A translation item: two blanks, the caption from the list file, ten blanks.
QString TranslationItemCaption(const QString& caption);
// The "Prevod :" item as it reads for a pane with this translation caption.
QString TranslationMenuCaption(const QString& paneCaption);

// The pane a menu opened on this component belongs to: 1 for SB1 or a label in it, 2 for SB2
// or a label in it, 3 for anything else.
int PaneOfComponent(const QWidget* component);

// Creates the 66 book items, owned by owner, into items[1..66]: 1..39 go to oldTestament,
// 40..66 to newTestament. A click on an item calls onClick with the item.
void BuildBookItems(const BookCatalogue& catalogue, QAction** items, QObject* owner,
                    QMenu* oldTestament, QMenu* newTestament,
                    const std::function<void(QAction*)>& onClick);

// The translation file name a translation item carries.
QString TranslationHint(const QAction* item);
void SetTranslationHint(QAction* item, const QString& fileName);

// Draws one menu item of the program's menus: the caption in Arial 9 points at the item's
// top-left corner, clipped, on the highlight colour when selected, else the menu background.
// A checked item is drawn in italics (it has no other mark).
void DrawMenuItem(QPainter& canvas, const QString& caption, const QRect& rect, bool selected,
                  const QPalette& palette, bool checked = false);
// The caption of a ticked item: the tick in place of the first blank of its indent.
QString TickedCaption(const QString& caption);
// The font the items are drawn in; italic for a checked item.
QFont MenuItemFont(bool checked = false);
// The menu background the items are drawn on, when not selected.
QColor MenuBackground(const QPalette& palette);

// The style of the owner-drawn menus: items drawn by DrawMenuItem, measured by the
// toolkit from their literal captions; submenu arrows are the toolkit's; "&" marks nothing.
class TOwnerDrawMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Gives a menu (not its submenus) the owner-drawn style.
void SetOwnerDraw(QMenu* menu);
