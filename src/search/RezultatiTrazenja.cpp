#include "RezultatiTrazenja.h"

#include "SearchText.h"

#include "BookCatalogue.h"
#include "Convert.h"
#include "CopyText.h"
#include "Errors.h"
#include "FreeMemory.h"
#include "HitMarks.h"
#include "Kvlabel.h"
#include "Look.h"
#include "Messages.h"
#include "PaneAccessible.h"
#include "PaneMenu.h"
#include "Pictures.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "Query.h"
#include "ReaderState.h"
#include "Reference.h"
#include "ReminderEntry.h"
#include "Reports.h"
#include "ResultsAccessible.h"
#include "ScrollBox.h"
#include "ScrollKeys.h"
#include "SearchText.h"
#include "WrapEstimate.h"
#include "print.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString InitialCaption = QStringLiteral("Vidoslov - rezultati traženja");
const QString LabelPrefix = QStringLiteral("labela");
constexpr int ClientWidth = 440;
constexpr TColor WindowColor = 215 | 218 << 8 | 223 << 16;
constexpr int AskAbove = 500;
constexpr int FirstTop = 10;
constexpr int LeftEdge = 5;
constexpr int WrapMargin = 30;
constexpr int GaugeHeight = 14;
// The gauge is painted at least this often while a list is filled.
constexpr qint64 GaugePaintMs = 40;
// Labels kept after a fill: twice those it shows, and at least this many.
constexpr size_t KeptLabels = 40;
// Rounds of laying out near the view while corrected heights move the rows.
constexpr int NearRounds = 4;
// How long a newly shown window may take to appear before the fill starts anyway.
constexpr qint64 ExposeWaitMs = 1000;
// How long after a list is shown the window takes back the focus another window of the
// program was given by the window manager.
constexpr qint64 RefocusMs = 500;
constexpr int RepaintWaitMs = 50;
const QString FirstShowGlyphs =
    QStringLiteral("knjiga glava 0123456789 .,;:!?'\"()-– abcčćdđefghijklmnopqrsštuvwxyzž "
                   "ABCČĆDĐEFGHIJKLMNOPQRSŠTUVWXYZŽ абвгдђежзијклљмњнопрстћуфхцчџш "
                   "АБВГДЂЕЖЗИЈКЛЉМЊНОПРСТЋУФХЦЧЏШ");

// The number of a result label's name, 0 for another name.
int NumberInName(const QString& name) {
    if (!name.startsWith(LabelPrefix, Qt::CaseInsensitive))
        return 0;
    bool ok = false;
    const int k = QStringView(name).mid(LabelPrefix.size()).toInt(&ok);
    return ok ? k : 0;
}

bool AskInBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

// The picture with its white parts transparent.
QPixmap TransparentPicture(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setMask(pixmap.createMaskFromColor(Qt::white, Qt::MaskInColor));
    return pixmap;
}

} // namespace

