#include "Trazi.h"

#include "CopyText.h"
#include "Fonts.h"
#include "KvTranBtn.h"
#include "LiveCount.h"
#include "Look.h"
#include "Messages.h"
#include "Phrase.h"
#include "Pictures.h"
#include "QueryBuilder.h"
#include "SearchText.h"
#include "TranslationList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QSize DesignSize(862, 554);
const QSize FrameAllowance(16, 48);

// Where each control of the page stands: in the design arrangement, and in the narrow one used
// where the screen is narrower than the design. The narrow one keeps the word rows, narrows the
// book lists and moves the translation, the diacritics box and the search button into the column
// beside them. A label without a size keeps the size of its caption.
struct Place {
    const char* name;
    QRect design;
    QRect narrow;
};
const QSize NarrowSize(738, 510);
const Place Places[] = {
    {"Label3", {16, 8, 209, 33}, {16, 8, 209, 33}},
    {"EditRecAnd", {16, 48, 206, 23}, {16, 48, 206, 23}},
    {"ListBoxAND", {16, 96, 206, 97}, {16, 96, 206, 97}},
    {"Label4", {264, 8, 155, 30}, {264, 8, 155, 30}},
    {"EditRecOR", {264, 48, 206, 23}, {264, 48, 206, 23}},
    {"ListBoxOR", {264, 96, 206, 97}, {264, 96, 206, 97}},
    {"Label5", {512, 16, 177, 30}, {512, 16, 177, 30}},
    {"EditNeke", {512, 48, 206, 23}, {512, 48, 206, 23}},
    {"ListBoxNeke", {512, 96, 206, 97}, {512, 96, 206, 97}},
    {"CheckBoxStari", {20, 220, 14, 14}, {20, 220, 14, 14}},
    {"Label1", {36, 217, 0, 0}, {36, 217, 0, 0}},
    {"ListBoxStari", {20, 240, 341, 294}, {20, 240, 230, 250}},
    {"CheckBoxNovi", {372, 220, 14, 14}, {262, 220, 14, 14}},
    {"Label2", {388, 218, 0, 0}, {278, 218, 0, 0}},
    {"ListBoxNovi", {372, 240, 357, 297}, {262, 240, 330, 250}},
    {"LabelPrevod", {740, 16, 118, 30}, {604, 218, 118, 20}},
    {"ComboPrevod", {740, 48, 112, 23}, {604, 240, 112, 23}},
    {"LabelPrevodIme", {740, 76, 118, 60}, {604, 268, 118, 60}},
    {"BtnOcisti", {16, 196, 64, 20}, {16, 196, 64, 20}},
    {"LabelReci", {88, 198, 640, 16}, {88, 198, 640, 16}},
    {"LabelBroj", {740, 150, 118, 40}, {604, 332, 118, 40}},
    {"CheckBoxKvacice", {748, 424, 14, 14}, {612, 380, 14, 14}},
    {"LabelKvacice", {766, 421, 92, 48}, {630, 377, 92, 48}},
    {"BtnTrazi", {748, 486, 101, 51}, {612, 440, 101, 51}},
};

// A scroll area that asks for its whole page, so that the dialog is as large as the design
// where the screen has room for it.
class PageScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->size() : QSize()) + QSize(frame, frame);
    }
};

