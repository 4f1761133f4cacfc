#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// One verse of a Bible module as the importer needs it.
struct SwordVerse {
    QString osisBook; // "Gen", "Matt"
    int chapter = 0;
    int verse = 0;
    QString text;         // plain text, not yet cleaned
    QStringList osisRefs; // the places its cross-reference notes point to
};

struct SwordModuleInfo {
    QString name;
    QString description;
    bool bible = false;
};

// The longest verse a module may hold: real verses, notes included, are a few kilobytes.
inline constexpr qsizetype MaxVerseBytes = 1 << 20;

// The SWORD modules installed on this computer (where libsword looks for them, SWORD_PATH
// included), or those of one module folder (holding mods.d), read with every display option off.
class SwordLibrary {
public:
    // An empty folder stands for the installed modules. Throws ImportError (ExitDamaged) when a
    // configuration there is no regular file of a sane size.
    explicit SwordLibrary(const QString& moduleFolder = {});
    ~SwordLibrary();
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    QList<SwordModuleInfo> modules() const;
    // Whether a module of that name is installed; whether it is a Bible text.
    bool has(const QString& module) const;
    bool isBible(const QString& module) const;

    // Calls `take` for every verse of the module, in the module's order, leaving out the
    // introductions and the verses linked to the one before them. Throws ImportError
    // (ExitDamaged) naming the place when the module's data is damaged: a file of it that is no
    // regular file of a sane size, data files shorter than the module's index says, an error
    // libsword reports, a verse over MaxVerseBytes, fewer verses than the index gives a text,
    // text in another encoding than the configuration names, or text that is no text.
    void readVerses(const QString& module, const std::function<void(const SwordVerse&)>& take);

private:
    struct Data;
    std::unique_ptr<Data> d;
};
