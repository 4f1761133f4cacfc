#include "ChapterLayout.h"

#include "Convert.h"
#include "Errors.h"
#include "Kvlabel.h"
#include "Messages.h"
#include "PaneLabels.h"
#include "Query.h"
#include "Reference.h"
#include "ScrollBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int FirstTop = 10;
constexpr int LeftEdge = 5;
constexpr int WrapMargin = 30;
constexpr int ReferenceLine = 15;
constexpr int HighlightDistance = 100;

QString LabelPrefix(const TScrollBox& box) {
    return QStringLiteral("labela") + QString::number(box.Tag);
}

// Shows the box again when the layout ends, also when it ends with an error.
class HiddenWhileLaying {
public:
    explicit HiddenWhileLaying(TScrollBox& box) : box_(box) { box_.hide(); }
    ~HiddenWhileLaying() { box_.show(); }
    HiddenWhileLaying(const HiddenWhileLaying&) = delete;
    HiddenWhileLaying& operator=(const HiddenWhileLaying&) = delete;

private:
    TScrollBox& box_;
};

} // namespace

QString MoreReferencesText(int count) {
    return QStringLiteral("još %1").arg(count);
}

bool IsMoreReferences(const TKvlabel& label) {
    return label.Vrsta() == Pok1 && label.Tekst().startsWith(QStringLiteral("još "));
}

int ShownReferences(ReferenceMode mode, int count, bool opened) {
    if (opened || mode == ReferenceMode::All)
        return count;
    return mode == ReferenceMode::None ? 0 : std::min(count, 3);
}

int HighlightScrollPosition(int verseTop, int verseBottom) {
    // A tall verse would lose its first lines below the usual distance: its top stays in view.
    return std::min(verseBottom - HighlightDistance, verseTop - FirstTop);
}

int PaneOfBox(const TScrollBox& box) {
    return box.Tag;
}

namespace {

// The holder of label number k, in the references' font that new labels take from it: most of
// them keep it.
QWidget* DressedHolder(const PaneEntry& pane, TScrollBox& box, int k) {
    QWidget* holder = box.LabelHolder(k);
    TKvFont refFont = TKvlabel::DefaultFontPok();
    refFont.assignLook(pane.refFont);
    refFont.Size = ZoomedSize(pane.refFont.Size, pane.zoom);
    const QFont holderFont = TKvlabel::KindFont(Pok1, QFont(), refFont, refFont);
    if (holder->font() != holderFont)
        holder->setFont(holderFont);
    return holder;
}

// Creates the pane's label number k in its holder and files it by name and number.
TKvlabel* CreateLabel(PaneLabels& state, TScrollBox& box, QWidget* holder, int k) {
    const int p = PaneOfBox(box);
    auto* label = new TKvlabel(holder);
    label->Tag = box.Tag;
    label->FontTekst.Charset = 238;
    label->FontPok.Charset = 238;
    label->setObjectName(LabelPrefix(box) + QString::number(k));
    label->Listener = &box;
    // Most labels of a chapter are references: they take their cursor now, and all take their
    // style, so that placing them later does less.
    label->setCursor(Qt::PointingHandCursor);
    label->ensurePolished();
    state.Labels.Add(label);
    ++state.LabelsCreated[p];
    std::vector<QPointer<TKvlabel>>& numbered = state.Numbered[p];
    if (numbered.size() < size_t(k))
        numbered.resize(size_t(k));
    numbered[size_t(k - 1)] = label;
    return label;
}

} // namespace

