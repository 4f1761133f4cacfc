#pragma once

#include "Appearance.h"
#include "BookCatalogue.h"
#include "PaneLabels.h"
#include "PlaceHistory.h"
#include "ReaderState.h"
#include "TranslationList.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAbstractScrollArea;
class QCheckBox;
class QColorDialog;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTimer;
class QWindow;
class TBaze;
class TFlatPanel;
class TKvEdit;
class TKvlabel;
class TMKvTranBtn;
class TPopupMenu;
class TScrollBox;
class TUpDown;
class TfDodajPrevod;
class TfOProgramu;
class TfPodesiFont;
class TfUkloniPrevod;
class TfPodsetnik;
class TfTrazi;
class Tfprint;
struct SessionState;

// The main reader window: three panes side by side (left 1, middle 3, right 2), each with its
// book label, its scroll box of verse and reference labels and a bottom panel of controls.
// What the panes show is held by the reader state; the window draws it.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfMain(QWidget* parent = nullptr);
    ~TfMain() override;

    // The windows it works with, created after it.
    // Also reads the numbering of the translations in the data module's folder.
    void setBaze(TBaze* baze);
    TBaze* Baze() const { return baze_; }
    void setSearchDialog(TfTrazi* dialog);
    void setReminderWindow(TfPodsetnik* window);
    TfPodsetnik* ReminderWindow() const;
    void setReportForm(Tfprint* form) { fprint_ = form; }
    // The dialog of a pane's "F" button.
    void setFontDialog(TfPodesiFont* dialog);

    // The session kept between runs (MainWindowSession.cpp): what the window holds, and the
    // same put back, the panes whose translation and book exist shown again.
    void CaptureSession(SessionState& session) const;
    void RestoreSession(const SessionState& session);
    // A pane's zoom, held to its range; Ctrl+plus, Ctrl+minus (step 1, -1) and Ctrl+0 (step 0,
    // back to the fonts' own size) work on the active pane.
    void ZoomPane(int pane, int zoom);
    void ZoomByKey(int step);
    // A pane's way back and forward over its jumps: a jump remembers the place the pane
    // showed ("Nazad", "Napred", the mouse's side buttons, Backspace and Shift+Backspace).
    void RememberShownPlace(int pane);
    void PlaceBack(int pane);
    void PlaceForward(int pane);
    const PlaceHistory& History(int pane) const { return history_[pane]; }
    QAction* BackItem() const { return backItem_; }
    QAction* ForwardItem() const { return forwardItem_; }

    // The reader's state, the book catalogue and the labels of the panes' layouts.
    TReaderState& State() const { return *state_; }
    const BookCatalogue& Catalogue() const { return catalogue_; }
    PaneLabels& Layout() { return layout_; }
    const PaneLabels& Layout() const { return layout_; }
    // Book item 1..66 of the pane menu, once it is built.
    QAction* BookItem(int book) const { return bookItems_[book]; }

    // The menu bar's "Izbor" menu and its items.
    QMenu* SelectMenu() const { return Izbor1; }
    QAction* SearchItem() const { return Pretraga1; }
    QAction* RemindersItem() const { return Podsetnik2; }
    QAction* ExitItem() const { return Izlaz1; }
    QAction* AddTranslationItem() const { return DodajPrevod1; }
    QAction* RemoveTranslationItem() const { return UkloniPrevod1; }
    QAction* AboutItem() const { return OProgramu1; }
    // "Izgled" of the "Izbor" menu: the item of a look; choosing one gives the program that
    // look (appearanceChosen tells).
    QAction* AppearanceItem(Appearance look) const { return appearanceItems_[int(look)]; }
    void SetAppearance(Appearance look);
    QSplitter* PaneSplitter() const { return Splitters; }
    QPushButton* SpareButton(int k) const { return k == 1 ? Button1 : Button2; }
    // The pane menu, its items and the colour dialog of "Promena boje".
    TPopupMenu* PaneMenu() const { return PopUpMenu; }
    QAction* InsertItem() const { return Ubaciupodsetnik1; }
    QAction* ReminderItem() const { return Podsetnik1; }
    QAction* ColorItem() const { return Color1; }
    QAction* PrintItem() const { return PrintPreview1; }
    QAction* OldTestamentItem() const { return Starizavet1; }
    QAction* NewTestamentItem() const { return Novizavet1; }
    QAction* TranslationItem() const { return Prevod1; }
    QAction* CopyVerseItem() const { return KopirajStih1; }
    QAction* CopyChapterItem() const { return KopirajGlavu1; }
    QColorDialog* ColorDialog() const { return CD1; }

    // A pane's controls.
    TFlatPanel* PaneColumn(int pane) const;
    TFlatPanel* BottomPanel(int pane) const;
    TScrollBox* ScrollBox(int pane) const;
    QLabel* BookLabel(int pane) const;
    TKvEdit* ChapterEdit(int pane) const;
    TKvEdit* VerseEdit(int pane) const;
    QCheckBox* LinkBox(int pane) const;
    TUpDown* ChapterSpinner(int pane) const;
    TUpDown* VerseSpinner(int pane) const;
    TMKvTranBtn* FontButton(int pane) const;
    TMKvTranBtn* BackButton(int pane) const;
    TMKvTranBtn* ShowButton(int pane) const;
    TMKvTranBtn* ForwardButton(int pane) const;

    // Window.
    void FormCreate();
    void FormResize();
    void FormActivate();
    void FormKeyDown(int& key);
    void ScrollByKey(int key, QAbstractScrollArea* box);
    void FormClose();
    void FormDestroy();
    void Pretraga1Click();
    void Podsetnik2Click();
    void Izlaz1Click();
    // The user's own translations and "O programu" (MainWindowTranslations.cpp).
    void DodajPrevod1Click();
    void UkloniPrevod1Click();
    void OProgramu1Click();
    // Reads the translation lists again into every pane's menu and the search dialog.
    void ReloadTranslations();
    void OpenSearch();
    // Lays the shown chapters out again in panes whose width changed since their layout.
    void RelayoutPanes();

    // Panes.
    void SetActivePane(int pane);
    int GetActivePane() const;
    void ShowActivePane();
    // Invokable by name: a test probe inside the installed program shows a chapter with it.
    // A reference numbered as the active pane's translation.
    Q_INVOKABLE void ShowReference(const QString& text);
    void LoadPane(int pane);
    void BtnPokaziClick(QObject* sender);
    // The back and forward buttons of every pane.
    void BtnNazadClick(QObject* sender);
    void BtnNapredClick(QObject* sender);
    // Alt+Left and Alt+Right: the previous and the next chapter of the active pane.
    void ChapterByKey(int key);
    // The chapter and verse edits of every pane.
    void EditGlavaChange(QObject* sender);
    void EditRbrChange(QObject* sender);
    void PokaziIzEdita(QObject* sender, int key);
    void ReferenceClick(int pane, TKvlabel* label);
    // A click on a verse label chooses that verse: highlighted, in the verse edit, the one
    // copies and the reminder list take; the linked panes follow.
    void VerseClick(int pane, TKvlabel* label);
    void BtnFontClick(QObject* sender);
    void SBClick(int pane);

    // The keyboard-only reader (MainWindowKeys.cpp).
    // Shift+F10 and the Menu key: the active pane's menu at its chosen verse.
    void OpenPaneMenuByKey();
    // Alt+I: the menu bar's "Izbor" menu, its first item highlighted.
    void OpenSelectMenuByKey();
    // Ctrl+Up and Ctrl+Down: the verse before or after the chosen one in the active pane.
    void MoveVerseByKey(int step);
    // Ctrl+L and F6: the active pane's chapter edit, its text selected.
    void FocusChapterEdit();
    // The number of chapters of a book in a pane's translation, read once.
    int BookLastChapter(int pane, const QString& bookCode);
    // The chosen verse's label of a pane; none when the pane shows no chosen verse.
    TKvlabel* ChosenVerseLabel(int pane) const;
    // Tells a screen reader which verse of the active pane is chosen (MainWindowAccess.cpp).
    void AnnounceChosenVerse(int pane);

    // Pane menu.
    int PopupPane() const;
    void PopUpMenuPopup();
    void BuildBookItems();
    void ReadTranslationList();
    void BookClick(QObject* sender);
    void TranslationClick(QObject* sender);
    void SwitchTranslation(int pane, QAction* item);
    void Ubaciupodsetnik1Click();
    void Podsetnik1Click();
    void Color1Click();
    void ApplyPaneColor(int pane, TColor color);
    void PrintPreview1Click();
    // "Upućivanja": how many references of each verse the pane shows; "još N" opens a verse's
    // rest in place.
    void SetReferenceMode(int pane, ReferenceMode mode);
    void OpenReferences(int pane, TKvlabel* label);
    // The text of the verse a reference label names, in the pane's translation, as its tooltip
    // gives it; empty when the translation has no such verse.
    QString ReferenceToolTip(int pane, const TKvlabel& label);
    QAction* ReferenceModeItem(ReferenceMode mode) const { return referenceItems_[int(mode)]; }
    void KopirajStih1Click();
    void KopirajGlavu1Click();
    // Ctrl+C: copies the chosen verse of the active pane.
    void CopyActiveVerse();
    // The text of a verse (by its number) or of the whole chapter a pane shows; empty when the
    // pane shows none.
    QString PaneCopyText(int pane, const QString& rbr, bool wholeChapter);
    // The name of the translation a pane shows, as copies and the heading's tooltip give it.
    QString PaneTranslationName(int pane);
    // The translations of the list file, read once.
    const QList<TranslationEntry>& Translations();

