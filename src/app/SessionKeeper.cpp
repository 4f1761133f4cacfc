#include "SessionKeeper.h"

#include "DataModule.h"
#include "IzborFile.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Podsetnik.h"
#include "Program.h"
#include "SessionStore.h"
#include "Trazi.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>

TSessionKeeper::TSessionKeeper(TProgram& program, const QString& sessionFile,
                               const QString& reminderFile)
    : QObject(program.fMain.get()), program_(program), sessionFile_(sessionFile),
      reminderFile_(reminderFile), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setInterval(2000);
    writer_.setMaxThreadCount(1);
    connect(timer_, &QTimer::timeout, this, &TSessionKeeper::SaveInBackground);
    TfMain* main = program.fMain.get();
    connect(&main->State(), &TReaderState::changed, this, &TSessionKeeper::SaveSoon);
    connect(&main->State(), &TReaderState::activePaneChanged, this, &TSessionKeeper::SaveSoon);
    connect(main->PaneSplitter(), &QSplitter::splitterMoved, this, &TSessionKeeper::SaveSoon);
    connect(main, &TfMain::closed, this, [this] { Save(); });
    connect(main, &TfMain::appearanceChosen, this, &TSessionKeeper::SaveSoon);
    connect(program.fPodsetnik.get(), &TfPodsetnik::entriesChanged, this,
            &TSessionKeeper::SaveReminders);
}

TSessionKeeper::~TSessionKeeper() {
    writer_.waitForDone();
}

QString TSessionKeeper::ReminderFile() {
    // Beside the user's own translations.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vidoslov/podsetnik.Izbor");
}

QString TSessionKeeper::FailureText(const QString& path) {
    return QStringLiteral("Podešavanja se ne mogu snimiti u fasciklu %1. Program radi dalje, "
                          "ali ih neće zapamtiti.")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

void TSessionKeeper::Restore() {
    const QString folder = program_.Baze->programFolder();
    const BookCatalogue& books = program_.fMain->Catalogue();
    SessionState session;
    if (LoadSessionFile(sessionFile_, session)) {
        DropMissing(
            session,
            [&folder](const QString& name) {
                // The list file pads the names it gives with blanks.
                const QString file = name.trimmed();
                return !file.isEmpty() &&
                       QFileInfo::exists(file.startsWith(QLatin1Char('/'))
                                             ? file
                                             : folder + QStringLiteral("baza/") + file);
            },
            [&books](const QString& code) { return !books.BookTitleOfCode(code).isEmpty(); });
        timer_->blockSignals(true);
        if (session.appearance != CurrentAppearance())
            program_.fMain->SetAppearance(session.appearance);
        program_.fMain->RestoreSession(session);
        program_.fTrazi->SetTranslationChoice(session.searchTranslation);
        program_.fTrazi->IgnoreMarksBox()->setChecked(session.searchDiacritics);
        if (session.hasReminderPlace)
            program_.fPodsetnik->PlaceAt(session.reminderPlace);
        timer_->blockSignals(false);
        timer_->stop();
    }
    QStringList entries;
    QString error;
    if (QFileInfo::exists(reminderFile_) && LoadIzbor(reminderFile_, &entries, &error))
        program_.fPodsetnik->RestoreEntries(entries);
}

void TSessionKeeper::SaveSoon() {
    timer_->start();
}

bool TSessionKeeper::SavePending() const {
    return timer_->isActive();
}

SessionState TSessionKeeper::Capture() const {
    SessionState session;
    program_.fMain->CaptureSession(session);
    session.searchTranslation = program_.fTrazi->TranslationChoice();
    session.searchDiacritics = program_.fTrazi->IgnoreMarksBox()->isChecked();
    session.hasReminderPlace = program_.fPodsetnik->Placed();
    session.reminderPlace = program_.fPodsetnik->pos();
    session.appearance = CurrentAppearance();
    return session;
}

bool TSessionKeeper::Save() {
    timer_->stop();
    // An earlier write must not land over this one.
    WaitForSaves();
    return SaveSessionFile(sessionFile_, Capture()) || Failed(sessionFile_);
}

void TSessionKeeper::SaveInBackground() {
    timer_->stop();
    writer_.start([this, session = Capture(), path = sessionFile_] {
        if (SaveSessionFile(path, session))
            return;
        writeFailed_ = true;
        QMetaObject::invokeMethod(
            this, [this, path] { Failed(path); }, Qt::QueuedConnection);
    });
}

bool TSessionKeeper::WaitForSaves() {
    writer_.waitForDone();
    return !writeFailed_.exchange(false);
}

bool TSessionKeeper::SaveReminders() {
    QDir().mkpath(QFileInfo(reminderFile_).absolutePath());
    QString error;
    return SaveIzbor(reminderFile_, program_.fPodsetnik->Entries(), &error) ||
           Failed(reminderFile_);
}

bool TSessionKeeper::Failed(const QString& path) {
    if (!told_)
        ShowMessage(FailureText(path));
    told_ = true;
    return false;
}
