#pragma once

#include <QString>
#include <stdexcept>

// Exit codes of the importer.
enum ImportExit {
    ExitOk = 0,
    ExitUsage = 1,         // wrong arguments, file name or caption
    ExitUnknownModule = 2, // no installed module of that name
    ExitNotBible = 3,      // the module is not a Bible text
    ExitCannotWrite = 4,   // the translation file or the list cannot be written
    ExitNoText = 5,        // the module gave no verse of the 66 books
    ExitDamaged = 6,       // an input is damaged, or is no regular file of a sane size
    ExitFailed = 7,        // anything else went wrong (out of memory)
    ExitCancelled = 8,     // stopped by a signal; nothing was written
};

// A failed import: the text for the user and the exit code.
class ImportError : public std::runtime_error {
public:
    ImportError(ImportExit code, const QString& text)
        : std::runtime_error(text.toStdString()), code_(code), text_(text) {}
    ImportExit code() const { return code_; }
    const QString& text() const { return text_; }

private:
    ImportExit code_;
    QString text_;
};
