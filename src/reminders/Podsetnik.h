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

// The reminder list: places of the text the user collects, shows again, saves and loads.
// Created once and shown and hidden for the whole run.
class TfPodsetnik : public QWidget {
    Q_OBJECT
public:
    explicit TfPodsetnik(QWidget* parent = nullptr);

    QListWidget* ListBoxPok;
    TMKvTranBtn* Btnpokazi;
    TMKvTranBtn* BtnNazad;
    QLabel* Image1;
    QFileDialog* OD1;
    QFileDialog* SD1;
    QMenu* PopUp;
    QAction* Snimi1;
    QAction* Ucitaj1;

    // Shows a reference in the reader's active pane; set by the main window. Its errors
    // (ConvertError for a text that is no reference) pass through BtnpokaziClick.
    std::function<void(const QString&)> ShowReference;

    // The list.
    void AddEntry(const QString& entry);
    QStringList Entries() const;
    void SetEntries(const QStringList& entries);
    int SelectedIndex() const; // -1 when no entry is selected

    // Moves the window (left at least 1) and shows it without making it modal.
    void ShowAt(int left, int top);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap tile_;
};
