#include "Podsetnik.h"

#include "Fonts.h"
#include "ItemHeightDelegate.h"
#include "IzborFile.h"
#include "KvTranBtn.h"
#include "Look.h"
#include "Messages.h"
#include "Pictures.h"
#include "ReaderState.h"
#include "SaveFolder.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

namespace {

void DressButton(TMKvTranBtn* button, const QString& caption, int pixels) {
    button->setCaption(caption);
    button->setFont(ArialPixels(pixels, true));
    button->setBorder(BsNormal);
    button->ColorIn = clBlue;
    button->ColorOut = clNavy;
    button->ColorPush = clWhite;
    button->setCursor(Qt::PointingHandCursor);
}

QFileDialog* IzborDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, title, SaveFolder());
    // Saving over an existing file asks first, in the dialog's own words.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setNameFilter(QStringLiteral("Izbor (*.Izbor)"));
    dialog->setDefaultSuffix(QStringLiteral("Izbor"));
    return dialog;
}

} // namespace

TfPodsetnik::TfPodsetnik(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      tile_(QPixmap::fromImage(BackgroundTile())) {
    setObjectName(QStringLiteral("fPodsetnik"));
    setWindowTitle(QStringLiteral("Vidoslov podsetnik"));
    setFixedSize(413, 522);
    setFont(ArialPixels(12));
    FollowPalette(this, clWhite);
    setAutoFillBackground(true);

    ListBoxPok = new QListWidget(this);
    ListBoxPok->setObjectName(QStringLiteral("ListBoxPok"));
    ListBoxPok->setGeometry(0, 0, 254, 518);
    ListBoxPok->setFont(ArialPixels(12));
    ListBoxPok->setItemDelegate(new ItemHeightDelegate(15, ListBoxPok));
    ListBoxPok->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxPok->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBoxPok, &QListWidget::itemDoubleClicked, this, [this] { ListBoxPokDblClick(); });
    ListBoxPok->installEventFilter(this); // Enter shows the chosen entry

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(284, 64, 77, 57);
    Image1->setScaledContents(false);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(tile_);

    Btnpokazi = new TMKvTranBtn(this);
    Btnpokazi->setObjectName(QStringLiteral("Btnpokazi"));
    Btnpokazi->setGeometry(288, 204, 122, 50);
    DressButton(Btnpokazi, QStringLiteral("Pokaži"), 16);
    // Queued: an error of the show then finds the button released, not stuck pushed.
    connect(
        Btnpokazi, &TMKvTranBtn::clicked, this, [this] { BtnpokaziClick(); }, Qt::QueuedConnection);

    BtnNazad = new TMKvTranBtn(this);
    BtnNazad->setObjectName(QStringLiteral("BtnNazad"));
    BtnNazad->setGeometry(312, 488, 98, 30);
    DressButton(BtnNazad, QStringLiteral("Zatvori"), 13);
    connect(BtnNazad, &TMKvTranBtn::clicked, this, [this] { BtnNazadClick(); });

    PopUp = new QMenu(this);
    PopUp->setObjectName(QStringLiteral("PopUp"));
    Snimi1 = PopUp->addAction(QStringLiteral("Snimi"));
    Snimi1->setObjectName(QStringLiteral("Snimi1"));
    Ucitaj1 = PopUp->addAction(QStringLiteral("Ucitaj"));
    Ucitaj1->setObjectName(QStringLiteral("Ucitaj1"));
    connect(Snimi1, &QAction::triggered, this, [this] { Snimi1Click(); });
    connect(Ucitaj1, &QAction::triggered, this, [this] { Ucitaj1Click(); });
    Vrati1 = PopUp->addAction(QStringLiteral("Vrati obrisano"));
    Vrati1->setObjectName(QStringLiteral("Vrati1"));
    Vrati1->setShortcut(QKeySequence::Undo);
    Vrati1->setShortcutContext(Qt::WindowShortcut);
    addAction(Vrati1);
    connect(Vrati1, &QAction::triggered, this, [this] { RestoreRemoved(); });
    connect(ListBoxPok, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopUp->popup(ListBoxPok->viewport()->mapToGlobal(pos)); });
}

void TfPodsetnik::Changed(bool unsaved) {
    unsaved_ = unsaved;
    emit entriesChanged();
}

void TfPodsetnik::AddEntry(const QString& entry) {
    ListBoxPok->addItem(entry);
    Changed(true);
}

void TfPodsetnik::RestoreEntries(const QStringList& entries) {
    SetEntries(entries);
    unsaved_ = !entries.isEmpty();
}

bool TfPodsetnik::RestoreRemoved() {
    if (removed_.isEmpty())
        return false;
    const auto [index, text] = removed_.takeLast();
    ListBoxPok->insertItem(std::min(index, ListBoxPok->count()), text);
    Changed(true);
    return true;
}

