#pragma once

#include <QString>
#include <stdexcept>

// An error a handler lets through to the application's error box; its text is what the user
// reads.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

// The database engine refused to open a file or to run a statement.
class DatabaseError : public AppError {
public:
    using AppError::AppError;
};

// A text that should have been a number was not.
class ConvertError : public AppError {
public:
    using AppError::AppError;
};
