#include "MainWindow.h"

#include "Application.h"
#include "BuildSettings.h"
#include "ChapterLayout.h"
#include "FlatPanel.h"
#include "Fonts.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "Look.h"
#include "Pictures.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "ScrollBox.h"
#include "Trazi.h"
#include "UpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

namespace {

void DressArrowButton(TMKvTranBtn* button, const QImage& picture) {
    button->setBitMap(picture);
    button->setBorder(BsIe);
    button->setCursor(Qt::PointingHandCursor);
    button->ColorIn = clBlue;
    button->ColorOut = clLime;
    button->ColorPush = clWhite;
}

// Places of the bottom panel's controls: as designed, and closer together for a narrow pane
// (an 800-pixel screen), so that every control stays in view.
struct BottomPlaces {
    QRect link, font, back;
    QPoint chapterCaption;
    QRect chapterEdit, chapterSpin, show;
    QPoint verseCaption;
    QRect verseEdit, verseSpin, forward;
};
constexpr BottomPlaces DesignPlaces{{2, 2, 14, 14},    {4, 42, 23, 23},  {32, 22, 40, 32},
                                    {78, 4},           {78, 26, 45, 24}, {123, 26, 15, 24},
                                    {144, 15, 29, 43}, {180, 4},         {180, 26, 45, 24},
                                    {225, 26, 15, 24}, {246, 22, 40, 32}};
constexpr BottomPlaces NarrowPlaces{{2, 2, 14, 14},    {4, 42, 23, 23},  {28, 22, 40, 32},
                                    {70, 4},           {70, 26, 36, 24}, {106, 26, 15, 24},
                                    {122, 15, 29, 43}, {153, 4},         {153, 26, 36, 24},
                                    {189, 26, 15, 24}, {205, 22, 40, 32}};
constexpr int DesignBottomWidth = 290;
// The narrowest pane whose bottom controls are all whole.
constexpr int PaneMinimumWidth = 246;

const QString EmptyPaneHint = QStringLiteral("Desni klik: izbor knjige i prevoda");

} // namespace

QString MainCaption(const QString& homepage) {
    const QString title = QStringLiteral("Vidoslov (Pretraga - Upoređivanje - Štampa)");
    if (homepage.isEmpty())
        return title;
    return title + QString(19, ' ') + QStringLiteral("Ovaj program je preuzet sa ") + homepage;
}

QString MainCaption() {
    return MainCaption(QString::fromUtf8(ProgramHomepage));
}

void TfMain::SetTextColor(QWidget* widget, TColor color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, ToQColor(color));
    widget->setPalette(pal);
}

// The names of a pane's controls that do not follow the pane's number.
struct TfMain::PaneNames {
    const char* column;
    const char* bottom;
    const char* font;
    const char* chapterCaption;
    const char* chapterSpinner;
    const char* show;
    const char* verseCaption;
    const char* verseSpinner;
};

TfMain::TfMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(MainCaption());
    setAutoFillBackground(true);
    setFont(PixelFont(QStringLiteral("Miroslavljeva Cirilica"), 11));
    resize(900, 763);

    state_ = new TReaderState(this);
    connect(state_, &TReaderState::activePaneChanged, this, &TfMain::PaintActivePane);
    connect(state_, &TReaderState::changed, this, &TfMain::FollowTranslation);
    PopUpMenu = Named(new TPopupMenu(this), QStringLiteral("PopUpMenu"));
    layout_.PopUpMenu = PopUpMenu;
    BuildPaneMenu();
    BuildMenu();
    BuildPanes();
    // White as designed on a light palette; a dark one keeps its own window colour, so that
    // the captions and the menu bar keep their contrast. The headings follow.
    FollowPalette(this, clWhite, [this] { RepaintHeadings(); });
    BuildZoomKeys();
    WatchKeys(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TfMain::FocusWindowChanged);
    FormCreate();
}

TfMain::~TfMain() {
    FormDestroy();
}

void TfMain::setSearchDialog(TfTrazi* dialog) {
    fTrazi_ = dialog;
}
void TfMain::setReminderWindow(TfPodsetnik* window) {
    fPodsetnik_ = window;
}
TfPodsetnik* TfMain::ReminderWindow() const {
    return fPodsetnik_;
}

