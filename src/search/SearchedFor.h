#pragma once

#include <QString>
#include <QStringList>

// What a search looked for, as the results window names it, marks it, copies it and prints it.
struct SearchedFor {
    QString translation; // the translation's caption
    QString file;        // its file in baza; empty for the default one
    QStringList words;   // the required and the alternative words, as entered
    bool folded = false; // "Bez obzira na kvačice"
};