QListWidget* AddBookList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(ArialPixels(12));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The titles fit the narrow lists too; a sideways bar would only hide the last title.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QCheckBox* AddWholeBox(QWidget* parent, const QString& name) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TfTrazi::TfTrazi(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      tile_(QPixmap::fromImage(BackgroundTile())), liveCount_(new TLiveCount(this)) {
    setObjectName(QStringLiteral("fTrazi"));
    setWindowTitle(QStringLiteral("Vidoslov - Pretraga"));
    setFont(ArialPixels(11));
    FollowPalette(this, clWhite);
    setAutoFillBackground(true);
    catalogue_.FillBookCatalogue();

    // The controls stand on a page; where even the narrow arrangement does not fit, it scrolls.
    Page = new QWidget;
    Page->setObjectName(QStringLiteral("Page"));
    Page->resize(DesignSize);
    Scroller = new PageScrollArea(this);
    Scroller->setObjectName(QStringLiteral("Scroller"));
    Scroller->setFrameShape(QFrame::NoFrame);
    Scroller->setFocusPolicy(Qt::NoFocus);
    Scroller->setWidget(Page);
    // The dialog's tiles show through.
    Page->setAutoFillBackground(false);
    Scroller->viewport()->setAutoFillBackground(false);
    Rows = new QVBoxLayout(this);
    Rows->setContentsMargins(0, 0, 0, 0);
    Rows->setSpacing(0);
    Rows->addWidget(Scroller, 1);

    Label3 = AddLabel(QStringLiteral("Mora da postoji u stihu: ( reč ili deo reči)"),
                      QStringLiteral("Label3"), true);
    EditRecAnd = AddEdit(QStringLiteral("EditRecAnd"));
    ListBoxAND = AddWordList(QStringLiteral("ListBoxAND"));
    Label4 = AddLabel(QStringLiteral("Bar jedna mora da postoji u stihu: ( reč ili deo reči)"),
                      QStringLiteral("Label4"), true);
    EditRecOR = AddEdit(QStringLiteral("EditRecOR"));
    ListBoxOR = AddWordList(QStringLiteral("ListBoxOR"));
    Label5 = AddLabel(QStringLiteral("Ne sme da postoji u stihu: ( reč ili deo reči)"),
                      QStringLiteral("Label5"), true);
    EditNeke = AddEdit(QStringLiteral("EditNeke"));
    ListBoxNeke = AddWordList(QStringLiteral("ListBoxNeke"));

    CheckBoxStari = AddWholeBox(Page, QStringLiteral("CheckBoxStari"));
    Label1 = AddLabel(QStringLiteral("Stari zavet"), QStringLiteral("Label1"), false);
    ListBoxStari = AddBookList(Page, QStringLiteral("ListBoxStari"));
    CheckBoxNovi = AddWholeBox(Page, QStringLiteral("CheckBoxNovi"));
    Label2 = AddLabel(QStringLiteral("Novi zavet"), QStringLiteral("Label2"), false);
    ListBoxNovi = AddBookList(Page, QStringLiteral("ListBoxNovi"));

    CheckBoxKvacice = new QCheckBox(Page);
    CheckBoxKvacice->setObjectName(QStringLiteral("CheckBoxKvacice"));
    LabelKvacice = AddLabel(QStringLiteral("Bez obzira na kvačice i pismo"),
                            QStringLiteral("LabelKvacice"), true);
    LabelKvacice->installEventFilter(this); // a click on the caption ticks the box

    LabelPrevod = AddLabel(QStringLiteral("Traži u prevodu:"), QStringLiteral("LabelPrevod"), true);
    ComboPrevod = new QComboBox(Page);
    ComboPrevod->setObjectName(QStringLiteral("ComboPrevod"));
    ComboPrevod->setFont(ArialPixels(12));
    // The list opens as wide as its longest caption.
    ComboPrevod->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboPrevod->setFixedWidth(112);
    ComboPrevod->view()->setMinimumWidth(300);
    // The narrow list shows the start of a caption; the whole of it stands below.
    LabelPrevodIme = new QLabel(Page);
    LabelPrevodIme->setObjectName(QStringLiteral("LabelPrevodIme"));
    LabelPrevodIme->setFont(ArialPixels(11));
    LabelPrevodIme->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelPrevodIme->setWordWrap(true);
    connect(ComboPrevod, &QComboBox::currentTextChanged, LabelPrevodIme, &QLabel::setText);
    ComboPrevod->addItem(QStringLiteral("Osnovnik"), QString());

    LabelBroj = AddLabel(QString(), QStringLiteral("LabelBroj"), true);
    LabelReci = AddLabel(QString(), QStringLiteral("LabelReci"), false);
    LabelReci->setFont(ArialPixels(12));
    BtnOcisti = new QPushButton(QStringLiteral("Očisti"), Page);
    BtnOcisti->setObjectName(QStringLiteral("BtnOcisti"));
    BtnOcisti->setFont(ArialPixels(11));
    BtnOcisti->setFocusPolicy(Qt::NoFocus);
    connect(BtnOcisti, &QPushButton::clicked, this, [this] { BtnOcistiClick(); });
    connect(liveCount_, &TLiveCount::counted, this, [this](int verses) { ShowCount(verses); });
    for (QLineEdit* edit : {EditRecAnd, EditRecOR, EditNeke})
        connect(edit, &QLineEdit::textChanged, this, [this] { WordsChanged(); });
    connect(CheckBoxKvacice, &QCheckBox::toggled, this, [this] { WordsChanged(); });
    connect(CheckBoxStari, &QCheckBox::toggled, this, [this] { WordsChanged(); });
    connect(CheckBoxNovi, &QCheckBox::toggled, this, [this] { WordsChanged(); });
    connect(ListBoxStari, &QListWidget::itemChanged, this, [this] { WordsChanged(); });
    connect(ListBoxNovi, &QListWidget::itemChanged, this, [this] { WordsChanged(); });
    connect(ComboPrevod, &QComboBox::currentIndexChanged, this, [this] { WordsChanged(); });

    BtnTrazi = new TMKvTranBtn(Page);
    BtnTrazi->setObjectName(QStringLiteral("BtnTrazi"));
    BtnTrazi->setCaption(QStringLiteral("&Traži"));
    BtnTrazi->setFont(ArialPixels(16, true));
    BtnTrazi->setBorder(BsNormal);
    BtnTrazi->ColorIn = clBlue;
    BtnTrazi->ColorOut = clNavy;
    NameControls();
    BtnTrazi->ColorPush = clBlue;
    // Queued: an error of the search then finds the button released, not stuck pushed.
    connect(
        BtnTrazi, &TMKvTranBtn::clicked, this, [this] { BtnTraziClick(); }, Qt::QueuedConnection);
    auto* mnemonic = new QShortcut(QKeySequence::mnemonic(BtnTrazi->Caption()), this);
    connect(mnemonic, &QShortcut::activated, BtnTrazi, &TMKvTranBtn::clicked);

    QWidget* order[] = {EditRecAnd,   ListBoxAND,   EditRecOR,   ListBoxOR,
                        EditNeke,     ListBoxNeke,  ComboPrevod, CheckBoxStari,
                        ListBoxStari, CheckBoxNovi, ListBoxNovi};
    for (QWidget* w : order)
        w->installEventFilter(this);
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Arrange(false);
}

void TfTrazi::Arrange(bool narrow) {
    Page->resize(narrow ? NarrowSize : DesignSize);
    // The controls in the order of Places.
    QWidget* const controls[] = {
        Label3,       EditRecAnd, ListBoxAND,  Label4,          EditRecOR,    ListBoxOR,
        Label5,       EditNeke,   ListBoxNeke, CheckBoxStari,   Label1,       ListBoxStari,
        CheckBoxNovi, Label2,     ListBoxNovi, LabelPrevod,     ComboPrevod,  LabelPrevodIme,
        BtnOcisti,    LabelReci,  LabelBroj,   CheckBoxKvacice, LabelKvacice, BtnTrazi};
    static_assert(std::size(controls) == std::size(Places));
    for (size_t i = 0; i < std::size(Places); ++i) {
        const Place& place = Places[i];
        QWidget* control = controls[i];
        Q_ASSERT(control->objectName() == QLatin1String(place.name));
        const QRect& rect = narrow ? place.narrow : place.design;
        if (rect.isEmpty())
            control->move(rect.topLeft());
        else
            control->setGeometry(rect);
    }
    Scroller->updateGeometry();
    Rows->invalidate();
}

QLabel* TfTrazi::AddLabel(const QString& caption, const QString& name, bool wrap) {
    auto* label = new QLabel(caption, Page);
    label->setObjectName(name);
    label->setFont(ArialPixels(12, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wrap);
    if (!wrap)
        label->adjustSize();
    return label;
}

QLineEdit* TfTrazi::AddEdit(const QString& name) {
    auto* edit = new QLineEdit(Page);
    edit->setObjectName(name);
    edit->setFont(ArialPixels(12));
    return edit;
}

QListWidget* TfTrazi::AddWordList(const QString& name) {
    auto* list = new QListWidget(Page);
    list->setObjectName(name);
    list->setFont(ArialPixels(12));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { ListBoxANDORClick(list); });
    return list;
}

SearchWords TfTrazi::Words() const {
    const auto texts = [](const QListWidget* list) {
        QStringList words;
        for (int i = 0; i < list->count(); ++i)
            words << list->item(i)->text();
        return words;
    };
    return {texts(ListBoxAND), texts(ListBoxNeke), texts(ListBoxOR)};
}

TestamentChoice TfTrazi::Choice(const QListWidget* list, const QCheckBox* whole) const {
    TestamentChoice choice;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        choice.codes << catalogue_.BookCodeOfTitle(item->text());
        choice.marked << (item->checkState() == Qt::Checked);
    }
    choice.whole = whole->isChecked();
    return choice;
}

