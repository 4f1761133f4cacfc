#include "Application.h"

#include "Errors.h"
#include "Messages.h"

void ReportError(const std::exception& error) {
    if (const auto* app = dynamic_cast<const AppError*>(&error))
        ShowMessage(app->text());
    else
        ShowMessage(QString::fromLocal8Bit(error.what()));
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationDisplayName(QStringLiteral("Vidoslov"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    return false;
}
