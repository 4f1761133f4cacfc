#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>

class QAction;
class QFileDialog;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class TMKvTranBtn;
class TReaderState;

// The reminder list: places of the text the user collects, shows again, saves and loads.
// Created once and shown and hidden for the whole run.
class TfPodsetnik : public QWidget {
    Q_OBJECT
public:
    explicit TfPodsetnik(QWidget* parent = nullptr);

    // The controls, for tests and tools: the list, "Pokaži", "Zatvori", the picture, the list's
    // menu and its items "Snimi", "Ucitaj" and "Vrati obrisano" (brings back the entry removed
    // last, Ctrl+Z).
    QListWidget* List() const { return ListBoxPok; }
    TMKvTranBtn* ShowButton() const { return Btnpokazi; }
    TMKvTranBtn* CloseButton() const { return BtnNazad; }
    QLabel* Picture() const { return Image1; }
    QMenu* Menu() const { return PopUp; }
    QAction* SaveItem() const { return Snimi1; }
    QAction* LoadItem() const { return Ucitaj1; }
    QAction* RestoreItem() const { return Vrati1; }
    // The file dialogs of "Ucitaj" and "Snimi", made when first wanted: a file dialog reads
    // its folder as it is made.
    QFileDialog* OD1();
    QFileDialog* SD1();

    // The reader whose active pane "Pokaži" moves, and what shows that pane once its place is
    // set; set once by the program.
    void setReader(TReaderState* state, std::function<void()> showActivePane);

    // The list.
    void AddEntry(const QString& entry);
    QStringList Entries() const;
    void SetEntries(const QStringList& entries);
    int SelectedIndex() const; // -1 when no entry is selected
    // The entries kept from the last run: shown, and not yet saved to a file.
    void RestoreEntries(const QStringList& entries);
    // True while the list holds entries changed since it was last saved or loaded.
    bool HasUnsavedEntries() const;
    // Puts the entry removed last back where it was; false when there is none.
    bool RestoreRemoved();
    static QString ReplaceQuestion();

    // Moves the window (left at least 1) and shows it without making it modal.
    void ShowAt(int left, int top);
    // Puts the window where it stood in the last run; it is shown there from then on.
    void PlaceAt(const QPoint& place);
    bool Placed() const { return placed_; }
    // True until the first show after PlaceAt: that show keeps the place.
    bool KeepsPlace() const { return keepPlace_; }

    // Handlers.
    void ListBoxPokDblClick();
    void BtnpokaziClick();
    void BtnNazadClick();
    // Escape closes the window, Enter shows the chosen entry; true for these keys.
    bool FormKeyDown(int key);
    void Snimi1Click();
    void Ucitaj1Click();
    void FormPaint(QPainter& painter);

    // The work of the file commands without their dialogs; a failure is told to the user
    // and leaves the list as it was.
    bool SaveToFile(const QString& path);
    bool LoadFromFile(const QString& path);

signals:
    // An entry was added, removed or brought back, or the list was loaded.
    void entriesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* ListBoxPok;
    TMKvTranBtn* Btnpokazi;
    TMKvTranBtn* BtnNazad;
    QLabel* Image1;
    QMenu* PopUp;
    QAction* Snimi1;
    QAction* Ucitaj1;
    QAction* Vrati1;

    TReaderState* state_ = nullptr;
    std::function<void()> showActivePane_;
    QFileDialog* od1_ = nullptr;
    QFileDialog* sd1_ = nullptr;
    QPixmap tile_;
    bool unsaved_ = false;
    bool placed_ = false;
    bool keepPlace_ = false;
    QList<std::pair<int, QString>> removed_; // removed entries, the last one last
    void Changed(bool unsaved);
};