bool TfPodsetnik::HasUnsavedEntries() const {
    return unsaved_ && ListBoxPok->count() > 0;
}

QString TfPodsetnik::ReplaceQuestion() {
    return QStringLiteral("Podsetnik ima stavke koje nisu snimljene u datoteku. "
                          "Da li želite da ih zamenite učitanim?");
}

QStringList TfPodsetnik::Entries() const {
    QStringList entries;
    for (int i = 0; i < ListBoxPok->count(); ++i)
        entries << ListBoxPok->item(i)->text();
    return entries;
}

void TfPodsetnik::SetEntries(const QStringList& entries) {
    ListBoxPok->clear();
    ListBoxPok->addItems(entries);
    removed_.clear();
    Changed(false);
}

int TfPodsetnik::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = ListBoxPok->selectedItems();
    return selected.isEmpty() ? -1 : ListBoxPok->row(selected.first());
}

void TfPodsetnik::ShowAt(int left, int top) {
    move(left > 0 ? left : 1, top);
    placed_ = true;
    keepPlace_ = false;
    show();
    raise();
    activateWindow(); // the keys go to the list shown
}

void TfPodsetnik::PlaceAt(const QPoint& place) {
    move(place);
    placed_ = keepPlace_ = true;
}

void TfPodsetnik::ListBoxPokDblClick() {
    const int index = SelectedIndex();
    if (index < 0)
        return;
    QListWidgetItem* item = ListBoxPok->takeItem(index);
    removed_.append({index, item->text()});
    delete item;
    Changed(true);
    // The neighbour that moved up is not the user's choice.
    ListBoxPok->setCurrentRow(-1);
    ListBoxPok->clearSelection();
}

void TfPodsetnik::setReader(TReaderState* state, std::function<void()> showActivePane) {
    state_ = state;
    showActivePane_ = std::move(showActivePane);
}

void TfPodsetnik::BtnpokaziClick() {
    const int index = SelectedIndex();
    if (index < 0 || !state_)
        return;
    // An entry is numbered as the default translation; its errors (ConvertError for a text
    // that is no reference) pass through.
    state_->SetActiveReference(ListBoxPok->item(index)->text(), state_->NumberingOf(QString()));
    if (showActivePane_)
        showActivePane_();
}

bool TfPodsetnik::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_Escape:
        BtnNazadClick();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        BtnpokaziClick();
        return true;
    default:
        return false;
    }
}

void TfPodsetnik::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

bool TfPodsetnik::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBoxPok && event->type() == QEvent::KeyPress)
        return FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void TfPodsetnik::BtnNazadClick() {
    hide();
}

QFileDialog* TfPodsetnik::OD1() {
    if (!od1_) {
        od1_ = IzborDialog(this, QStringLiteral("Ucitaj"), QFileDialog::AcceptOpen);
        od1_->setObjectName(QStringLiteral("OD1"));
    }
    return od1_;
}

QFileDialog* TfPodsetnik::SD1() {
    if (!sd1_) {
        sd1_ = IzborDialog(this, QStringLiteral("Snimi"), QFileDialog::AcceptSave);
        sd1_->setObjectName(QStringLiteral("SD1"));
    }
    return sd1_;
}

void TfPodsetnik::Snimi1Click() {
    if (SD1()->exec() != QDialog::Accepted || SD1()->selectedFiles().isEmpty())
        return;
    SaveToFile(SD1()->selectedFiles().first());
}

void TfPodsetnik::Ucitaj1Click() {
    // Entries not yet saved are replaced only when the user says so.
    const auto ask = [this] {
        QMessageBox box(QMessageBox::Question, windowTitle(), ReplaceQuestion(),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    if (HasUnsavedEntries() && !AskQuestion(ReplaceQuestion(), ask))
        return;
    if (OD1()->exec() != QDialog::Accepted || OD1()->selectedFiles().isEmpty())
        return;
    LoadFromFile(OD1()->selectedFiles().first());
}

bool TfPodsetnik::SaveToFile(const QString& path) {
    QString error;
    if (SaveIzbor(path, Entries(), &error)) {
        unsaved_ = false;
        return true;
    }
    ShowMessage(QStringLiteral("Podsetnik nije snimljen u datoteku %1: %2")
                    .arg(QDir::toNativeSeparators(path), error));
    return false;
}

bool TfPodsetnik::LoadFromFile(const QString& path) {
    QStringList entries;
    QString error;
    if (!LoadIzbor(path, &entries, &error)) {
        ShowMessage(QStringLiteral("Podsetnik nije učitan iz datoteke %1: %2")
                        .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    SetEntries(entries);
    return true;
}

void TfPodsetnik::FormPaint(QPainter& painter) {
    PaintTiledBackdrop(painter, tile_, size(), palette());
}

void TfPodsetnik::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    FormPaint(painter);
}

void TfPodsetnik::contextMenuEvent(QContextMenuEvent* event) {
    PopUp->popup(event->globalPos());
}