void AcquireLabel(PaneLabels& state, const PaneEntry& pane, TScrollBox& box) {
    const int p = PaneOfBox(box);
    const int k = state.LabelsUsed[p];
    QWidget* holder = DressedHolder(pane, box, k);
    std::vector<QPointer<TKvlabel>>& numbered = state.Numbered[p];
    TKvlabel* label = size_t(k) <= numbered.size() ? numbered[size_t(k - 1)].data() : nullptr;
    bool made = false;
    if (!label) {
        // Made afresh, or filed under its name only (a number past those made has none).
        if (k <= state.LabelsCreated[p])
            label = state.Labels.Find(LabelPrefix(box) + QString::number(k));
        if (label) {
            if (numbered.size() < size_t(k))
                numbered.resize(size_t(k));
            numbered[size_t(k - 1)] = label;
        } else {
            label = CreateLabel(state, box, holder, k);
            made = true;
        }
    }
    // A new or surplus label is empty already.
    if (!made && !label->Tekst().isEmpty())
        label->setTekst(QString());
    state.CurrentLabel = label;
    label->setTransparent();
    if (label->parentWidget() != holder)
        label->setParent(holder);
    label->FontTekst.assignLook(pane.textFont);
    label->FontPok.assignLook(pane.refFont);
    label->FontTekst.Size = ZoomedSize(pane.textFont.Size, pane.zoom);
    label->FontPok.Size = ZoomedSize(pane.refFont.Size, pane.zoom);
    label->Sirina = box.width() - WrapMargin;
}

bool PrepareLabels(PaneLabels& state, const PaneEntry& pane, TScrollBox& box, int upTo, int most) {
    const int p = PaneOfBox(box);
    for (int made = 0; made < most && state.LabelsCreated[p] < upTo; ++made) {
        const int k = state.LabelsCreated[p] + 1;
        // Hidden until a layout places it; a label left shown in a hidden holder would show
        // with it.
        CreateLabel(state, box, DressedHolder(pane, box, k), k)->hide();
    }
    return state.LabelsCreated[p] < upTo;
}

void LayoutChapter(PaneLabels& state, const PaneEntry& pane, TScrollBox& box, Query& query) {
    const int p = PaneOfBox(box);
    QString badNumber;
    int highlightScroll = 0;
    state.HighlightTop = 0;
    box.setVertPosition(0);
    box.setHorzPosition(0);
    {
        HiddenWhileLaying hidden(box);
        int y = FirstTop;
        QSize content(0, 0);
        auto cover = [&content](const TKvlabel* label) {
            const QRect r = label->geometry();
            content = content.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
        };

        // On an error the pane keeps what was laid out so far, without older labels.
        auto finish = [&] { box.setContentSize(content.expandedTo(QSize(0, y))); };
        try {
            while (!query.eof()) {
                const QString tekst = query.fieldAsText(QStringLiteral("tekst"));
                const QString pok = TrimBlanks(query.fieldAsText(QStringLiteral("pok")));
                const QString rbr = query.fieldAsText(QStringLiteral("rbr"));
                const QString knjiga = query.fieldAsText(QStringLiteral("knjiga"));
                const QString glava = query.fieldAsText(QStringLiteral("glava"));
                query.next();

                ++state.LabelsUsed[p];
                AcquireLabel(state, pane, box);
                TKvlabel* verse = state.CurrentLabel;
                verse->move(LeftEdge, y);
                verse->setVrsta(Tekst1);
                verse->setTekst(rbr + QStringLiteral(". ") + tekst);
                verse->PopupMenu = state.PopUpMenu;
                verse->setClickable(true); // a click chooses the verse
                verse->Knjiga = knjiga;
                verse->Glava = glava;
                verse->Rbr = rbr;
                cover(verse);
                const int verseTop = y;
                y += verse->TextHeight();
                // A verse number that is no number cannot be the chosen verse; the rest of the
                // chapter is laid out all the same and the first such number is reported.
                double number = 0;
                try {
                    number = StrToFloat(rbr);
                } catch (const ConvertError& e) {
                    if (badNumber.isEmpty())
                        badNumber =
                            QStringLiteral("%1 (%2, %3 %4)")
                                .arg(e.text(), Query::DataSourceOf(query.connectionString()),
                                     knjiga, glava);
                    number = std::nan("");
                }
                if (state.HighlightTop == 0 && std::fabs(number) < 2147483648.0 &&
                    std::lround(number) == pane.verse) {
                    state.HighlightTop = y;
                    highlightScroll = HighlightScrollPosition(verseTop, y);
                    verse->setOpaqueBackground(HighlightColor);
                }

                if (pok.isEmpty() || pok == QStringLiteral(".") ||
                    pane.references == ReferenceMode::None)
                    continue;
                const int total = int(pok.count(QLatin1Char('|'))) + (pok.endsWith('|') ? 0 : 1);
                const int shown =
                    ShownReferences(pane.references, total, state.Opened[p].contains(rbr));
                int placed = 0;
                int x = LeftEdge;
                int step = ReferenceLine; // a larger reference font takes its own line height
                qsizetype i = 0;
                do {
                    ++state.LabelsUsed[p];
                    AcquireLabel(state, pane, box);
                    qsizetype bar = pok.indexOf(QLatin1Char('|'), i);
                    if (bar < 0)
                        bar = pok.size();
                    QString text = pok.mid(i, bar - i) + QStringLiteral(",");
                    i = bar + 1;
                    if (++placed > shown) {
                        // The rest stand behind one label that opens them.
                        text = MoreReferencesText(total - shown);
                        i = pok.size();
                    }
                    TKvlabel* ref = state.CurrentLabel;
                    ref->setVrsta(Pok1);
                    ref->setTekst(text);
                    ref->move(x, y);
                    ref->setClickable(true);
                    ref->PopupMenu = state.PopUpMenu;
                    ref->Knjiga = knjiga;
                    ref->Glava = glava;
                    ref->Rbr = rbr;
                    x += ref->LineWidth();
                    step = std::max(step, ref->fontMetrics().lineSpacing());
                    if (x >= box.width() - state.RightMargin) {
                        // This reference starts the next line.
                        y += step;
                        ref->move(LeftEdge, y);
                        x = LeftEdge + ref->width();
                    }
                    cover(ref);
                } while (i < pok.size());
                y += step;
            }
        } catch (...) {
            finish();
            HideSurplusLabels(state, box);
            query.first();
            throw;
        }
        finish();
        if (state.HighlightTop != 0)
            box.setVertPosition(highlightScroll);
    }
    HideSurplusLabels(state, box);
    query.first();
    if (!badNumber.isEmpty())
        ShowMessage(badNumber);
}

