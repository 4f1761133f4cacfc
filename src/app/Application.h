#pragma once

#include <QApplication>
#include <QIcon>
#include <exception>

// Shows an error that reached the top of a handler in the error box: the text of an AppError,
// else the exception's own text.
void ReportError(const std::exception& error);

// Runs a handler; an error it lets through goes to the error box and the program goes on.
template <class Handler> void Guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

// The program's icon, an open book, in the sizes built in (16, 32, 48 and 256 pixels).
QIcon ProgramIcon();

// Installs the Serbian texts of the standard dialogs and buttons on the application.
void InstallSerbianTexts(QCoreApplication& app);

// The application object: an error that any event handler lets through ends in the error
// box, and the event loop goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
