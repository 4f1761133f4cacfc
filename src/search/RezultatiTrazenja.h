#pragma once

#include "MarkedText.h"
#include "ResultRows.h"
#include "Search.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unordered_map>

class QAction;
class QColorDialog;
class QLabel;
class QProgressBar;
class QPushButton;
class TKvlabel;
class TPopupMenu;
class TScrollBox;
class TWrapEstimate;
class TfPodsetnik;
class Tfprint;
class TReaderState;
class BookCatalogue;

// What the results window uses of the reader: its state, which a clicked result moves, and
// of the reader window the show, the colour dialog and the keys.
struct TReaderLink {
    TReaderState* State = nullptr;
    const BookCatalogue* Catalogue = nullptr;
    std::function<void()> ShowActivePane;
    QColorDialog* CD1 = nullptr; // the colour dialog of the reader's pane menu
    // The main window's own keys (F10 search, F5 reminders) pressed in the results window.
    std::function<void(int key)> MainKey;
};

// The search results window: a tool window as high as the main window, on top of the others.
// Lists the rows of the results query as a heading (book and chapter) and a verse label each;
// a click on a heading opens its chapter in the reader's active pane.
// The rows are measured when the list is filled, without labels; labels are laid out only for
// the rows near the view, and again as the view moves. Label k (from 1) is row (k - 1) / 2's
// heading when odd, its verse when even. A few spare labels are kept for reuse, never more
// than a few screenfuls need.
class TfRezultatiTrazenja : public QWidget {
    Q_OBJECT
public:
    // Takes its height from the main window.
    explicit TfRezultatiTrazenja(const QWidget* mainWindow = nullptr);
    ~TfRezultatiTrazenja() override;

    // The windows it works with, set once by the program.
    void setReader(TReaderLink reader) { reader_ = std::move(reader); }
    void setReminderWindow(TfPodsetnik* window) { fPodsetnik_ = window; }
    void setPrintForm(Tfprint* form) { fprint_ = form; }

    // The controls, for tests and tools: the list's scroll box, the menu and its items ("Podesi"
    // fills the list again from its top), and over a list without rows "Nema poklapanja.", the
    // words searched and, when the search would find something without regard to marks, the
    // offer "Bez obzira na kvačice: 1.083 poklapanja", which runs that search.
    TScrollBox* ResultsBox() const { return sb2; }
    TPopupMenu* Menu() const { return PopupMenu1; }
    QAction* RefillItem() const { return Podesi1; }
    QAction* InsertItem() const { return Ubaciupodsetnik2; }
    QAction* ReminderItem() const { return Podsetnik1; }
    QAction* PrintItem() const { return Preview1; }
    QAction* ColorItem() const { return Color1; }
    QAction* OnTopItem() const { return OnTop1; } // checked: the window stays on top
    QAction* CopyVerseItem() const { return KopirajStih2; }
    QLabel* NoHitLine() const { return noHitLine_; }
    QLabel* NoHitWords() const { return noHitWords_; }
    QPushButton* FoldedOffer() const { return foldedOffer_; }

    // The search that found nothing, run without regard to marks and script: asked for by
    // foldedSearchWanted, or run in the running program's folder when nothing receives it.
    void FoldedOfferClick();
    // What the search whose rows are listed looked for: named in the caption and the report,
    // its words marked in the verses.
    const SearchedFor& Searched() const { return searched_; }
    void SetSearched(SearchedFor searched) { searched_ = std::move(searched); }

    // Takes a search's rows and what it looked for, asks above 500 rows (AskQuestion; the
    // default is an information box with Yes and No) and lists them.
    void ShowResults(SearchResult result);
    // Lists the rows the window holds.
    void FillResults();
    // The rows of the last search, held until the window is closed.
    const std::vector<ResultRow>& Found() const { return found_; }
    bool HoldsRows() const { return holding_; }
    // The label numbered k of the list (1 to ResultLabelsUsed()) laid out with its row, found
    // or made; shown only when its row is near the view.
    TKvlabel* AcquireResultLabel(int k);
    void ResultClick(TKvlabel* label);
    // Enter: opens the result at the top of the view, as a click on its heading does.
    void OpenTopResult();
    // The row Enter opens; -1 without rows.
    int TopRow() const;
    // Opens a row of the list as a click on its heading does, while the window holds its rows.
    void OpenRow(int row);
    // What a screen reader reads of a row: place, translation, verse text.
    QString RowReading(int row) const;
    // Where a row's heading and verse lie on the list.
    QRect RowBand(int row) const;
    // Counts the fills of the list: a row number stands for the same row only within one.
    int FillNumber() const { return fill_; }

    // Menu handlers.
    void Podesi1Click();
    void Ubaciupodsetnik2Click();
    void Podsetnik1Click();
    void Preview1Click();
    void Color1Click();
    void OnTop1Click();
    void KopirajStih2Click();
    // The copied text of the result a label belongs to; empty for another label.
    QString ResultCopyText(const TKvlabel* label) const;

