#include "PaneMenu.h"

#include "BookCatalogue.h"
#include "Kvlabel.h"
#include "ScrollBox.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

QString BookItemCaption(int book, const QString& title) {
    QString caption = QStringLiteral("  ") + title;
    if (book == 1)
        caption += QString(14, ' ');
    else if (book == BookCatalogue::LastOldTestamentBook + 1)
        caption += QString(66, ' ');
    return caption;
}

QString TranslationItemCaption(const QString& caption) {
    return QStringLiteral("  ") + caption + QString(10, ' ');
}

QString TranslationMenuCaption(const QString& paneCaption) {
    return TranslationItemCaptionStart + paneCaption + QString(6, ' ');
}

int PaneOfComponent(const QWidget* component) {
    // A label lies on the inner widget of its pane's scroll box.
    const QWidget* box = nullptr;
    if (qobject_cast<const TKvlabel*>(component)) {
        for (const QWidget* w = component->parentWidget(); w && !box; w = w->parentWidget())
            if (qobject_cast<const TScrollBox*>(w))
                box = w;
    } else if (qobject_cast<const TScrollBox*>(component)) {
        box = component;
    }
    const int pane = box ? static_cast<const TScrollBox*>(box)->Tag : 0;
    return pane == 1 || pane == 2 ? pane : 3;
}

void BuildBookItems(const BookCatalogue& catalogue, QAction** items, QObject* owner,
                    QMenu* oldTestament, QMenu* newTestament,
                    const std::function<void(QAction*)>& onClick) {
    for (int i = 1; i <= BookCatalogue::BookCount; ++i) {
        auto* item = new QAction(BookItemCaption(i, catalogue.BookTitles[i]), owner);
        item->setObjectName(QStringLiteral("BookItem%1").arg(i));
        QObject::connect(item, &QAction::triggered, owner, [item, onClick] { onClick(item); });
        items[i] = item;
    }
    for (int i = 1; i <= BookCatalogue::BookCount; ++i)
        (i <= BookCatalogue::LastOldTestamentBook ? oldTestament : newTestament)
            ->addAction(items[i]);
}

QString TranslationHint(const QAction* item) {
    return item ? item->data().toString() : QString();
}

void SetTranslationHint(QAction* item, const QString& fileName) {
    item->setData(fileName);
}

QFont MenuItemFont(bool checked) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(false);
    font.setItalic(checked);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QColor MenuBackground(const QPalette& palette) {
    return palette.color(QPalette::Window);
}

void DrawMenuItem(QPainter& canvas, const QString& caption, const QRect& rect, bool selected,
                  const QPalette& palette, bool checked) {
    canvas.save();
    canvas.fillRect(rect, selected ? palette.color(QPalette::Highlight) : MenuBackground(palette));
    canvas.setFont(MenuItemFont(checked));
    canvas.setPen(selected ? palette.color(QPalette::HighlightedText)
                           : palette.color(QPalette::WindowText));
    canvas.setClipRect(rect, Qt::IntersectClip);
    // No mnemonic flag: an "&" is drawn as it stands.
    canvas.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    canvas.restore();
}

QString TickedCaption(const QString& caption) {
    const QString tick = QStringLiteral("\u2713");
    return caption.startsWith(QLatin1String("  ")) ? tick + caption.mid(1) : tick + caption;
}

namespace {

// The caption of a menu item option, without a shortcut the menu may have appended.
QString CaptionOf(const QStyleOptionMenuItem& item) {
    return item.text.section(QLatin1Char('\t'), 0, 0);
}

bool IsDrawnItem(const QStyleOptionMenuItem* item) {
    return item && (item->menuItemType == QStyleOptionMenuItem::Normal ||
                    item->menuItemType == QStyleOptionMenuItem::DefaultItem ||
                    item->menuItemType == QStyleOptionMenuItem::SubMenu);
}

} // namespace

void TOwnerDrawMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !IsDrawnItem(item)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
    // One of a group (the pane's translation) is ticked in its indent; a lone checkable item
    // (the results window's "On top") is drawn in italics.
    const bool ticked = item->checkType == QStyleOptionMenuItem::Exclusive && item->checked;
    const bool checked = item->checkType == QStyleOptionMenuItem::NonExclusive && item->checked;
    DrawMenuItem(*painter, ticked ? TickedCaption(CaptionOf(*item)) : CaptionOf(*item), item->rect,
                 selected, item->palette, checked);
    if (item->menuItemType != QStyleOptionMenuItem::SubMenu)
        return;
    // The toolkit's arrow, at the right end of the item.
    const QRect r = item->rect;
    const int dim = (r.height() - 4) / 2;
    QStyleOptionMenuItem arrow = *item;
    arrow.rect = QRect(r.right() - 2 - dim, r.top() + r.height() / 2 - dim / 2, dim, dim);
    arrow.state = State_Enabled;
    const QColor pen =
        item->palette.color(selected ? QPalette::HighlightedText : QPalette::WindowText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        arrow.palette.setColor(role, pen);
    baseStyle()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
}

void TOwnerDrawMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_PanelMenu)
        return;
    // Inside the toolkit's frame, the colour the items stand on.
    const int frame = pixelMetric(PM_MenuPanelWidth, option, widget);
    painter->fillRect(option->rect.adjusted(frame, frame, -frame, -frame),
                      MenuBackground(option->palette));
}

int TOwnerDrawMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    // The items stand inside the menu's frame, not on it.
    return metric == PM_MenuPanelWidth ? std::max(value, 1) : value;
}

QSize TOwnerDrawMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                            const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    QSize contents = size;
    if (type == CT_MenuItem && IsDrawnItem(item) && item->text.contains(QLatin1Char('&'))) {
        // The menu measured the caption with "&" as a mark; it is drawn as it stands.
        const QString caption = CaptionOf(*item);
        const QFontMetrics& fm = item->fontMetrics;
        contents.rwidth() +=
            fm.horizontalAdvance(caption) -
            fm.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, caption).width();
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

int TOwnerDrawMenuStyle::styleHint(StyleHint hint, const QStyleOption* option,
                                   const QWidget* widget, QStyleHintReturn* returnData) const {
    // Typed letters search the captions instead of looking for "&" marks in them.
    if (hint == SH_Menu_KeyboardSearch)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SetOwnerDraw(QMenu* menu) {
    auto* style = new TOwnerDrawMenuStyle;
    style->setParent(menu);
    menu->setStyle(style);
}
