#pragma once

#include "Messages.h"

#include <QApplication>
#include <QIcon>

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
