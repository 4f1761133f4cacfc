#include "RezultatiTrazenja.h"

#include "ChapterLayout.h"
#include "Convert.h"
#include "CopyText.h"
#include "Errors.h"
#include "HitMarks.h"
#include "Kvlabel.h"
#include "LabelBlocks.h"
#include "Messages.h"
#include "PaneMenu.h"
#include "PaneState.h"
#include "Pictures.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "Query.h"
#include "ReminderEntry.h"
#include "Reports.h"
#include "ScrollBox.h"
#include "ScrollKeys.h"
#include "print.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
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
// Two labels a row: a block holds a hundred rows.
constexpr int LabelsPerBlock = 200;
// The gauge is painted at least this often while a list is filled.
constexpr qint64 GaugePaintMs = 40;
// How long a newly shown window may take to appear before the fill starts anyway.
constexpr qint64 ExposeWaitMs = 1000;
constexpr int RepaintWaitMs = 50;

// An error a menu or click handler lets through goes to the error box; the window goes on.
template <class Handler> void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        const auto* app = dynamic_cast<const AppError*>(&error);
        ShowMessage(app ? app->text() : QString::fromLocal8Bit(error.what()));
    }
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
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(WindowColor));
    setPalette(pal);
    setAutoFillBackground(true);
    AskToContinue = [this](const QString& text) { return AskInBox(this, text); };

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
    sb2->setColor(WindowColor);
    auto* client = new QVBoxLayout(this);
    client->setContentsMargins(0, 0, 0, 0);
    client->addWidget(sb2);
    blocks_ = std::make_unique<TLabelBlocks>(sb2->widget(), LabelsPerBlock);
    connect(sb2, &TScrollBox::viewMoved, this, [this] { blocks_->ShowNear(sb2->NearView()); });
    onResultClick_ = [this](TKvlabel* label) { Guarded([&] { ResultClick(label); }); };

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
                    &TfRezultatiTrazenja::Peview1Click);
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
    labelsCreated_ = 0;
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
    if (Searched.words.isEmpty())
        return marks;
    for (const HitRange& hit : HitRanges(tekst, Searched.words, Searched.folded))
        marks.append({hit.start + prefix, hit.length});
    return marks;
}

QString TfRezultatiTrazenja::TotalCaption(int rows, const QString& translation) {
    return translation.isEmpty() ? TotalCaption(rows)
                                 : TotalCaption(rows) + QStringLiteral(" — ") + translation;
}

void TfRezultatiTrazenja::ShowResults() {
    if (!query_ || !query_->isOpen())
        return;
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
        WaitUntilExposed();
    }
    const int rows = query_->recordCount();
    if (rows > AskAbove) {
        if (!(AskToContinue && AskToContinue(TooManyQuestion(rows))))
            return;
        // What the question covered is painted again before the long fill; the user's input
        // waits.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, RepaintWaitMs);
    }
    setWindowTitle(TotalCaption(rows, Searched.translation));
    FillResults();
}

