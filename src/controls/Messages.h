#pragma once

#include <QString>
#include <exception>
#include <functional>

// Every message box of the program goes through here, so that tests can answer them.
// The default handler shows a modal box with an OK button.
using MessageHandler = std::function<void(const QString& text)>;

void ShowMessage(const QString& text);
// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// The yes/no questions go through here too; true for Yes. Without a handler `box` asks: the
// asking window's own modal box.
using QuestionHandler = std::function<bool(const QString& text)>;
bool AskQuestion(const QString& text, const std::function<bool()>& box);
// Installs a handler and returns the previous one; an empty one leaves the questions to their
// boxes.
QuestionHandler SetQuestionHandler(QuestionHandler handler);

// A reason the system gave for a failure (a file's errorString()), in the user's language.
QString SystemReason(const QString& text);

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
