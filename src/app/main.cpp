#include "Application.h"
#include "MainWindow.h"
#include "Program.h"
#include "SessionStore.h"

#include <QTimer>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // The look the user chose, before the first window is made.
    if (const Appearance look = SavedAppearance(SessionFile()); look != Appearance::System)
        ApplyAppearance(look);
    TProgram program;
    QObject::connect(program.fMain.get(), &TfMain::closed, &app, &QCoreApplication::quit);
    program.KeepSession();
    program.fMain->show();
    // Once the main window stands and the user reads it.
    constexpr int IdleAfterStartMs = 300;
    QTimer::singleShot(IdleAfterStartMs, &app, [&program] { program.PrepareFirstUses(); });
    return app.exec();
}