void TfMain::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    Izbor1 = Named(menuBar()->addMenu(QStringLiteral("Izbor")), QStringLiteral("Izbor1"));
    Pretraga1 =
        Named(Izbor1->addAction(QStringLiteral("Pretraga    (F10)")), QStringLiteral("Pretraga1"));
    Podsetnik2 =
        Named(Izbor1->addAction(QStringLiteral("Podsetnik   (F5)")), QStringLiteral("Podsetnik2"));
    AddTranslationMenu();
    AddAppearanceMenu();
    Izlaz1 = Named(Izbor1->addAction(QStringLiteral("Izlaz")), QStringLiteral("Izlaz1"));
    connect(Pretraga1, &QAction::triggered, this,
            [this] { Guarded([this] { Pretraga1Click(); }); });
    connect(Podsetnik2, &QAction::triggered, this,
            [this] { Guarded([this] { Podsetnik2Click(); }); });
    connect(Izlaz1, &QAction::triggered, this, [this] { Guarded([this] { Izlaz1Click(); }); });
}

void TfMain::BuildPanes() {
    Splitters = new QSplitter(Qt::Horizontal, this);
    Splitters->setObjectName(QStringLiteral("Splitters"));
    Splitters->setHandleWidth(2);
    Splitters->setChildrenCollapsible(false);
    setCentralWidget(Splitters);

    static const PaneNames names[PaneCount + 1] = {
        {},
        {"panelLevo", "panelLevoDole", "BtnFont", "Label5", "UpDown5", "MKvTranBtn5", "Label4",
         "UpDown6"},
        {"panelDesno", "panelDesnoDole", "MKvTranBtn3", "Label3", "UpDown3", "MKvTranBtn2",
         "Label2", "UpDown4"},
        {"panelSredina", "panelSredinaDole", "MKvTranBtn1", "Label1", "UpDown1", "Btnpokazi",
         "label11", "UpDown2"},
    };
    // Left to right: pane 1, pane 3, pane 2.
    for (int p : {1, 3, 2})
        Splitters->addWidget(BuildPane(p, names[p]));
    // A screen reader meets the panes as they stand, left to right.
    for (int p : {1, 3, 2})
        PaneColumn(p)->raise();
    Splitters->setStretchFactor(0, 0);
    Splitters->setStretchFactor(1, 1);
    Splitters->setStretchFactor(2, 0);
    Named(Splitters->handle(1), QStringLiteral("Splitter1"));
    Named(Splitters->handle(2), QStringLiteral("Splitter2"));

    // Two buttons of the middle pane that take no part in anything.
    Button1 = Named(new QPushButton(panes_[3].bottom), QStringLiteral("Button1"));
    Button2 = Named(new QPushButton(panes_[3].bottom), QStringLiteral("Button2"));
    Button1->hide();
    Button2->hide();

    relayoutTimer_ = new QTimer(this);
    relayoutTimer_->setSingleShot(true);
    relayoutTimer_->setInterval(150);
    connect(relayoutTimer_, &QTimer::timeout, this,
            [this] { Guarded([this] { RelayoutPanes(); }); });
    for (int p = 1; p <= PaneCount; ++p)
        ConnectPane(p);
    SetTabOrder();
    // No narrower than three panes of their least width.
    setMinimumWidth(3 * PaneMinimumWidth + 2 * Splitters->handleWidth());
    for (int key : {Qt::Key_Left, Qt::Key_Right}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::AltModifier | key), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, key] { Guarded([&] { ChapterByKey(key); }); });
    }
    BuildKeys();
    NameControls();
}