TfRezultatiTrazenja::TfRezultatiTrazenja(const QWidget* mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("fRezultatiTrazenja"));
    setWindowTitle(InitialCaption);
    setMinimumSize(100, 100);
    // The list's face is "Arial Cirilica" in the Serbian fonts; here Arial (or its metric
    // twin) serves.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    FollowPalette(this, WindowColor);
    setAutoFillBackground(true);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfRezultatiTrazenja::KeepUnderModal);

    // The picture and the gauge lie behind the list and show while it is hidden.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setOrientation(Qt::Horizontal);
    Gauge1->setTextVisible(false);
    Gauge1->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid black; background: "
                                         "rgb(126, 241, 207); } "
                                         "QProgressBar::chunk { background: black; }"));
    Gauge1->resize(Gauge1->width(), GaugeHeight);

    sb2 = new TScrollBox(this);
    sb2->setObjectName(QStringLiteral("sb2"));
    InstallPaneAccessibility();
    InstallResultsAccessibility();
    sb2->setAccessibleName(QStringLiteral("Rezultati pretrage"));
    sb2->setAccessibleDescription(
        QStringLiteral("Za svaki rezultat mesto i prevod, pa tekst stiha; Enter otvara "
                       "rezultat na vrhu, Escape zatvara prozor"));
    sb2->setDesignColor(WindowColor);
    auto* client = new QVBoxLayout(this);
    client->setContentsMargins(0, 0, 0, 0);
    client->addWidget(sb2);
    connect(sb2, &TScrollBox::viewMoved, this, &TfRezultatiTrazenja::ShowNear);
    // The list holds the keys, so that a screen reader reads its rows.
    sb2->setFocusPolicy(Qt::StrongFocus);
    sb2->installEventFilter(this);
    connect(sb2, &TScrollBox::viewMoved, this, [this] {
        if (const int top = TopRow(); top != announcedTop_) {
            announcedTop_ = top;
            AnnounceTopResult(*this, top);
        }
    });
    connect(sb2, &TScrollBox::labelClicked, this,
            [this](TKvlabel* label) { Guarded([&] { ResultClick(label); }); });

    // Over an empty list, so that a search without hits does not look broken.
    noHitLine_ = new QLabel(QStringLiteral("Nema poklapanja."), this);
    noHitLine_->setObjectName(QStringLiteral("NoHitLine"));
    noHitLine_->move(LeftEdge + 5, FirstTop);
    noHitLine_->hide();
    noHitWords_ = new QLabel(this);
    noHitWords_->setObjectName(QStringLiteral("NoHitWords"));
    noHitWords_->setWordWrap(true);
    noHitWords_->setGeometry(LeftEdge + 5, FirstTop + 22, ClientWidth - 2 * (LeftEdge + 5), 36);
    noHitWords_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    noHitWords_->hide();
    foldedOffer_ = new QPushButton(this);
    foldedOffer_->setObjectName(QStringLiteral("FoldedOffer"));
    // Its caption, with the count, is its name once it has one; Enter runs it.
    foldedOffer_->setAccessibleName(QStringLiteral("Traži bez obzira na kvačice i pismo"));
    foldedOffer_->setAccessibleDescription(
        QStringLiteral("Nema poklapanja; traži bez obzira na kvačice i pismo"));
    foldedOffer_->setAutoDefault(true);
    foldedOffer_->move(LeftEdge + 5, FirstTop + 62);
    foldedOffer_->hide();
    connect(foldedOffer_, &QPushButton::clicked, this,
            [this] { Guarded([&] { FoldedOfferClick(); }); });

    BuildMenu();
    setFixedSize(ClientWidth, mainWindow ? mainWindow->height() : 600);
    FormCreate();
}

TfRezultatiTrazenja::~TfRezultatiTrazenja() {
    FormDestroy();
}

void TfRezultatiTrazenja::BuildMenu() {
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    SetOwnerDraw(PopupMenu1);
    auto item = [this](const QString& caption, const QString& name,
                       void (TfRezultatiTrazenja::*handler)()) {
        QAction* action = PopupMenu1->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
        return action;
    };
    Podesi1 = item(QStringLiteral("  Podesi"), QStringLiteral("Podesi1"),
                   &TfRezultatiTrazenja::Podesi1Click);
    Ubaciupodsetnik2 =
        item(QStringLiteral("  Ubaci u podsetnik          "), QStringLiteral("Ubaciupodsetnik2"),
             &TfRezultatiTrazenja::Ubaciupodsetnik2Click);
    Podsetnik1 = item(QStringLiteral("  Podsetnik"), QStringLiteral("Podsetnik1"),
                      &TfRezultatiTrazenja::Podsetnik1Click);
    Preview1 = item(QStringLiteral("  Štampanje"), QStringLiteral("Preview1"),
                    &TfRezultatiTrazenja::Preview1Click);
    Color1 = item(QStringLiteral("  Promena boje"), QStringLiteral("Color1"),
                  &TfRezultatiTrazenja::Color1Click);
    // The menu inverts the mark before the handler runs.
    OnTop1 = item(QStringLiteral("  On top"), QStringLiteral("OnTop1"),
                  &TfRezultatiTrazenja::OnTop1Click);
    OnTop1->setCheckable(true);
    OnTop1->setChecked(true);
    KopirajStih2 = item(QStringLiteral("  Kopiraj stih"), QStringLiteral("KopirajStih2"),
                        &TfRezultatiTrazenja::KopirajStih2Click);
}