QString TfTrazi::BuildWordCondition() const {
    return ::BuildWordCondition(Words(), CheckBoxKvacice->isChecked());
}

QString TfTrazi::BuildBookCondition() const {
    return ::BuildBookCondition(Choice(ListBoxStari, CheckBoxStari),
                                Choice(ListBoxNovi, CheckBoxNovi));
}

SearchRequest TfTrazi::Request() const {
    return {Words(),
            Choice(ListBoxStari, CheckBoxStari),
            Choice(ListBoxNovi, CheckBoxNovi),
            CheckBoxKvacice->isChecked(),
            ComboPrevod->currentData().toString(),
            ComboPrevod->currentText()};
}

void TfTrazi::ProposeTranslation(const QString& file) {
    proposed_ = TrimSearchText(file);
    // Before the first activation the list holds only the default translation.
    if (ComboPrevod->count() <= 1 && !programFolder_.isEmpty())
        FillTranslations();
    else
        ChooseProposed();
}

void TfTrazi::ChooseProposed() {
    int at = 0;
    for (int i = 1; i < ComboPrevod->count(); ++i)
        if (ComboPrevod->itemData(i).toString().compare(proposed_, Qt::CaseInsensitive) == 0)
            at = i;
    ComboPrevod->setCurrentIndex(at);
}

