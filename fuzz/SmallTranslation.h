#pragma once

#include "VerseFixture.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

// A program folder for the run whose baza/vidl.mdb is a small translation file with the
// program's verse table: a few verses of several books, Latin and Cyrillic, with references.
inline const QString& SmallTranslationFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        const QString path = dir.path() + QStringLiteral("/");
        if (!dir.isValid() || !QDir(path).mkpath(QStringLiteral("baza")))
            std::abort();
        WriteVerseFile(
            path + QStringLiteral("baza/vidl.mdb"),
            {{"1 MOJ", 1, 1, "U početku stvori Bog nebo i zemlju.", "JOVAN 1:1|PSAL 33:6"},
             {"1 MOJ", 1, 2, "A zemlja beše bez obličja i pusta.", "."},
             {"1 MOJ", 2, 1, "Tako se dovrši nebo i zemlja.", QVariant()},
             {"IS.N", 1, 1, "Posle smrti Mojsija, sluge Gospodnjeg.", ""},
             {QStringLiteral("PRIčE"), 3, 5, "Uzdaj se u Gospoda svim srcem.", ""},
             {"MAT", 1, 1, QStringLiteral("Родослов Исуса Христа, сина Давидова."), ""},
             {"MAT", 28, 20, "100% do svršetka veka_", "1 MOJ 1:1"},
             {"OTKR", 22, 21, "Blagodat Gospoda našega.", ""}});
        return path;
    }();
    return folder;
}
