#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through here, so that tests can answer them.
// The default handler shows a modal box with an OK button.
using MessageHandler = std::function<void(const QString& text)>;

void ShowMessage(const QString& text);
// Installs a handler and returns the previous one.
MessageHandler SetMessageHandler(MessageHandler handler);

// A reason the system gave for a failure (a file's errorString()), in the user's language.
QString SystemReason(const QString& text);