std::optional<SearchRequest> TfTrazi::CountRequest() const {
    SearchRequest request = Request();
    const std::pair<QLineEdit*, QStringList*> typed[] = {{EditRecAnd, &request.words.required},
                                                         {EditRecOR, &request.words.alternatives},
                                                         {EditNeke, &request.words.excluded}};
    for (const auto& [edit, list] : typed) {
        const QString word = TrimSearchText(edit->text());
        if (word.isEmpty())
            continue;
        const QString letters = IsPhrase(word) ? PhraseWords(word).join(u' ') : word;
        if (letters.size() < 3)
            return std::nullopt;
        *list << word;
    }
    if (SearchStatement(request).isEmpty())
        return std::nullopt;
    return request;
}

void TfTrazi::WordsChanged() {
    SearchWords words = Words();
    words.required << TrimSearchText(EditRecAnd->text());
    words.alternatives << TrimSearchText(EditRecOR->text());
    words.excluded << TrimSearchText(EditNeke->text());
    for (QStringList* list : {&words.required, &words.alternatives, &words.excluded})
        list->removeAll(QString());
    LabelReci->setText(WordsLine(words));
    LabelReci->adjustSize();
    const std::optional<SearchRequest> request = CountRequest();
    if (!request) {
        if (isVisible()) // the user is typing: the count's connection is made meanwhile
            liveCount_->Prepare(Request().file, programFolder_);
        else
            liveCount_->Cancel();
        ShowCount(-1);
        return;
    }
    liveCount_->Request(*request, programFolder_);
}

void TfTrazi::ShowCount(int verses) {
    LabelBroj->setText(verses < 0 ? QString()
                                  : QStringLiteral("Poklapanja: ") + GroupedCount(verses));
}

void TfTrazi::BtnOcistiClick() {
    for (QListWidget* list : {ListBoxAND, ListBoxOR, ListBoxNeke}) {
        const QSignalBlocker block(list);
        list->clear();
    }
    WordsChanged();
}

SearchResult TfTrazi::SearchFolded(SearchRequest request) {
    CheckBoxKvacice->setChecked(true);
    request.folded = true;
    SearchResult result = RunSearch(request, programFolder_);
    searched_ = result.searched;
    return result;
}

void TfTrazi::FillTranslations() {
    translationChoice_ = TranslationChoice();
    const QList<TranslationEntry> list = ReadTranslationLists(programFolder_);
    const QString defaultCaption = CaptionOfFile(QLatin1String(DefaultTranslationFile), list);
    ComboPrevod->clear();
    ComboPrevod->addItem(defaultCaption.isEmpty() ? QStringLiteral("Osnovnik") : defaultCaption,
                         QString());
    for (const TranslationEntry& entry : list) {
        const QString file = TrimSearchText(entry.fileName);
        if (file.compare(QLatin1String(DefaultTranslationFile), Qt::CaseInsensitive) != 0)
            ComboPrevod->addItem(TrimSearchText(entry.caption), file);
    }
    if (proposed_.isEmpty())
        ComboPrevod->setCurrentIndex(std::max(0, ComboPrevod->findData(translationChoice_)));
    else
        ChooseProposed();
}

