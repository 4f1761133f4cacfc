#include "Application.h"

#include "Messages.h"

#include <QTranslator>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The name only: a display name would be appended to every window title.
    setApplicationName(QStringLiteral("Vidoslov"));
    // Every window carries the icon; desktops find the menu entry vidoslov.desktop by the name.
    setWindowIcon(ProgramIcon());
    setDesktopFileName(QStringLiteral("vidoslov"));
    InstallSerbianTexts(*this);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/vidoslov-%1.png").arg(size), QSize(size, size));
    return icon;
}

void InstallSerbianTexts(QCoreApplication& app) {
    // The texts of Qt's own dialogs and buttons, in Serbian Latin.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/qt_sr_Latn.qm")))
        app.installTranslator(translator);
    else
        delete translator;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    return false;
}