void TfRezultatiTrazenja::FormCreate() {
    labelsUsed_ = 0;
    Image1->setPixmap(TransparentPicture(HandPicture()));
    Image1->adjustSize();
}

QString TfRezultatiTrazenja::TooManyQuestion(int rows) {
    return QStringLiteral("Preko 500 poklapanja (%1)\n"
                          "unesite još neki uslov za traženje radi smanjenja broja poklapanja.\n"
                          "Potrajaće duže do celog prikaza. NASTAVITI?")
        .arg(rows);
}

QString TfRezultatiTrazenja::TotalCaption(int rows) {
    return QStringLiteral("Ukupno : %1 poklapanja.").arg(rows);
}

QList<TextRange> TfRezultatiTrazenja::VerseMarks(const QString& tekst, qsizetype prefix) const {
    QList<TextRange> marks;
    if (searched_.words.isEmpty())
        return marks;
    for (const HitRange& hit : HitRanges(tekst, searched_.words, searched_.folded))
        marks.append({hit.start + prefix, hit.length});
    return marks;
}

QString TfRezultatiTrazenja::TotalCaption(int rows, const QString& translation) {
    return translation.isEmpty() ? TotalCaption(rows)
                                 : TotalCaption(rows) + QStringLiteral(" — ") + translation;
}

void TfRezultatiTrazenja::ShowResults(SearchResult result) {
    searched_ = std::move(result.searched);
    found_ = std::move(result.rows);
    request_ = std::move(result.request);
    foldedCount_ = result.foldedCount;
    holding_ = true;
    // A window shown again keeps its earlier list out of sight until the new one is made,
    // rather than showing it for a moment; declining a long list brings it back.
    const bool listWasShown = !sb2->isHidden();
    if (!isVisible())
        sb2->hide();
    const int rows = int(found_.size());
    const bool asks = rows > AskAbove;
    // The caption goes to the window manager with the window, unless the answer may keep the
    // earlier list.
    if (!asks)
        setWindowTitle(TotalCaption(rows, searched_.translation));
    if (!isActiveWindow()) {
        if (!placed_) {
            const QRect screenRect = screen()->geometry();
            move(screenRect.x() + (screenRect.width() - width()) / 2,
                 screenRect.y() + (screenRect.height() - height()) / 2);
            placed_ = true;
        }
        show();
        raise();
        activateWindow();
    }
    if (asks) {
        // The question and the long fill's gauge are painted on a window the screen shows.
        WaitUntilExposed();
        if (!AskQuestion(TooManyQuestion(rows),
                         [&] { return AskInBox(this, TooManyQuestion(rows)); })) {
            sb2->setVisible(listWasShown);
            return;
        }
        // What the question covered is painted again before the long fill; the user's input
        // waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, RepaintWaitMs);
        setWindowTitle(TotalCaption(rows, searched_.translation));
    }
    // A short list is made while the window manager puts a newly shown window on the screen;
    // one that gets another width there is made again for it.
    FillResults();
    WaitUntilExposed();
    if (sb2->width() - WrapMargin != wrapWidth_)
        FillResults();
    // A window manager hands the focus back to the main window when the search dialog goes;
    // the list takes it back, so its keys work without a click.
    shown_.start();
    if (!isActiveWindow())
        activateWindow();
}

void TfRezultatiTrazenja::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible() &&
        shown_.isValid() && shown_.elapsed() < RefocusMs && !QApplication::activeModalWidget() &&
        QApplication::activeWindow()) {
        shown_.invalidate(); // once: a window the user opens next keeps the focus
        activateWindow();
    }
}

