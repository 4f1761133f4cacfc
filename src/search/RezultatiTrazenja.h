#pragma once

#include "LabelIndex.h"
#include "MarkedText.h"
#include "SearchedFor.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QColorDialog;
class QLabel;
class QProgressBar;
class Query;
class TKvlabel;
class TLabelBlocks;
class TPopupMenu;
class TScrollBox;
class TfPodsetnik;
class Tfprint;
struct TPaneState;

// What the results window uses of the reader window.
struct TReaderLink {
    TPaneState* State = nullptr; // BookCode, Chapter, Verse, HighlightTop, ResultsPane
    std::function<int()> GetActivePane;
    std::function<void(int pane)> SetActivePane;
    std::function<void()> ShowActivePane;
    QColorDialog* CD1 = nullptr; // the colour dialog of the reader's pane menu
    // Makes a pane show a translation file (a search's other than the default one).
    std::function<void(int pane, const QString& file, const QString& caption)> UseTranslation;
};

// The search results window: a tool window as high as the main window, on top of the others.
// Lists the rows of the results query as a heading (book and chapter) and a verse label each;
// a click on a heading opens its chapter in the reader's active pane.
class TfRezultatiTrazenja : public QWidget {
    Q_OBJECT
public:
    // Takes its height from the main window.
    explicit TfRezultatiTrazenja(const QWidget* mainWindow = nullptr);
    ~TfRezultatiTrazenja() override;

    // The windows and the query it works with, set once by the program.
    void setResultsQuery(Query* query) { query_ = query; }
    void setReader(TReaderLink reader) { reader_ = std::move(reader); }
    void setReminderWindow(TfPodsetnik* window) { fPodsetnik_ = window; }
    void setPrintForm(Tfprint* form) { fprint_ = form; }

    // Asks whether to list more than 500 rows; the default is an information box with Yes and
    // No. Returns true for Yes.
    std::function<bool(const QString& text)> AskToContinue;

    // Controls.
    TScrollBox* sb2;
    QLabel* Image1;
    QProgressBar* Gauge1;
    TPopupMenu* PopupMenu1;
    QAction* Podesi1;
    QAction* Ubaciupodsetnik2;
    QAction* Podsetnik1;
    QAction* Preview1;
    QAction* Color1;
    QAction* OnTop1; // checkable: the window stays on top while it is checked
    QAction* KopirajStih2;

    // What the search whose rows are listed looked for: named in the caption and the report,
    // its words marked in the verses.
    SearchedFor Searched;

    // Counts the rows of the results query, asks above 500 and lists them.
    void ShowResults();
    // Lists the rows of the open results query, from its first row.
    void FillResults();
    // Finds or creates the label numbered ResultLabelsUsed.
    TKvlabel* AcquireResultLabel();
    void ResultClick(TKvlabel* label);

    // Menu handlers.
    void Podesi1Click();
    void Ubaciupodsetnik2Click();
    void Podsetnik1Click();
    void Peview1Click();
    void Color1Click();
    void OnTop1Click();
    void KopirajStih2Click();
    // The copied text of the result a label belongs to; empty for another label.
    QString ResultCopyText(const TKvlabel* label) const;

    // Window.
    void FormCreate();
    void FormKeyDown(int key);
    void FormClose();
    void FormDestroy();

    int ResultLabelsUsed() const { return labelsUsed_; }
    int ResultLabelsCreated() const { return labelsCreated_; }
    // A result label by name ("labela" + number), without regard to letter case.
    TKvlabel* FindLabel(const QString& name) const { return labels_.Find(name); }
    // Where a result label stands in the list (on the scroll box's inner widget).
    QPoint ListPos(const TKvlabel* label) const;
    bool StaysOnTop() const;

    // The question asked above 500 rows.
    static QString TooManyQuestion(int rows);
    // The caption over a list of rows.
    static QString TotalCaption(int rows);
    // The same, naming the translation searched.
    static QString TotalCaption(int rows, const QString& translation);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    // The searched words' runs in a verse text drawn after a prefix of that many characters.
    QList<TextRange> VerseMarks(const QString& tekst, qsizetype prefix) const;
    void RequireOpenQuery() const;
    void WaitUntilExposed();

    Query* query_ = nullptr;
    TReaderLink reader_;
    TfPodsetnik* fPodsetnik_ = nullptr;
    Tfprint* fprint_ = nullptr;
    TLabelIndex labels_;
    std::unique_ptr<TLabelBlocks> blocks_;
    std::function<void(TKvlabel*)> onResultClick_;
    int labelsUsed_ = 0;
    int labelsCreated_ = 0;
    int lastListed_ = 0; // the labels the last fill used
    bool placed_ = false;
    bool destroyed_ = false;
};
