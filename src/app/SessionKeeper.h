#pragma once

#include <QObject>
#include <QString>

class QTimer;
class TProgram;

// Keeps the session of a run: puts the last one back at the start, saves the window's state
// a moment after each change that matters and at the close, and keeps the reminder list in
// the user's data folder as it changes.
class TSessionKeeper : public QObject {
    Q_OBJECT
public:
    // The session file and the reminder file; by default the user's own.
    TSessionKeeper(TProgram& program, const QString& sessionFile, const QString& reminderFile);

    void Restore();
    // Saves now; false when the file could not be written (told to the user once a run).
    bool Save();
    bool SaveReminders();
    // Saves a moment later, once changes have settled.
    void SaveSoon();

    static QString ReminderFile();
    static QString FailureText(const QString& path);

private:
    bool Failed(const QString& path);

    TProgram& program_;
    QString sessionFile_;
    QString reminderFile_;
    QTimer* timer_;
    bool told_ = false;
};