    // What the first search needs of the window, made while the program is idle after
    // start-up: its platform window, the fonts and word widths of its labels, and labels
    // for the first screenfuls, painted once off the screen. Done once.
    void PrepareFirstShow();
    // Measures the words of verses ahead of the searches that will list them, while the
    // program is idle: a list then finds its rows' widths already measured.
    void MeasureAhead(const std::vector<ResultRow>& rows);

    // Window.
    void FormCreate();
    void FormKeyDown(int key);
    void FormClose();
    void FormDestroy();

    // The labels the list has, two a row, and the labels that exist (in use or spare).
    int ResultLabelsUsed() const { return labelsUsed_; }
    int ResultLabelsCreated() const { return int(labels_.size()); }
    // A result label by name ("labela" + number), without regard to letter case. A label of
    // the list is laid out with its row if it was not; a number beyond the list gives a spare
    // label of that name or none.
    TKvlabel* FindLabel(const QString& name);
    // Where a result label stands in the list (on the scroll box's inner widget).
    QPoint ListPos(const TKvlabel* label) const;
    // The rows of the list, the row a label of the list shows (-1 for none), and the row at a
    // point of the list (-1 between rows and beyond them).
    const TResultRows& Rows() const { return rows_; }
    int RowOf(const TKvlabel* label) const;
    int RowAt(const QPoint& listPos) const { return rows_.RowAt(listPos.y()); }
    bool StaysOnTop() const;
    // While a modal window of the program is up (the search, a preview, a dialog, a question)
    // the window steps down from the top, so that it does not cover the window the user must
    // answer first; it goes back on top when that one is gone.
    void KeepUnderModal();

    // The question asked above 500 rows.
    static QString TooManyQuestion(int rows);
    // The caption over a list of rows.
    static QString TotalCaption(int rows);
    // The same, naming the translation searched.
    static QString TotalCaption(int rows, const QString& translation);

signals:
    // The offer was taken: the receiver runs the request and shows its rows (ShowResults).
    void foldedSearchWanted(const SearchRequest& request);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TScrollBox* sb2;
    QLabel* Image1;
    QProgressBar* Gauge1;
    TPopupMenu* PopupMenu1;
    QAction* Podesi1;
    QAction* Ubaciupodsetnik2;
    QAction* Podsetnik1;
    QAction* Preview1;
    QAction* Color1;
    QAction* OnTop1;
    QAction* KopirajStih2;
    QLabel* noHitLine_;
    QLabel* noHitWords_;
    QPushButton* foldedOffer_;
    SearchedFor searched_;

    // A label and the fill whose row it shows.
    struct Slot {
        TKvlabel* label = nullptr;
        int fill = 0;
    };
    // The row at the top of the view and how far into it the view begins.
    struct ViewAnchor {
        int row = -1;
        int offset = 0;
        bool atEnd = false;
    };

    void BuildMenu();
    // The searched words' runs in a verse text drawn after a prefix of that many characters.
    QList<TextRange> VerseMarks(const QString& tekst, qsizetype prefix) const;
    // Throws the closed-dataset error once the window has let its rows go.
    void RequireRows() const;
    void WaitUntilExposed();
    // Lays out the labels of the rows near the view and hides the others.
    void ShowNear();
    // The label numbered k with its row's text; labels first to last (numbers) are not taken
    // as spares. Sets corrected when the label's height differed from the row's.
    TKvlabel* LabelNumbered(int k, int first, int last, bool& corrected);
    TKvlabel* TakeSpare(int k, int first, int last);
    bool Bind(TKvlabel* label, int k);
    ViewAnchor AnchorOfView() const;
    // Fits the scroll range to the rows and puts the anchor's place back at the view's top.
    void RestoreView(const ViewAnchor& anchor);
    void FitContent();
    void FreeSpareLabels();
    // The estimate of the verse labels' heights at the list's wrap width, made when missing.
    void PrepareVerseEstimate();
    static int NumberOf(const TKvlabel* label);
    void ShowNoHitLine();

    std::vector<ResultRow> found_;
    SearchRequest request_;
    int foldedCount_ = -1;
    bool holding_ = false;
    TReaderLink reader_;
    TfPodsetnik* fPodsetnik_ = nullptr;
    Tfprint* fprint_ = nullptr;
    TResultRows rows_;
    std::unique_ptr<TWrapEstimate> verses_; // kept from fill to fill: it learns the words
    std::unordered_map<int, Slot> labels_;  // every result label, by its number
    int labelsUsed_ = 0;
    int fill_ = 0;      // counts the fills
    int wrapWidth_ = 0; // Sirina of the verse labels of this fill
    int nearFirst_ = 0; // the rows whose labels are shown: first and one past the last
    int nearLast_ = 0;
    bool showingNear_ = false;
    bool placed_ = false;
    QElapsedTimer shown_; // since the last list was shown
    bool destroyed_ = false;
    bool prepared_ = false;
    int announcedTop_ = -1; // the top row a screen reader was last told of
};