signals:
    // The search dialog closed with OK: its results are to be shown.
    void searchAccepted();
    // The window closed: the run ends.
    void closed();
    // The user chose a look in the "Izgled" menu.
    void appearanceChosen();
    // A pane's labels were freed for new fonts or sizes: they may be made ahead again.
    void paneLabelsFreed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct PaneNames;
    struct PaneControls {
        TFlatPanel* column = nullptr;
        TFlatPanel* bottom = nullptr;
        QLabel* bookLabel = nullptr;
        TScrollBox* box = nullptr;
        QCheckBox* link = nullptr;
        QLabel* chapterCaption = nullptr;
        QLabel* verseCaption = nullptr;
        TMKvTranBtn* font = nullptr;
        TMKvTranBtn* back = nullptr;
        TMKvTranBtn* show = nullptr;
        TMKvTranBtn* forward = nullptr;
        TKvEdit* chapter = nullptr;
        TKvEdit* verse = nullptr;
        TUpDown* chapterSpinner = nullptr;
        TUpDown* verseSpinner = nullptr;
    };

    void BuildMenu();
    void BuildKeys();
    // Accessible names and descriptions of the controls (MainWindowAccess.cpp).
    void NameControls();
    void BuildPaneMenu();
    void BuildPanes();
    void BuildZoomKeys();
    // Ctrl with the wheel over a pane zooms it; true when the event was taken.
    bool ZoomByWheel(QObject* watched, QEvent* event);
    void ApplyPendingPanes();
    // Gives the panes of a window not yet shown the widths it will show them at.
    void SettlePaneWidths();
    TFlatPanel* BuildPane(int pane, const PaneNames& names);
    void ConnectPane(int pane);
    template <class T> T* Named(T* object, const QString& name);
    void WatchKeys(QWidget* widget);
    bool IsPaneEdit(const QObject* object) const;
    // The pane whose scroll box `object` is; 0 for any other.
    int PaneOfBox(const QObject* object) const;
    void FocusWindowChanged(QWindow* window);
    // Puts the focus into the active pane's chapter edit.
    void FocusFirstEdit();
    void RelayoutPane(int pane);
    void PlaceBottomControls(int pane);
    void SetTabOrder();
    // Paints the book labels: the active pane's red, the others navy.
    void PaintActivePane();
    void RepaintHeadings();
    bool activePainted_ = false;
    // Points a pane's query at the translation file its entry names, when it changed.
    void FollowTranslation(int pane);
    static void SetTextColor(QWidget* widget, TColor color);

    TReaderState* state_;
    BookCatalogue catalogue_;
    PaneLabels layout_;
    QAction* bookItems_[BookCatalogue::BookCount + 1] = {};
    TBaze* baze_ = nullptr;
    QPointer<TfTrazi> fTrazi_;
    QPointer<TfPodsetnik> fPodsetnik_;
    QPointer<TfPodesiFont> fPodesiFont_;
    Tfprint* fprint_ = nullptr;
    PaneControls panes_[PaneCount + 1];

    QMenu* Izbor1;
    QAction* Pretraga1;
    QAction* Podsetnik2;
    QAction* Izlaz1;
    QAction* DodajPrevod1;  // "Dodaj prevod…"
    QAction* UkloniPrevod1; // "Ukloni prevod…"
    QAction* OProgramu1;    // "O programu"
    QSplitter* Splitters;   // its two handles are Splitter1 and Splitter2
    QPushButton* Button1;
    QPushButton* Button2;
    TPopupMenu* PopUpMenu;
    QAction* Ubaciupodsetnik1;
    QAction* Podsetnik1;
    QAction* Color1;
    QAction* PrintPreview1;
    QAction* Starizavet1;   // submenu of the Old Testament's books
    QAction* Novizavet1;    // submenu of the New Testament's books
    QAction* Prevod1;       // submenu of the translations, once the list is read
    QAction* KopirajStih1;  // copies the verse under the pointer
    QAction* KopirajGlavu1; // copies the pane's chapter
    QColorDialog* CD1;
    QAction* referenceItems_[3] = {};

    QTimer* pendingTimer_ = nullptr;
    QByteArray pendingPanes_; // kept pane widths, until the restored window has settled
    bool activatedOnce_ = false;
    bool fromOtherWindow_ = false;   // the program's last active window was another one
    QPointer<QWidget> focusAtLeave_; // the focus when the window was left for another
    bool destroyed_ = false;
    QTimer* relayoutTimer_ = nullptr;      // relayout once resizing settles
    int laidOutWidth_[PaneCount + 1] = {}; // box width of each pane's last layout
    int shownVerse_[PaneCount + 1] = {};   // the verse chosen at that layout
    QString shownBook_[PaneCount + 1];     // the book of that layout
    int shownChapter_[PaneCount + 1] = {}; // its chapter
    PlaceHistory history_[PaneCount + 1];
    QAction* backItem_ = nullptr;
    QAction* forwardItem_ = nullptr;
    void ShowPlaceOf(int pane, const PanePlace& place);
    bool PlaceByMouseOrKey(QObject* watched, QEvent* event);
    QString connectedFile_[PaneCount + 1]; // the file each pane's query reads
    QList<TranslationEntry> translations_;
    bool translationsRead_ = false;
    void AddTranslationMenu();
    void AddAppearanceMenu();
    QAction* appearanceItems_[4] = {};
    QPointer<TfDodajPrevod> fDodajPrevod_;
    QPointer<TfUkloniPrevod> fUkloniPrevod_;
    QPointer<TfOProgramu> fOProgramu_;
    QHash<QString, int> lastChapters_;  // by translation file, table and book
    QPointer<QWidget> focusBeforeMenu_; // where the focus goes back from the menu bar
};

template <class T> T* TfMain::Named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

// The main window's caption; it names the distributor's web address when there is one.
QString MainCaption(const QString& homepage);
// The caption with the address this build was configured with.
QString MainCaption();
