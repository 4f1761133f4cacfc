#include "Messages.h"

#include "Errors.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

void ShowBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageHandler& Handler() {
    static MessageHandler handler = ShowBox;
    return handler;
}

QuestionHandler& Questions() {
    static QuestionHandler handler;
    return handler;
}

} // namespace

void ShowMessage(const QString& text) {
    Handler()(text);
}

bool AskQuestion(const QString& text, const std::function<bool()>& box) {
    return Questions() ? Questions()(text) : box();
}

QuestionHandler SetQuestionHandler(QuestionHandler handler) {
    return std::exchange(Questions(), std::move(handler));
}

QString SystemReason(const QString& text) {
    // The reasons share the translations of Qt's own file messages.
    return QCoreApplication::translate("QIODevice", text.toUtf8().constData());
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(Handler());
    Handler() = handler ? std::move(handler) : MessageHandler(ShowBox);
    return previous;
}

void ReportError(const std::exception& error) {
    if (const auto* app = dynamic_cast<const AppError*>(&error))
        ShowMessage(app->text());
    else
        ShowMessage(QString::fromLocal8Bit(error.what()));
}
