#pragma once

#include "Appearance.h"
#include "ReaderState.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <functional>

class QSettings;

// What the reader had at its last close: the panes, the window, the search dialog's choices
// and the reminder window's place. Kept as an INI file in the user's configuration folder.
struct SessionState {
    QString bookCode;
    int activePane = 1;
    PaneEntry panes[PaneCount + 1];   // 1 left, 2 right, 3 middle; [0] unused
    QString paneBooks[PaneCount + 1]; // the book each pane shows; empty for none
    QByteArray windowGeometry;        // QWidget::saveGeometry
    bool maximized = false;
    QByteArray splitterState;  // QSplitter::saveState
    QString searchTranslation; // the file chosen in the search dialog, empty for the default
    bool searchDiacritics = false;
    bool hasReminderPlace = false;
    QPoint reminderPlace;
    Appearance appearance = Appearance::System; // "Izgled"
};

// The session file: vidoslov.ini in the user's configuration folder.
QString SessionFile();

// Reads a session; false (and `state` as it was) when there is none or it is damaged.
bool LoadSession(QSettings& settings, SessionState& state);
// Writes every item; false when the file could not be written.
bool SaveSession(QSettings& settings, const SessionState& state);
// Same, on the file at `path`; a damaged file is replaced whole.
bool LoadSessionFile(const QString& path, SessionState& state);
bool SaveSessionFile(const QString& path, const SessionState& state);

// The look kept in the session file at `path`; the desktop's when there is none.
Appearance SavedAppearance(const QString& path);

// Drops what no longer exists: a pane whose translation is gone keeps the default one and
// shows nothing; so does a pane whose book is not in the catalogue.
void DropMissing(SessionState& state, const std::function<bool(const QString&)>& translationExists,
                 const std::function<bool(const QString&)>& bookExists);
