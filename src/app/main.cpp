#include "MainWindow.h"
#include "Application.h"
#include "Program.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TProgram program;
    QObject::connect(program.fMain.get(), &TfMain::closed, &app, &QCoreApplication::quit);
    program.KeepSession();
    program.fMain->show();
    return app.exec();
}