QString TfTrazi::TranslationChoice() const {
    return ComboPrevod->count() > 0 ? ComboPrevod->currentData().toString() : translationChoice_;
}

void TfTrazi::SetTranslationChoice(const QString& file) {
    translationChoice_ = file;
    if (ComboPrevod->count() > 0)
        ComboPrevod->setCurrentIndex(std::max(0, ComboPrevod->findData(file)));
}

void TfTrazi::FormActivate() {
    EditRecAnd->clear();
    EditRecOR->clear();
    EditNeke->clear();
    if (ListBoxNovi->count() > 0)
        return;
    if (!programFolder_.isEmpty())
        FillTranslations();
    for (int i = 1; i <= BookCatalogue::BookCount; ++i) {
        auto* item = new QListWidgetItem(catalogue_.BookTitles[i]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        (i <= BookCatalogue::LastOldTestamentBook ? ListBoxStari : ListBoxNovi)->addItem(item);
    }
}

void TfTrazi::FormKeyDown(int key) {
    if (key == Qt::Key_Escape)
        reject();
}

void TfTrazi::EnterWord(QLineEdit* edit, QListWidget* list, int key) {
    if (!IsEnter(key) || edit->text().isEmpty())
        return;
    list->addItem(TrimSearchText(edit->text()));
    edit->clear(); // names the words anew
}

void TfTrazi::EditRecAndKeyDown(int key) {
    EnterWord(EditRecAnd, ListBoxAND, key);
}

void TfTrazi::EditRecORKeyDown(int key) {
    EnterWord(EditRecOR, ListBoxOR, key);
}

void TfTrazi::EditNekeKeyDown(int key) {
    EnterWord(EditNeke, ListBoxNeke, key);
}

void TfTrazi::ListBoxANDORClick(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    // Without signals: the removal moves the current item, which must not remove it too.
    const QSignalBlocker blockList(list);
    const QSignalBlocker blockSelection(list->selectionModel());
    delete list->takeItem(list->row(selected.first()));
    list->clearSelection();
    list->setCurrentItem(nullptr);
    list->viewport()->update();
    WordsChanged();
}

void TfTrazi::TakeTypedWords() {
    const int enter = Qt::Key_Return;
    EnterWord(EditRecAnd, ListBoxAND, enter);
    EnterWord(EditRecOR, ListBoxOR, enter);
    EnterWord(EditNeke, ListBoxNeke, enter);
}

void TfTrazi::BtnTraziClick() {
    // A word still in its edit counts as entered: the user sees it and means it.
    TakeTypedWords();
    const SearchRequest request = Request();
    if (SearchStatement(request).isEmpty()) {
        ShowMessage(QStringLiteral("Nije unesena nijedna rec!"));
        return;
    }
    searched_ = {request.translation, request.file,
                 request.words.required + request.words.alternatives, request.folded};
    result_ = {};
    result_ = RunSearch(request, programFolder_);
    accept();
}

void TfTrazi::FormPaint(QPainter& painter) {
    PaintTiledBackdrop(painter, tile_, size(), palette());
}

QColor TfTrazi::Backdrop() const {
    return TiledBackdropColor(palette());
}

bool TfTrazi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelKvacice && event->type() == QEvent::MouseButtonRelease) {
        CheckBoxKvacice->toggle();
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    FormKeyDown(key);
    if (key == Qt::Key_Escape)
        return true;
    if (!IsEnter(key))
        return false;
    if (watched == EditRecAnd)
        EditRecAndKeyDown(key);
    else if (watched == EditRecOR)
        EditRecORKeyDown(key);
    else if (watched == EditNeke)
        EditNekeKeyDown(key);
    else
        return false;
    return true;
}

void TfTrazi::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfTrazi::FitToScreen(const QSize& screenRoom) {
    // The frame's own size is known only once the window is shown: an allowance for it.
    const QSize room = screenRoom - FrameAllowance;
    Arrange(room.width() < DesignSize.width());
    setFixedSize(sizeHint().boundedTo(room));
}

void TfTrazi::setVisible(bool visible) {
    if (!visible)
        liveCount_->Cancel(); // a count that comes after the dialog has gone is not shown
    if (visible)
        FitToScreen(screen()->availableGeometry().size());
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        QRect place = geometry();
        place.moveCenter(screen()->availableGeometry().center());
        move(place.topLeft());
    }
    QDialog::setVisible(visible);
}

void TfTrazi::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FormPaint(painter);
}