void TfRezultatiTrazenja::WaitUntilExposed() {
    // The gauge paints only on a window the screen shows. The user's input waits; the wait
    // sleeps between events, leaving the processor to the window manager and the X server.
    QTimer limit; // wakes the wait when the window does not appear
    limit.setSingleShot(true);
    limit.start(ExposeWaitMs);
    while (!(windowHandle() && windowHandle()->isExposed()) && limit.isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

void TfRezultatiTrazenja::RequireRows() const {
    if (!holding_)
        throw Query::ClosedError();
}

void TfRezultatiTrazenja::FillResults() {
    // A closed query or one without the verse columns fails before the list is touched.
    RequireRows();

    labelsUsed_ = 0;
    const QSize outer = frameGeometry().size();
    Image1->move((outer.width() - Image1->width()) / 2, (outer.height() - Image1->height()) / 2);
    sb2->setVertPosition(0);
    sb2->hide();
    const int count = int(found_.size());
    Gauge1->setRange(0, count);
    Gauge1->setValue(0);
    Gauge1->setGeometry(Image1->x(), Image1->y() + Image1->height(), Image1->width(), GaugeHeight);
    Gauge1->show();
    repaint();

    // The rows are measured in the fonts their labels will have, without the labels.
    PrepareVerseEstimate();
    const QFont headingFont = TKvlabel::KindFont(
        Knjiga1, sb2->widget()->font(), TKvlabel::DefaultFontTekst(), TKvlabel::DefaultFontPok());
    rows_.Clear(FirstTop, KvLineHeight(QFontMetrics(headingFont)));
    ++fill_;

    // Also after a failure, the list shows what was measured, without older labels.
    auto finish = [&] {
        labelsUsed_ = 2 * rows_.Count();
        Gauge1->setValue(rows_.Count());
        nearFirst_ = nearLast_ = 0;
        FitContent();
        ShowNear();
        // Spare labels keep no text of an earlier list.
        for (auto& [k, slot] : labels_)
            if (slot.fill != fill_ && !slot.label->Tekst().isEmpty())
                slot.label->setTekst(QString());
        FreeSpareLabels();
        sb2->show();
        sb2->setFocus();
        announcedTop_ = -1;
        if (QAccessible::isActive()) {
            QAccessibleEvent reorder(sb2, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reorder);
        }
    };
    QElapsedTimer clock;
    clock.start();
    qint64 painted = 0;
    try {
        qsizetype bytes = 0;
        for (const ResultRow& row : found_)
            bytes += TResultRows::TextSize(row);
        rows_.Reserve(count, bytes);
        QString verse; // each row's verse as its label shows it, in one reused string
        for (const ResultRow& row : found_) {
            verse.resize(0);
            verse.append(row.Rbr).append(QLatin1String(". ")).append(row.Tekst);
            rows_.Add(row, verses_->Height(verse));
            if (clock.elapsed() - painted >= GaugePaintMs) {
                Gauge1->setValue(rows_.Count());
                Gauge1->repaint();
                painted = clock.elapsed();
            }
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    ShowNoHitLine();
}

void TfRezultatiTrazenja::PrepareVerseEstimate() {
    wrapWidth_ = sb2->width() - WrapMargin;
    if (verses_ && verses_->Width() == wrapWidth_)
        return;
    const QFont verseFont = TKvlabel::KindFont(Tekst1, QFont(), TKvlabel::DefaultFontTekst(),
                                               TKvlabel::DefaultFontPok());
    verses_ = std::make_unique<TWrapEstimate>(verseFont, wrapWidth_,
                                              KvLineHeight(QFontMetrics(verseFont)));
}

void TfRezultatiTrazenja::PrepareFirstShow() {
    if (prepared_ || labelsUsed_ > 0)
        return;
    prepared_ = true;
    if (layout())
        layout()->activate();
    winId();
    PrepareVerseEstimate();
    // A sample row: the words every Serbian verse is full of.
    verses_->Height(QStringLiteral("1. I reče Gospod Bog: neka bude svetlost; i bi svetlost, a "
                                   "on vide da je dobro što je učinio na zemlji i na nebu."));
    QPixmap canvas(sb2->width(), 160);
    for (int k = 1; k <= int(KeptLabels); ++k) {
        auto* label = new TKvlabel(sb2->widget());
        connect(label, &TKvlabel::clicked, sb2, &TScrollBox::labelClicked);
        label->setObjectName(LabelPrefix + QString::number(k));
        label->Sirina = wrapWidth_;
        label->setVrsta(k % 2 ? Knjiga1 : Tekst1);
        label->setTekst(k % 2 ? QStringLiteral("knjiga : 1 MOJ  glava: 1")
                              : QStringLiteral("1. U početku stvori Bog nebo i zemlju."));
        label->hide();
        if (k <= 2) {
            label->render(&canvas);
            // Every letter, digit and sign a list shows, marked as found words are: their
            // glyphs are drawn once here rather than in the first list.
            label->setTekst(FirstShowGlyphs);
            label->Marks = {{0, 6}};
            label->render(&canvas);
            label->Marks.clear();
        }
        label->setTekst(QString());
        labels_[k] = Slot{label, fill_};
    }
}

void TfRezultatiTrazenja::MeasureAhead(const std::vector<ResultRow>& rows) {
    PrepareVerseEstimate();
    for (const ResultRow& row : rows)
        verses_->Height(row.VerseText());
}

void TfRezultatiTrazenja::ShowNoHitLine() {
    const bool none = labelsUsed_ == 0;
    noHitLine_->adjustSize();
    noHitLine_->setVisible(none);
    noHitLine_->raise();
    const QString words = WordsLine(request_.words);
    noHitWords_->setText(QStringLiteral("Tražene reči: ") + words);
    noHitWords_->setVisible(none && !words.isEmpty());
    noHitWords_->raise();
    foldedOffer_->setText(
        QStringLiteral("Bez obzira na kvačice: %1 poklapanja").arg(GroupedCount(foldedCount_)));
    if (foldedCount_ > 0)
        foldedOffer_->setAccessibleName(foldedOffer_->text());
    foldedOffer_->adjustSize();
    foldedOffer_->setVisible(none && foldedCount_ > 0);
    foldedOffer_->raise();
    // Without rows the keys go to the offer, if there is one.
    if (foldedOffer_->isVisibleTo(this))
        foldedOffer_->setFocus();
}

void TfRezultatiTrazenja::FoldedOfferClick() {
    if (foldedCount_ <= 0)
        return;
    SearchRequest request = request_;
    request.folded = true;
    if (isSignalConnected(QMetaMethod::fromSignal(&TfRezultatiTrazenja::foldedSearchWanted)))
        emit foldedSearchWanted(request);
    else
        ShowResults(RunSearch(request, QString()));
}

void TfRezultatiTrazenja::FitContent() {
    const int width = rows_.Count() > 0 ? LeftEdge + wrapWidth_ : 0;
    sb2->setContentSize(QSize(width, rows_.Bottom()));
}

TfRezultatiTrazenja::ViewAnchor TfRezultatiTrazenja::AnchorOfView() const {
    const QScrollBar* bar = sb2->verticalScrollBar();
    ViewAnchor anchor;
    const int view = bar->value();
    anchor.atEnd = view > 0 && view >= bar->maximum();
    anchor.row = rows_.RowAt(view);
    anchor.offset = anchor.row >= 0 ? view - rows_.HeadingTop(anchor.row) : view;
    return anchor;
}

void TfRezultatiTrazenja::RestoreView(const ViewAnchor& anchor) {
    FitContent();
    QScrollBar* bar = sb2->verticalScrollBar();
    if (anchor.atEnd)
        bar->setValue(bar->maximum());
    else if (anchor.row >= 0)
        bar->setValue(rows_.HeadingTop(anchor.row) + anchor.offset);
}

void TfRezultatiTrazenja::ShowNear() {
    if (showingNear_)
        return;
    const QScopedValueRollback<bool> busy(showingNear_, true);
    // A label that finds its row higher or lower than measured moves the rows under it; the
    // place at the top of the view stays where it is, and the rows then near are laid out.
    int first = 0;
    int last = 0;
    for (int round = 0; round < NearRounds; ++round) {
        const ViewAnchor anchor = AnchorOfView();
        const QRect near = sb2->NearView();
        std::tie(first, last) = rows_.RowsIn(near.top(), near.bottom() + 1);
        bool corrected = false;
        for (int k = 2 * first + 1; k <= 2 * last; ++k)
            LabelNumbered(k, 2 * first + 1, 2 * last, corrected);
        if (!corrected)
            break;
        RestoreView(anchor);
    }
    nearFirst_ = first;
    nearLast_ = last;
    for (auto& [k, slot] : labels_) {
        TKvlabel* label = slot.label;
        if (slot.fill != fill_ || k > labelsUsed_) {
            if (!label->isHidden())
                label->hide();
            continue;
        }
        const int row = (k - 1) / 2;
        label->move(LeftEdge, k % 2 ? rows_.HeadingTop(row) : rows_.VerseTop(row));
        const bool shown = row >= first && row < last;
        if (label->isHidden() == shown)
            label->setVisible(shown);
    }
}

TKvlabel* TfRezultatiTrazenja::LabelNumbered(int k, int first, int last, bool& corrected) {
    auto found = labels_.find(k);
    if (found != labels_.end() && found->second.fill == fill_)
        return found->second.label;
    TKvlabel* label = found != labels_.end() ? found->second.label : TakeSpare(k, first, last);
    if (!label) {
        label = new TKvlabel(sb2->widget());
        connect(label, &TKvlabel::clicked, sb2, &TScrollBox::labelClicked);
    }
    label->setObjectName(LabelPrefix + QString::number(k));
    labels_[k] = Slot{label, fill_};
    corrected = Bind(label, k) || corrected;
    return label;
}

TKvlabel* TfRezultatiTrazenja::TakeSpare(int k, int first, int last) {
    // A label of the same kind, of a row away from the view: one beyond the list first.
    auto spare = labels_.end();
    for (auto it = labels_.begin(); it != labels_.end(); ++it) {
        const int j = it->first;
        if (j % 2 != k % 2 || (j >= first && j <= last))
            continue;
        spare = it;
        if (j > labelsUsed_ || it->second.fill != fill_)
            break;
    }
    if (spare == labels_.end())
        return nullptr;
    TKvlabel* label = spare->second.label;
    labels_.erase(spare);
    return label;
}

bool TfRezultatiTrazenja::Bind(TKvlabel* label, int k) {
    const int i = (k - 1) / 2;
    const ResultRow row = rows_.Row(i);
    const bool heading = k % 2 == 1;
    label->setTransparent();
    label->Sirina = wrapWidth_;
    label->setVrsta(heading ? Knjiga1 : Tekst1);
    label->setTekst(heading ? row.HeadingText() : row.VerseText());
    label->Marks = heading ? QList<TextRange>() : VerseMarks(row.Tekst, row.Rbr.size() + 2);
    label->setClickable(heading);
    label->PopupMenu = PopupMenu1;
    label->Knjiga = row.Knjiga;
    label->Glava = row.Glava;
    label->Rbr = row.Rbr;
    return !heading && rows_.SetVerseHeight(i, label->TextHeight());
}

void TfRezultatiTrazenja::FreeSpareLabels() {
    const size_t keep = std::max(KeptLabels, size_t(4 * (nearLast_ - nearFirst_)));
    if (labels_.size() <= keep)
        return;
    std::vector<int> spare;
    for (const auto& [k, slot] : labels_)
        if (slot.label->isHidden())
            spare.push_back(k);
    // The highest numbers go first: the labels of a short list stay.
    std::sort(spare.begin(), spare.end(), std::greater<int>());
    for (int k : spare) {
        if (labels_.size() <= keep)
            break;
        delete labels_[k].label;
        labels_.erase(k);
    }
}

TKvlabel* TfRezultatiTrazenja::AcquireResultLabel(int k) {
    if (k < 1 || k > labelsUsed_)
        return nullptr;
    const ViewAnchor anchor = AnchorOfView();
    bool corrected = false;
    TKvlabel* label = LabelNumbered(k, 2 * nearFirst_ + 1, 2 * nearLast_, corrected);
    const int row = (k - 1) / 2;
    if (row < nearFirst_ || row >= nearLast_)
        label->hide();
    if (corrected) {
        RestoreView(anchor);
        ShowNear();
    } else {
        label->move(LeftEdge, k % 2 ? rows_.HeadingTop(row) : rows_.VerseTop(row));
    }
    return label;
}

int TfRezultatiTrazenja::NumberOf(const TKvlabel* label) {
    return label ? NumberInName(label->objectName()) : 0;
}

TKvlabel* TfRezultatiTrazenja::FindLabel(const QString& name) {
    const int k = NumberInName(name);
    if (k >= 1 && k <= labelsUsed_)
        return AcquireResultLabel(k);
    const auto found = labels_.find(k);
    return found != labels_.end() ? found->second.label : nullptr;
}

int TfRezultatiTrazenja::RowOf(const TKvlabel* label) const {
    const int k = NumberOf(label);
    const auto found = labels_.find(k);
    if (k < 1 || k > labelsUsed_ || found == labels_.end() || found->second.label != label ||
        found->second.fill != fill_)
        return -1;
    return (k - 1) / 2;
}

void TfRezultatiTrazenja::ResultClick(TKvlabel* label) {
    if (!label || label->Vrsta() != Knjiga1 || !reader_.State)
        return;
    TReaderState& s = *reader_.State;
    const int pane = s.ActivePane();
    s.SetResultsPane(pane);
    const int chapter = StrToInt(label->Glava);
    const int verse = StrToInt(label->Rbr);
    // A search of another translation shows it in the pane.
    if (!searched_.file.isEmpty() &&
        TrimBlanks(searched_.file).compare(TrimBlanks(s.Pane(pane).file), Qt::CaseInsensitive) != 0)
        s.SetTranslation(pane, searched_.file,
                         QStringLiteral("  ") + TranslationItemCaption(searched_.translation));
    // The row is numbered as the searched translation; the pane may number otherwise.
    s.SetPlace(pane, label->Knjiga, chapter, verse, s.NumberingOf(searched_.file));
    s.SetActivePane(pane);
    if (reader_.ShowActivePane)
        reader_.ShowActivePane();
}

void TfRezultatiTrazenja::Podesi1Click() {
    sb2->setVertPosition(0);
    FillResults();
}

void TfRezultatiTrazenja::Ubaciupodsetnik2Click() {
    // A label of an earlier list that has since been freed or emptied adds nothing.
    const auto* label = qobject_cast<const TKvlabel*>(PopupMenu1->PopupComponent());
    if (label && RowOf(label) >= 0 && fPodsetnik_)
        fPodsetnik_->AddEntry(reader_.State
                                  ? EntryInNumbering(VerseLabelEntry(*label),
                                                     reader_.State->NumberingOf(searched_.file),
                                                     reader_.State->NumberingOf(QString()))
                                  : VerseLabelEntry(*label));
}

void TfRezultatiTrazenja::Podsetnik1Click() {
    if (fPodsetnik_)
        fPodsetnik_->ShowAt(frameGeometry().width() + 1, 1);
}

void TfRezultatiTrazenja::Preview1Click() {
    RequireRows();
    if (!fprint_)
        return;
    std::vector<ReportRow> rows;
    rows.reserve(found_.size());
    for (const ResultRow& row : found_)
        rows.push_back(VerseReportRow(row.Knjiga, row.Glava, row.Rbr, row.Tekst));
    fprint_->PreviewResults(
        std::move(rows),
        ResultsTitleLine(searched_.translation, searched_.words, int(found_.size())),
        searched_.words, searched_.folded);
}

void TfRezultatiTrazenja::Color1Click() {
    QColorDialog* dialog = reader_.CD1;
    if (!dialog)
        return;
    dialog->setCurrentColor(ToQColor(sb2->Color()));
    if (dialog->exec() == QDialog::Accepted)
        sb2->setColor(FromQColor(dialog->selectedColor()));
}

void TfRezultatiTrazenja::OnTop1Click() {
    const bool onTop = OnTop1->isChecked();
    if (StaysOnTop() == onTop)
        return;
    // Changing the flags hides the window: show it again where it was.
    const bool visible = isVisible();
    const QPoint at = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        move(at);
        show();
    }
}

QString TfRezultatiTrazenja::ResultCopyText(const TKvlabel* label) const {
    const int i = RowOf(label);
    if (i < 0)
        return {};
    const ResultRow row = rows_.Row(i);
    const QString title =
        reader_.Catalogue ? reader_.Catalogue->BookTitleOfCode(row.Knjiga) : QString();
    return VerseCopyText(title.isEmpty() ? row.Knjiga : title, row.Glava, {row.Rbr, row.Tekst},
                         searched_.translation);
}

void TfRezultatiTrazenja::KopirajStih2Click() {
    const QString text =
        ResultCopyText(qobject_cast<const TKvlabel*>(PopupMenu1->PopupComponent()));
    if (!text.isEmpty())
        CopyToClipboard(text);
}

bool TfRezultatiTrazenja::StaysOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TfRezultatiTrazenja::KeepUnderModal() {
    // A hidden window keeps its flags: changing them would make its platform window anew at
    // the next show.
    QWindow* window = windowHandle();
    if (!window || !StaysOnTop() || !isVisible())
        return;
    QWidget* modal = QApplication::activeModalWidget();
    const bool onTop = modal == nullptr;
    if (window->flags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // On the platform window only: the window keeps its place and its own on-top mode.
    window->setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (modal)
        modal->raise();
}

QPoint TfRezultatiTrazenja::ListPos(const TKvlabel* label) const {
    const int row = RowOf(label);
    if (row < 0)
        return label->mapTo(sb2->widget(), QPoint(0, 0));
    return QPoint(LeftEdge, NumberOf(label) % 2 ? rows_.HeadingTop(row) : rows_.VerseTop(row));
}

void TfRezultatiTrazenja::FormKeyDown(int key) {
    if (key == Qt::Key_Escape)
        close();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        OpenTopResult();
    else if ((key == Qt::Key_F10 || key == Qt::Key_F5) && reader_.MainKey)
        reader_.MainKey(key);
    else
        ScrollByKey(key, *sb2);
}

void TfRezultatiTrazenja::OpenTopResult() {
    OpenRow(TopRow());
}

int TfRezultatiTrazenja::TopRow() const {
    const int row = AnchorOfView().row;
    // Above the first heading the view shows the first result.
    if (row < 0 && rows_.Count() > 0 && sb2->verticalScrollBar()->value() < rows_.HeadingTop(0))
        return 0;
    return row;
}

void TfRezultatiTrazenja::OpenRow(int row) {
    if (holding_ && row >= 0 && row < rows_.Count())
        ResultClick(FindLabel(LabelPrefix + QString::number(2 * row + 1)));
}

QString TfRezultatiTrazenja::RowReading(int row) const {
    const ResultRow r = rows_.Row(row);
    const QString title =
        reader_.Catalogue ? reader_.Catalogue->BookTitleOfCode(r.Knjiga) : QString();
    QString place = (title.isEmpty() ? r.Knjiga : title) + QLatin1Char(' ') + r.Glava +
                    QLatin1Char(':') + r.Rbr;
    if (!searched_.translation.trimmed().isEmpty())
        place += QStringLiteral(", ") + searched_.translation.trimmed();
    return place + QStringLiteral(": ") + r.Tekst.trimmed();
}

QRect TfRezultatiTrazenja::RowBand(int row) const {
    const int top = rows_.HeadingTop(row);
    return QRect(LeftEdge, top, wrapWidth_, rows_.VerseTop(row) + rows_.VerseHeight(row) - top);
}

void TfRezultatiTrazenja::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
    QWidget::keyPressEvent(event);
}

bool TfRezultatiTrazenja::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sb2 && event->type() == QEvent::FocusIn) {
        // After the list itself, a screen reader hears the row Enter opens.
        QTimer::singleShot(0, this, [this] {
            announcedTop_ = TopRow();
            AnnounceTopResult(*this, announcedTop_);
        });
        return false;
    }
    // The list's keys are the window's: it scrolls, opens and closes as the window does.
    if (watched != sb2 || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    Guarded([&] { FormKeyDown(key); });
    return true;
}

void TfRezultatiTrazenja::FormClose() {
    found_ = {};
    holding_ = false;
    // The list stays; what only speeds the next fill goes: the learnt word widths and the
    // spare labels.
    verses_.reset();
    FreeSpareLabels();
    GiveBackFreeMemory();
    // Again once what the close releases later (deferred deletes, the platform window's
    // buffers) is freed too.
    QTimer::singleShot(0, this, [] { GiveBackFreeMemory(); });
}

void TfRezultatiTrazenja::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TfRezultatiTrazenja::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    for (auto& [k, slot] : labels_)
        delete slot.label;
    labels_.clear();
}
