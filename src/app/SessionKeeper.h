#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>

class QTimer;
class TProgram;
struct SessionState;

// Keeps the session of a run: puts the last one back at the start, saves the window's state
// a moment after each change that matters and at the close, and keeps the reminder list in
// the user's data folder as it changes.
class TSessionKeeper : public QObject {
    Q_OBJECT
public:
    // The session file and the reminder file; by default the user's own.
    TSessionKeeper(TProgram& program, const QString& sessionFile, const QString& reminderFile);
    ~TSessionKeeper() override;

    void Restore();
    // Saves now; false when the file could not be written (told to the user once a run).
    bool Save();
    bool SaveReminders();
    // Saves a moment later, once changes have settled, in the background.
    void SaveSoon();
    bool SavePending() const;
    // Takes what the window holds and writes it on a thread of its own: the disk's sync
    // does not hold the window.
    void SaveInBackground();
    // Waits for the writes under way; false when one of them failed.
    bool WaitForSaves();

    static QString ReminderFile();
    static QString FailureText(const QString& path);

private:
    bool Failed(const QString& path);
    // What is kept, as the windows hold it now.
    SessionState Capture() const;

    TProgram& program_;
    QString sessionFile_;
    QString reminderFile_;
    QTimer* timer_;
    bool told_ = false;
    QThreadPool writer_; // one thread: the writes land in their order
    std::atomic<bool> writeFailed_ = false;
};