void TfRezultatiTrazenja::WaitUntilExposed() {
    // The gauge paints only on a window the screen shows. The user's input waits.
    QElapsedTimer clock;
    clock.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && clock.elapsed() < ExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

void TfRezultatiTrazenja::RequireOpenQuery() const {
    if (!query_)
        throw Query::ClosedError();
    query_->requireOpen();
}

void TfRezultatiTrazenja::FillResults() {
    // A closed query or one without the verse columns fails before the list is touched.
    RequireOpenQuery();
    Query& q = *query_;
    q.first();
    if (!q.eof())
        for (const char* column : {"knjiga", "glava", "tekst", "rbr"})
            q.fieldAsText(QLatin1String(column));

    labelsUsed_ = 0;
    const QSize outer = frameGeometry().size();
    Image1->move((outer.width() - Image1->width()) / 2, (outer.height() - Image1->height()) / 2);
    sb2->setVertPosition(0);
    sb2->hide();
    Gauge1->setRange(0, q.recordCount());
    Gauge1->setValue(0);
    Gauge1->setGeometry(Image1->x(), Image1->y() + Image1->height(), Image1->width(), GaugeHeight);
    Gauge1->show();
    repaint();

    int y = FirstTop;
    // Also after a failed read, the list shows what was laid out, without older labels.
    auto finish = [&] {
        // Labels beyond those of the last list are empty and hidden already. Hidden first,
        // they make hiding the blocks no longer in use cheap.
        HideSurplusLabels(labels_, LabelPrefix, labelsUsed_, qMax(labelsUsed_, lastListed_));
        lastListed_ = labelsUsed_;
        const int right = blocks_->Finish(labelsUsed_, y);
        sb2->setContentSize(QSize(right, y));
        blocks_->ShowNear(sb2->NearView());
        q.first();
        sb2->show();
    };
    QElapsedTimer clock;
    clock.start();
    qint64 painted = 0;
    try {
        q.first();
        while (!q.eof()) {
            const QString knjiga = q.fieldAsText(QStringLiteral("knjiga"));
            const QString glava = q.fieldAsText(QStringLiteral("glava"));
            const QString tekst = q.fieldAsText(QStringLiteral("tekst"));
            const QString rbr = q.fieldAsText(QStringLiteral("rbr"));
            q.next();
            Gauge1->setValue(Gauge1->value() + 1);
            if (clock.elapsed() - painted >= GaugePaintMs) {
                Gauge1->repaint();
                painted = clock.elapsed();
            }

            ++labelsUsed_;
            TKvlabel* heading = AcquireResultLabel();
            heading->setVrsta(Knjiga1);
            heading->setTekst(QStringLiteral("knjiga : ") + knjiga + QStringLiteral("  glava: ") +
                              glava);
            blocks_->Place(heading, labelsUsed_, LeftEdge, y);
            heading->OnClick = onResultClick_;
            heading->PopupMenu = PopupMenu1;
            heading->Knjiga = knjiga;
            heading->Glava = glava;
            heading->Rbr = rbr;
            y += heading->y();

            ++labelsUsed_;
            TKvlabel* verse = AcquireResultLabel();
            verse->setVrsta(Tekst1);
            verse->setTekst(rbr + QStringLiteral(". ") + tekst);
            verse->Marks = VerseMarks(tekst, rbr.size() + 2);
            blocks_->Place(verse, labelsUsed_, LeftEdge, y);
            verse->OnClick = nullptr;
            verse->PopupMenu = PopupMenu1;
            verse->Knjiga = knjiga;
            verse->Glava = glava;
            verse->Rbr = rbr;
            y += verse->y();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

TKvlabel* TfRezultatiTrazenja::AcquireResultLabel() {
    const QString name = LabelPrefix + QString::number(labelsUsed_);
    QWidget* block = blocks_->Block(labelsUsed_);
    TKvlabel* label = labels_.Find(name);
    if (label) {
        label->setTekst(QString());
    } else {
        label = new TKvlabel(block);
        label->setObjectName(name);
        labels_.Add(label);
        ++labelsCreated_;
    }
    label->setTransparent();
    if (label->parentWidget() != block)
        label->setParent(block);
    label->Sirina = sb2->width() - WrapMargin;
    return label;
}

void TfRezultatiTrazenja::ResultClick(TKvlabel* label) {
    if (!label || label->Vrsta() != Knjiga1 || !reader_.State)
        return;
    TPaneState& s = *reader_.State;
    const int pane = reader_.GetActivePane ? reader_.GetActivePane() : s.ActivePane;
    s.ResultsPane = pane;
    s.BookCode = label->Knjiga;
    s.Chapter[pane] = StrToInt(label->Glava);
    s.Verse[pane] = StrToInt(label->Rbr);
    s.HighlightTop = 0;
    if (!Searched.file.isEmpty() && reader_.UseTranslation)
        reader_.UseTranslation(pane, Searched.file, Searched.translation);
    if (reader_.SetActivePane)
        reader_.SetActivePane(pane);
    if (reader_.ShowActivePane)
        reader_.ShowActivePane();
}

void TfRezultatiTrazenja::Podesi1Click() {
    sb2->setVertPosition(0);
    FillResults();
}

void TfRezultatiTrazenja::Ubaciupodsetnik2Click() {
    const auto* label = qobject_cast<const TKvlabel*>(PopupMenu1->PopupComponent());
    if (label && fPodsetnik_)
        fPodsetnik_->AddEntry(VerseLabelEntry(*label));
}

void TfRezultatiTrazenja::Podsetnik1Click() {
    if (fPodsetnik_)
        fPodsetnik_->ShowAt(frameGeometry().width() + 1, 1);
}

void TfRezultatiTrazenja::Peview1Click() {
    RequireOpenQuery();
    query_->first();
    if (fprint_)
        fprint_->PreviewResults(
            ResultsTitleLine(Searched.translation, Searched.words, query_->recordCount()),
            Searched.words, Searched.folded);
    if (query_->isOpen())
        query_->first();
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
    if (!label || label->Rbr.isEmpty())
        return {};
    // The verse is the even label after its heading.
    const TKvlabel* verse = label;
    if (label->Vrsta() == Knjiga1) {
        const int number = label->objectName().mid(LabelPrefix.size()).toInt();
        verse = labels_.Find(LabelPrefix + QString::number(number + 1));
    }
    const QString prefix = label->Rbr + QStringLiteral(". ");
    if (!verse || !verse->Tekst().startsWith(prefix))
        return {};
    const QString title = reader_.State ? reader_.State->BookTitleOfCode(label->Knjiga) : QString();
    return VerseCopyText(title.isEmpty() ? label->Knjiga : title, label->Glava,
                         {label->Rbr, verse->Tekst().mid(prefix.size())}, Searched.translation);
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

QPoint TfRezultatiTrazenja::ListPos(const TKvlabel* label) const {
    return blocks_->PosOnInner(label);
}

void TfRezultatiTrazenja::FormKeyDown(int key) {
    ScrollByKey(key, *sb2);
}

void TfRezultatiTrazenja::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key());
    QWidget::keyPressEvent(event);
}

void TfRezultatiTrazenja::FormClose() {
    if (query_)
        query_->close();
}

void TfRezultatiTrazenja::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TfRezultatiTrazenja::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    labels_.FreeAll();
}