void TfMain::SetTabOrder() {
    // Pane by pane as they stand, left to right; in a pane its text, the boxes, then the
    // buttons.
    QWidget* previous = nullptr;
    for (int p : {1, 3, 2}) {
        const PaneControls& c = panes_[p];
        for (QWidget* w : std::initializer_list<QWidget*>{c.box, c.link, c.font, c.back, c.chapter,
                                                          c.verse, c.show, c.forward}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
}

void TfMain::PlaceBottomControls(int pane) {
    const PaneControls& c = panes_[pane];
    const BottomPlaces& at = c.bottom->width() < DesignBottomWidth ? NarrowPlaces : DesignPlaces;
    c.link->setGeometry(at.link);
    c.font->setGeometry(at.font);
    c.back->setGeometry(at.back);
    c.chapterCaption->move(at.chapterCaption);
    c.chapter->setGeometry(at.chapterEdit);
    c.chapterSpinner->setGeometry(at.chapterSpin);
    c.show->setGeometry(at.show);
    c.verseCaption->move(at.verseCaption);
    c.verse->setGeometry(at.verseEdit);
    c.verseSpinner->setGeometry(at.verseSpin);
    c.forward->setGeometry(at.forward);
}

TFlatPanel* TfMain::BuildPane(int p, const PaneNames& n) {
    const QString digit = QString::number(p);
    PaneControls& c = panes_[p];

    c.column = Named(new TFlatPanel, QLatin1String(n.column));
    c.column->setTransparent(true);
    c.column->setColorHighLight(clWhite);
    c.column->setColorShadow(clWhite);
    c.column->resize(300, c.column->height());
    c.column->setMinimumWidth(PaneMinimumWidth);
    auto* column = new QVBoxLayout(c.column);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    c.bookLabel = Named(new QLabel(QStringLiteral("Knjiga"), c.column),
                        QStringLiteral("LabelKnjiga") + digit);
    c.bookLabel->setFixedHeight(38);
    c.bookLabel->setAlignment(Qt::AlignCenter);
    c.bookLabel->setWordWrap(true);
    c.bookLabel->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
    SetTextColor(c.bookLabel, HeadingColor(palette()));
    column->addWidget(c.bookLabel);

    c.box = Named(new TScrollBox(c.column), QStringLiteral("SB") + digit);
    c.box->Tag = p;
    c.box->PopupMenu = PopUpMenu;
    c.box->setEmptyHint(EmptyPaneHint);
    c.box->showEmptyHint(true);
    // A click or Tab gives the pane the focus: it becomes the active one, the arrows scroll
    // it and Backspace takes it back over its jumps.
    c.box->setFocusPolicy(Qt::StrongFocus);
    WatchKeys(c.box);
    column->addWidget(c.box, 1);

    c.bottom = Named(new TFlatPanel(c.column), QLatin1String(n.bottom));
    c.bottom->setTransparent(true);
    c.bottom->setFixedHeight(72);
    column->addWidget(c.bottom);
    TFlatPanel* bottom = c.bottom;

    c.link = Named(new QCheckBox(bottom), QStringLiteral("CBSpoji") + digit);
    WatchKeys(c.link);

    c.font = Named(new TMKvTranBtn(bottom), QLatin1String(n.font));
    c.font->setCaption(QStringLiteral("F"));
    c.font->setFont(PixelFont(QStringLiteral("Arial"), 15, true));
    SetTextColor(c.font, clNavy);
    c.font->setBorder(BsNormal);
    c.font->ColorIn = clBlue;
    c.font->ColorOut = clNavy;
    c.font->ColorPush = clBlue;
    c.font->Tag = p;

    c.back = Named(new TMKvTranBtn(bottom), QStringLiteral("BtnNazad") + digit);
    DressArrowButton(c.back, BackArrowPicture());
    c.back->Tag = p;

    const QFont captionFont = PixelFont(QStringLiteral("Arial"), 16, true);
    c.chapterCaption =
        Named(new QLabel(QStringLiteral("Glava:"), bottom), QLatin1String(n.chapterCaption));
    c.chapterCaption->setFont(captionFont);
    c.chapterCaption->adjustSize();

    c.chapter = Named(new TKvEdit(bottom), QStringLiteral("EditGlava") + digit);

    c.chapterSpinner = Named(new TUpDown(bottom), QLatin1String(n.chapterSpinner));
    c.chapterSpinner->setAssociate(c.chapter);

    c.show = Named(new TMKvTranBtn(bottom), QLatin1String(n.show));
    DressArrowButton(c.show, ShowArrowPicture());
    c.show->Tag = p;

    c.verseCaption =
        Named(new QLabel(QStringLiteral("Stih:"), bottom), QLatin1String(n.verseCaption));
    c.verseCaption->setFont(captionFont);
    c.verseCaption->adjustSize();

    c.verse = Named(new TKvEdit(bottom), QStringLiteral("EditRbr") + digit);

    c.verseSpinner = Named(new TUpDown(bottom), QLatin1String(n.verseSpinner));
    c.verseSpinner->setAssociate(c.verse);

    c.forward = Named(new TMKvTranBtn(bottom), QStringLiteral("BtnNapred") + digit);
    DressArrowButton(c.forward, ForwardArrowPicture());
    c.forward->Tag = p;

    c.link->setToolTip(QStringLiteral("Prati okno u kome radite"));
    c.font->setToolTip(QStringLiteral("Slova i boje ovog okna"));
    c.back->setToolTip(QStringLiteral("Prethodna glava (Alt+←)"));
    c.show->setToolTip(QStringLiteral("Prikaži upisanu glavu i stih"));
    c.forward->setToolTip(QStringLiteral("Sledeća glava (Alt+→)"));
    // Reached with Tab, clicked with Space or Enter.
    for (TMKvTranBtn* button : {c.font, c.back, c.show, c.forward}) {
        button->setFocusPolicy(Qt::TabFocus);
        WatchKeys(button);
    }

    const QFont editFont = PixelFont(QStringLiteral("MS Sans Serif"), 15);
    for (TKvEdit* edit : {c.chapter, c.verse}) {
        edit->Broj = Ceo;
        edit->Tag = p;
        edit->setFont(editFont);
        edit->setText(QStringLiteral("1"));
        WatchKeys(edit);
    }
    PlaceBottomControls(p);
    bottom->installEventFilter(this); // places its controls again when resized

    return c.column;
}

void TfMain::ConnectPane(int p) {
    const PaneControls& c = panes_[p];
    auto guard = [this](auto handler, QObject* sender) {
        return [this, handler, sender] { Guarded([&] { (this->*handler)(sender); }); };
    };
    connect(c.box, &TScrollBox::widthChanged, relayoutTimer_, qOverload<>(&QTimer::start));
    connect(c.box, &TScrollBox::clicked, this, [this, p] { Guarded([&] { SBClick(p); }); });
    connect(c.box, &TScrollBox::labelClicked, this, [this, p](TKvlabel* label) {
        Guarded([&] {
            if (label && label->Vrsta() == Tekst1)
                VerseClick(p, label);
            else if (label && IsMoreReferences(*label))
                OpenReferences(p, label);
            else
                ReferenceClick(p, label);
        });
    });
    connect(c.box, &TScrollBox::labelToolTip, this, [this, p](TKvlabel* label) {
        Guarded([&] {
            const QString text = ReferenceToolTip(p, *label);
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(QCursor::pos(), text, label);
        });
    });
    connect(c.link, &QCheckBox::toggled, state_,
            [this, p](bool linked) { state_->SetLinked(p, linked); });
    connect(c.show, &TMKvTranBtn::clicked, this, guard(&TfMain::BtnPokaziClick, c.show));
    connect(c.back, &TMKvTranBtn::clicked, this, guard(&TfMain::BtnNazadClick, c.back));
    connect(c.forward, &TMKvTranBtn::clicked, this, guard(&TfMain::BtnNapredClick, c.forward));
    connect(c.font, &TMKvTranBtn::clicked, this, guard(&TfMain::BtnFontClick, c.font));
    connect(c.chapter, &QLineEdit::textChanged, this, guard(&TfMain::EditGlavaChange, c.chapter));
    connect(c.verse, &QLineEdit::textChanged, this, guard(&TfMain::EditRbrChange, c.verse));
}

TFlatPanel* TfMain::PaneColumn(int pane) const {
    return panes_[pane].column;
}
TFlatPanel* TfMain::BottomPanel(int pane) const {
    return panes_[pane].bottom;
}
TMKvTranBtn* TfMain::FontButton(int pane) const {
    return panes_[pane].font;
}
TMKvTranBtn* TfMain::BackButton(int pane) const {
    return panes_[pane].back;
}
TMKvTranBtn* TfMain::ShowButton(int pane) const {
    return panes_[pane].show;
}
TMKvTranBtn* TfMain::ForwardButton(int pane) const {
    return panes_[pane].forward;
}
TScrollBox* TfMain::ScrollBox(int pane) const {
    return panes_[pane].box;
}
QLabel* TfMain::BookLabel(int pane) const {
    return panes_[pane].bookLabel;
}
TKvEdit* TfMain::ChapterEdit(int pane) const {
    return panes_[pane].chapter;
}
TKvEdit* TfMain::VerseEdit(int pane) const {
    return panes_[pane].verse;
}
QCheckBox* TfMain::LinkBox(int pane) const {
    return panes_[pane].link;
}
TUpDown* TfMain::ChapterSpinner(int pane) const {
    return panes_[pane].chapterSpinner;
}
TUpDown* TfMain::VerseSpinner(int pane) const {
    return panes_[pane].verseSpinner;
}
