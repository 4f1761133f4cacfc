#include "FontDialog.h"

#include "Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <cmath>
#include <cstdlib>

namespace {

// The sixteen colours the system font dialog offers.
struct NamedColor {
    TColor color;
    const char* name;
};
constexpr NamedColor BasicColors[] = {
    {0x000000, "Crna"},        {0x000080, "Kestenjasta"},  {0x008000, "Zelena"},
    {0x008080, "Maslinasta"},  {0x800000, "Teget"},        {0x800080, "Ljubičasta"},
    {0x808000, "Plavozelena"}, {0x808080, "Siva"},         {0xC0C0C0, "Srebrna"},
    {0x0000FF, "Crvena"},      {0x00FF00, "Svetlozelena"}, {0x00FFFF, "Žuta"},
    {0xFF0000, "Plava"},       {0xFF00FF, "Ciklama"},      {0xFFFF00, "Tirkizna"},
    {0xFFFFFF, "Bela"},
};

QPixmap Swatch(TColor color) {
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
    return pixmap;
}

// The group of the strike-out and underline boxes.
QGroupBox* EffectsGroup(QFontDialog& dialog) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (group->findChild<QCheckBox*>() && group->layout())
            return group;
    return nullptr;
}

// Puts a row under the others of a box or grid layout.
void AddRow(QLayout* layout, QLayout* row) {
    if (auto* box = qobject_cast<QBoxLayout*>(layout))
        box->addLayout(row);
    else if (auto* grid = qobject_cast<QGridLayout*>(layout))
        grid->addLayout(row, grid->rowCount(), 0, 1, -1);
}

// The sample text of the dialog.
QLineEdit* SampleEdit(QFontDialog& dialog) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (auto* edit = group->findChild<QLineEdit*>())
            return edit;
    return nullptr;
}

// The style of a face that draws a font: the same slant, the nearest weight. Empty when the
// face lists no styles.
QString StyleOf(const QFont& font) {
    QString best;
    int bestDistance = 0;
    const QString family = font.family();
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont drawn = QFontDatabase::font(family, style, 12);
        if ((drawn.style() != QFont::StyleNormal) != font.italic())
            continue;
        const int distance = std::abs(int(drawn.weight()) - int(font.weight()));
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

TKvFont KvFontOf(const QFont& f, TColor color, int charset) {
    TKvFont font;
    font.Name = f.family();
    font.Size = f.pointSizeF() > 0 ? int(std::lround(f.pointSizeF())) : font.Size;
    font.Style = (f.bold() ? fsBold : 0) | (f.italic() ? fsItalic : 0) |
                 (f.underline() ? fsUnderline : 0) | (f.strikeOut() ? fsStrikeOut : 0);
    font.Color = color;
    font.Charset = charset;
    return font;
}

TFontDialog::TFontDialog(const TKvFont& start, QWidget* parent)
    : QFontDialog(parent), charset_(start.Charset) {
    // The toolkit's own dialog, so that the colour row can be added.
    setOption(QFontDialog::DontUseNativeDialog);
    // A face this system lacks, or knows only under another name (Arial drawn as Liberation
    // Sans), starts as the face drawn in its place, whose styles the lists know; the toolkit
    // would otherwise pick a stand-in of its own and its first style.
    QFont font = start.toQFont();
    const QString drawn = QFontInfo(font).family();
    if (drawn.compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setFamily(drawn);
    // Named outright, the style is found in the list; else the list starts on its first
    // style, which may be another weight or slant than the font's.
    const QString style = StyleOf(font);
    if (!style.isEmpty())
        font.setStyleName(style);
    setCurrentFont(font);

    ColorBox = new QComboBox(this);
    ColorBox->setObjectName(QStringLiteral("ColorBox"));
    for (const NamedColor& c : BasicColors)
        ColorBox->addItem(Swatch(c.color), QString::fromUtf8(c.name), c.color);
    auto* caption = new QLabel(QStringLiteral("Bo&ja:"), this);
    caption->setBuddy(ColorBox);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(ColorBox, 1);
    QGroupBox* effects = EffectsGroup(*this);
    AddRow(effects ? effects->layout() : layout(), row);
    setChosenColor(start.Color);

    // The sample shows the colour too.
    if (QLineEdit* sample = SampleEdit(*this)) {
        const auto tint = [this, sample] {
            QPalette palette = sample->palette();
            palette.setColor(QPalette::Text,
                             ReadableOn(ToQColor(ChosenColor()), palette.color(QPalette::Base)));
            sample->setPalette(palette);
        };
        connect(ColorBox, &QComboBox::currentIndexChanged, this, tint);
        tint();
    }
}

TColor TFontDialog::ChosenColor() const {
    return ColorBox->currentData().value<TColor>();
}

void TFontDialog::setChosenColor(TColor color) {
    int index = ColorBox->findData(color);
    if (index < 0) {
        // A colour of its own stays on offer under the name the system dialog gives it.
        ColorBox->addItem(Swatch(color), QStringLiteral("Posebna"), color);
        index = ColorBox->count() - 1;
    }
    ColorBox->setCurrentIndex(index);
}

TKvFont TFontDialog::Chosen() const {
    return KvFontOf(currentFont(), ChosenColor(), charset_);
}

bool AskFont(TKvFont& font, QWidget* parent) {
    TFontDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Chosen();
    return true;
}
