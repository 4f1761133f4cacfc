#pragma once

#include "BookCatalogue.h"
#include "Search.h"

#include <QDialog>
#include <QPixmap>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPainter;
class QScrollArea;
class QVBoxLayout;
class QPushButton;
class TMKvTranBtn;
class TLiveCount;

// The search dialog, shown modally from the main window. It keeps three word lists and a book
// choice between searches, turns them into a search request and runs it.
class TfTrazi : public QDialog {
    Q_OBJECT
public:
    explicit TfTrazi(QWidget* parent = nullptr);

    // The folder whose list file and baza/ give the translations to search.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }

    // The controls, for tests and tools: the page of the controls, the three word lists and
    // their edits (required, alternative, excluded words), the testaments' boxes and book
    // lists, "bez obzira na kvačice", "Traži", the translation chosen, the count and the words
    // taking part, "Očisti".
    QWidget* ControlsPage() const { return Page; }
    QLineEdit* RequiredEdit() const { return EditRecAnd; }
    QListWidget* RequiredList() const { return ListBoxAND; }
    QLineEdit* AlternativeEdit() const { return EditRecOR; }
    QListWidget* AlternativeList() const { return ListBoxOR; }
    QLineEdit* ExcludedEdit() const { return EditNeke; }
    QListWidget* ExcludedList() const { return ListBoxNeke; }
    QCheckBox* OldTestamentBox() const { return CheckBoxStari; }
    QListWidget* OldTestamentList() const { return ListBoxStari; }
    QCheckBox* NewTestamentBox() const { return CheckBoxNovi; }
    QListWidget* NewTestamentList() const { return ListBoxNovi; }
    QCheckBox* IgnoreMarksBox() const { return CheckBoxKvacice; }
    QLabel* IgnoreMarksLabel() const { return LabelKvacice; }
    TMKvTranBtn* SearchButton() const { return BtnTrazi; }
    QComboBox* TranslationCombo() const { return ComboPrevod; }
    QLabel* CountLabel() const { return LabelBroj; }
    QLabel* WordsLabel() const { return LabelReci; }
    QPushButton* ClearButton() const { return BtnOcisti; }

    // Chooses the translation of a file in baza/ (the default one when empty or unknown), now and
    // when the list is filled again.
    void ProposeTranslation(const QString& file);
    // The search the controls ask for with the typed words taken as entered; nullopt when a
    // typed word is shorter than three letters or no word takes part.
    std::optional<SearchRequest> CountRequest() const;
    // Names the words taking part and asks for a new count; the count arrives later.
    void WordsChanged();
    // Shows a count that arrived (-1: none).
    void ShowCount(int verses);
    // Empties the three word lists.
    void BtnOcistiClick();
    // The request of the last search made without regard to marks and script, run.
    SearchResult SearchFolded(SearchRequest request);

    // Fills the translation list: the default translation first, then the others of the list
    // file. Done at the first activation.
    void FillTranslations();
    // The translation chosen to search (its file, empty for the default), also before the
    // list is filled.
    QString TranslationChoice() const;
    void SetTranslationChoice(const QString& file);
    // What the last search looked for, and what it found; taking the result leaves it empty.
    const SearchedFor& Searched() const { return searched_; }
    const SearchResult& Result() const { return result_; }
    SearchResult TakeResult() { return std::move(result_); }
    // The search the controls ask for.
    SearchRequest Request() const;

    // The words of the three lists.
    SearchWords Words() const;
    // A book list as codes and marks, with its whole-testament box.
    TestamentChoice Choice(const QListWidget* list, const QCheckBox* whole) const;

    QString BuildWordCondition() const;
    QString BuildBookCondition() const;

    // Handlers.
    void FormActivate();
    void FormKeyDown(int key);
    void EditRecAndKeyDown(int key);
    void EditRecORKeyDown(int key);
    void EditNekeKeyDown(int key);
    void ListBoxANDORClick(QListWidget* list);
    // Moves the text of every edit that is not empty into its list, as Enter does.
    void TakeTypedWords();
    // Throws DatabaseError when the statement cannot be run; the dialog then stays open.
    void BtnTraziClick();
    void FormPaint(QPainter& painter);
    // The colour the labels stand on: the background tile's, veiled on a dark palette.
    QColor Backdrop() const;

    // Fits the dialog into a screen's free room: the design arrangement where it is wide enough,
    // else the narrow one; as large as its rows ask, no larger than the room.
    void FitToScreen(const QSize& screenRoom);
    // Places the page's controls in the narrow or the design arrangement.
    void Arrange(bool narrow);
    // Fits the dialog into its screen; centres it on the desktop when it is first shown.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The rows of the dialog: the page of the controls, in a scroll area that shows all of it
    // where the screen has room. Another row can join the layout.
    QVBoxLayout* Rows;
    QScrollArea* Scroller;
    QWidget* Page;

    QLabel* Label3;
    QLineEdit* EditRecAnd;
    QListWidget* ListBoxAND; // required words
    QLabel* Label4;
    QLineEdit* EditRecOR;
    QListWidget* ListBoxOR; // alternative words
    QLabel* Label5;
    QLineEdit* EditNeke;
    QListWidget* ListBoxNeke; // excluded words
    QCheckBox* CheckBoxStari;
    QLabel* Label1;
    QListWidget* ListBoxStari; // Old Testament titles, checkable
    QCheckBox* CheckBoxNovi;
    QLabel* Label2;
    QListWidget* ListBoxNovi;   // New Testament titles, checkable
    QCheckBox* CheckBoxKvacice; // compare without diacritics and across scripts
    QLabel* LabelKvacice;
    TMKvTranBtn* BtnTrazi;
    QLabel* LabelPrevod;
    QComboBox* ComboPrevod; // the translation searched; its data is the file, empty for the default
    QLabel* LabelPrevodIme; // the chosen translation's whole caption, wrapped
    QLabel* LabelBroj;      // how many verses the search would find now
    QLabel* LabelReci;      // every word that takes part: the lists and the typed words
    QPushButton* BtnOcisti; // "Očisti": empties the three lists

    // Accessible names and descriptions of the controls (TraziAccess.cpp).
    void NameControls();
    QLineEdit* AddEdit(const QString& name);
    QListWidget* AddWordList(const QString& name);
    QLabel* AddLabel(const QString& caption, const QString& name, bool wrap);
    void ChooseProposed();
    static void EnterWord(QLineEdit* edit, QListWidget* list, int key);

    BookCatalogue catalogue_;
    QPixmap tile_;
    bool shownOnce_ = false;
    QString programFolder_;
    QString proposed_; // the file of the translation proposed
    QString translationChoice_;
    SearchedFor searched_;
    SearchResult result_;
    TLiveCount* liveCount_;
};