void HideSurplusLabels(const TLabelIndex& labels, const QString& prefix, int used, int created) {
    for (int k = used + 1; k <= created; ++k) {
        TKvlabel* label = labels.Find(prefix + QString::number(k));
        // Most surplus labels were hidden and emptied by an earlier layout already: emptying
        // them again (which measures them) would change nothing.
        if (label && !(label->isHidden() && label->Tekst().isEmpty())) {
            label->setTekst(QString());
            label->hide();
        }
    }
}

void HideSurplusLabels(PaneLabels& state, TScrollBox& box) {
    const int p = PaneOfBox(box);
    const std::vector<QPointer<TKvlabel>>& numbered = state.Numbered[p];
    if (numbered.size() < size_t(state.LabelsCreated[p])) {
        HideSurplusLabels(state.Labels, LabelPrefix(box), state.LabelsUsed[p],
                          state.LabelsCreated[p]);
        return;
    }
    for (size_t k = size_t(state.LabelsUsed[p]); k < size_t(state.LabelsCreated[p]); ++k) {
        TKvlabel* label = numbered[k].data();
        if (label && !(label->isHidden() && label->Tekst().isEmpty())) {
            label->setTekst(QString());
            label->hide();
        }
    }
}

TKvlabel* PaneLabel(const PaneLabels& state, int pane, int k) {
    const std::vector<QPointer<TKvlabel>>& numbered = state.Numbered[pane];
    if (k >= 1 && size_t(k) <= numbered.size() && numbered[size_t(k - 1)])
        return numbered[size_t(k - 1)].data();
    return state.Labels.Find(QStringLiteral("labela") + QString::number(pane) + QString::number(k));
}

void MoveHighlight(PaneLabels& state, int pane, TKvlabel& verse) {
    for (int k = 1; k <= state.LabelsUsed[pane]; ++k) {
        TKvlabel* label = PaneLabel(state, pane, k);
        if (label && label != &verse && !label->isTransparent())
            label->setTransparent();
    }
    verse.setOpaqueBackground(HighlightColor);
    state.HighlightTop = verse.geometry().bottom() + 1;
}

void FreePaneLabels(PaneLabels& state, int pane) {
    if (state.CurrentLabel && state.CurrentLabel->Tag == pane)
        state.CurrentLabel = nullptr;
    state.Labels.FreeNumbered(QStringLiteral("labela") + QString::number(pane));
    state.Numbered[pane].clear();
    state.LabelsUsed[pane] = 0;
    state.LabelsCreated[pane] = 0;
}
