#include "SwordLibrary.h"

#include "EncodingCheck.h"
#include "ImportError.h"
#include "ImportRules.h"
#include "InputFiles.h"
#include "ModuleIndex.h"

#include <map>
#include <utility>

#include <listkey.h>
#include <markupfiltmgr.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <swoptfilter.h>
#include <versekey.h>

#include <string>

namespace {

// A manager that hands out its option filters by name.
class Manager : public sword::SWMgr {
public:
    using SWMgr::SWMgr;
    sword::SWOptionFilter* optionFilter(const char* name) {
        const auto found = optionFilters.find(name);
        return found == optionFilters.end() ? nullptr : found->second;
    }
};

// What a GBF or ThML module may carry besides its text: word numbers (Strong's), morphology,
// lemmas, notes and headings. Their filters, turned off, take it out. (OSIS entries lose their
// word markup before they are rendered.)
const char* const MarkupFilters[] = {
    "GBFStrongs", "GBFMorph",      "GBFFootnotes", "GBFHeadings",  "ThMLStrongs", "ThMLMorph",
    "ThMLLemma",  "ThMLFootnotes", "ThMLHeadings", "ThMLVariants", "ThMLScripref"};

// Every markup filter of the module's source type, added to it whether or not its .conf
// names it (a module that names none shows its Strong's numbers as "<G1520>"), and off.
void TakeOutMarkup(Manager& manager, sword::SWModule* m) {
    const char* type = m->getConfigEntry("SourceType");
    const std::string source = type ? type : "";
    for (const char* name : MarkupFilters) {
        if (source.empty() || std::string(name).rfind(source, 0) != 0)
            continue;
        if (sword::SWOptionFilter* filter = manager.optionFilter(name)) {
            filter->setOptionValue("Off");
            m->addOptionFilter(filter);
        }
    }
}

// libsword's messages, kept for the importer instead of printed: an error reading a module
// is damage the import must not pass over.
class KeptLog : public sword::SWLog {
public:
    void logMessage(const char* message, int level) const override {
        if (level > LOG_ERROR || !errors_.isEmpty())
            return;
        QString text = QString::fromUtf8(message).trimmed();
        if (text.startsWith(QLatin1String("ERROR: ")))
            text.remove(0, 7);
        while (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        errors_ = QStringLiteral("biblioteka SWORD javlja grešku \"%1\"").arg(text);
    }
    // The first error since the last call; empty when there was none.
    QString take() const { return std::exchange(errors_, QString()); }

private:
    mutable QString errors_;
};

// Keeps each entry's bytes as the module stores them, deciphered but not yet converted from the
// module's encoding.
class StoredBytes : public sword::SWFilter {
public:
    char processText(sword::SWBuf& text, const sword::SWKey*, const sword::SWModule*) override {
        bytes = QByteArray(text.c_str(), qsizetype(text.size()));
        return 0;
    }
    QByteArray bytes;
};

// Plain text out; every module's raw entry seen by StoredBytes first.
class Filters : public sword::MarkupFilterMgr {
public:
    Filters() : MarkupFilterMgr(sword::FMT_PLAIN) {}
    void addRawFilters(sword::SWModule* module, sword::ConfigEntMap& section) override {
        module->addRawFilter(&stored);
        MarkupFilterMgr::addRawFilters(module, section);
    }
    StoredBytes stored;
};

KeptLog* Log() {
    static KeptLog* log = [] {
        auto* kept = new KeptLog;
        sword::SWLog::setSystemLog(kept); // libsword owns it from here
        return kept;
    }();
    return log;
}

// The configurations libsword will read are regular files of a sane size, or the import ends.
const QString& CheckedFolder(const QString& folder) {
    for (const QString& mods : ConfigFolders(folder)) {
        const QString problem = FolderFilesProblem(mods, MaxConfigBytes);
        if (!problem.isEmpty())
            throw ImportError(
                ExitDamaged,
                QStringLiteral("Podešavanja modula se ne mogu pročitati: %1.").arg(problem));
    }
    Log();
    return folder;
}

} // namespace

struct SwordLibrary::Data {
    Filters* filters = new Filters; // the manager's own
    std::unique_ptr<Manager> manager;

    // Only the folder's modules: no ~/.sword added to them.
    explicit Data(const QString& folder)
        : manager(folder.isEmpty() ? std::make_unique<Manager>(filters)
                                   : std::make_unique<Manager>(folder.toUtf8().constData(), true,
                                                               filters, false, false)) {
        for (const auto& [name, m] : manager->getModules())
            TakeOutMarkup(*manager, m);
    }

    sword::SWModule* module(const QString& name) {
        return manager->getModule(name.toUtf8().constData());
    }
};

namespace {

QString FromSword(const char* text) {
    return QString::fromUtf8(text ? text : "");
}

// Text without the replacement character of bytes that are no UTF-8 and without control
// characters but line breaks and tabs: what unpacked or decoded garbage is not.
bool IsPlainText(const QString& text) {
    for (const QChar c : text)
        if (c == QChar::ReplacementCharacter ||
            (c.unicode() < 0x20 && c != '\n' && c != '\r' && c != '\t'))
            return false;
    return true;
}

ImportError Damaged(const QString& module, const QString& place, const QString& what) {
    return ImportError(ExitDamaged,
                       QStringLiteral("Podaci modula \"%1\" su oštećeni (%2): %3. Datoteka "
                                      "prevoda i spisak prevoda nisu promenjeni.")
                           .arg(module, place, what));
}

// A verse's place in the module's index: its testament and its index there.
using VersePosition = std::pair<int, long>;

VersePosition PositionOf(const sword::VerseKey& key) {
    return {key.getTestament(), key.getTestamentIndex()};
}

// The verses of the 66 books the module's index gives a text, with their names. Ends the
// import when the data files are shorter than the index says.
std::map<VersePosition, QString> PromisedVerses(sword::SWModule* m, const ModuleIndex& index,
                                                const QString& name) {
    std::map<VersePosition, QString> promised;
    sword::VerseKey key(*static_cast<const sword::VerseKey*>(m->getKey()));
    key.setIntros(false);
    for (key.setPosition(sword::TOP); !key.popError(); key.increment()) {
        const ModuleIndex::Entry entry = index.entry(key.getTestament(), key.getTestamentIndex());
        if (entry.size == 0 || key.getChapter() < 1 || key.getVerse() < 1 ||
            !CatalogueBookOfOsis(FromSword(key.getOSISBookName())))
            continue;
        const QString place = FromSword(key.getShortText());
        if (!index.holds(key.getTestament(), entry))
            throw Damaged(name, place,
                          QStringLiteral("datoteke modula su kraće nego što indeks modula navodi"));
        promised.emplace(PositionOf(key), place);
    }
    return promised;
}

bool IsBible(sword::SWModule* m) {
    if (!m || FromSword(m->getType()) != FromSword(sword::SWMgr::MODTYPE_BIBLES))
        return false;
    std::unique_ptr<sword::SWKey> key(m->createKey());
    return dynamic_cast<sword::VerseKey*>(key.get()) != nullptr;
}

// The OSIS places a written-out reference list names; ranges by their first verse.
QStringList ParseReferenceText(const QString& text, const sword::VerseKey& here) {
    QStringList refs;
    const QByteArray normalized = NormalizeReferenceText(text).toUtf8();
    sword::VerseKey context(here);
    sword::ListKey list = context.parseVerseList(normalized.constData(), here.getText(), false);
    for (int i = 0; i < list.getCount(); ++i) {
        const auto* key = dynamic_cast<const sword::VerseKey*>(list.getElement(i));
        if (!key)
            continue;
        refs << (key->isBoundSet() ? FromSword(key->getLowerBound().getOSISRef())
                                   : FromSword(key->getOSISRef()));
    }
    return refs;
}

} // namespace

SwordLibrary::SwordLibrary(const QString& moduleFolder)
    : d(std::make_unique<Data>(CheckedFolder(moduleFolder))) {
    for (const sword::SWBuf& option : d->manager->getGlobalOptions()) {
        const sword::StringList values = d->manager->getGlobalOptionValues(option);
        for (const sword::SWBuf& value : values)
            if (value == "Off")
                d->manager->setGlobalOption(option, "Off");
    }
}

SwordLibrary::~SwordLibrary() = default;

QList<SwordModuleInfo> SwordLibrary::modules() const {
    QList<SwordModuleInfo> list;
    for (const auto& [name, m] : d->manager->getModules())
        list.append({FromSword(name), FromSword(m->getDescription()), IsBible(m)});
    return list;
}

bool SwordLibrary::has(const QString& module) const {
    return d->module(module) != nullptr;
}

bool SwordLibrary::isBible(const QString& module) const {
    return IsBible(d->module(module));
}

void SwordLibrary::readVerses(const QString& name,
                              const std::function<void(const SwordVerse&)>& take) {
    sword::SWModule* m = d->module(name);
    if (!IsBible(m))
        return;
    const QString data = FromSword(m->getConfigEntry("AbsoluteDataPath"));
    const QString unsafe = FolderFilesProblem(data, MaxModuleFileBytes);
    if (!unsafe.isEmpty())
        throw Damaged(name, QStringLiteral("datoteke modula"), unsafe);
    const ModuleIndex index(FromSword(m->getConfigEntry("ModDrv")),
                            FromSword(m->getConfigEntry("BlockType")), data);
    std::map<VersePosition, QString> promised = PromisedVerses(m, index, name);
    const qsizetype promisedCount = qsizetype(promised.size());
    EncodingCheck encoding(FromSword(m->getConfigEntry("Encoding")));
    QByteArray& stored = d->filters->stored.bytes;
    Log()->take();
    static_cast<sword::VerseKey*>(m->getKey())->setIntros(false);
    m->setSkipConsecutiveLinks(false);
    sword::VerseKey previous;
    bool first = true;
    for (m->setPosition(sword::TOP); !m->popError(); m->increment()) {
        const auto* here = static_cast<const sword::VerseKey*>(m->getKey());
        const bool linked = !first && m->isLinked(&previous, here);
        previous = *here;
        first = false;
        if (linked)
            promised.erase(PositionOf(*here)); // its text went with the verse before it
        if (linked || here->getChapter() < 1 || here->getVerse() < 1)
            continue;
        SwordVerse verse;
        verse.osisBook = FromSword(here->getOSISBookName());
        if (!CatalogueBookOfOsis(verse.osisBook))
            continue;
        verse.chapter = here->getChapter();
        verse.verse = here->getVerse();
        const QString place = FromSword(here->getShortText());
        stored.clear();
        const QByteArray raw(m->getRawEntry());
        QString error = Log()->take();
        if (error.isEmpty())
            error = encoding.take(stored, place);
        if (!error.isEmpty())
            throw Damaged(name, place, error);
        if (raw.size() > MaxVerseBytes)
            throw Damaged(name, place,
                          QStringLiteral("stih je duži od %1 KB").arg(MaxVerseBytes >> 10));
        if (!raw.isEmpty())
            promised.erase(PositionOf(*here));
        const EntryNotes notes = SplitNotes(FromSword(raw.constData()));
        const QByteArray markup = WithoutWordMarkup(WithoutHeadings(notes.text)).toUtf8();
        verse.text = FromSword(m->renderText(markup.constData(), int(markup.size())));
        error = Log()->take();
        if (!error.isEmpty())
            throw Damaged(name, place, error);
        if (!IsPlainText(verse.text))
            throw Damaged(name, place, QStringLiteral("tekst stiha nije ispravan tekst"));
        for (const QString& ref : notes.osisRefs)
            verse.osisRefs << ref.split(' ', Qt::SkipEmptyParts);
        for (const QString& text : notes.referenceTexts)
            verse.osisRefs << ParseReferenceText(text, *here);
        take(verse);
    }
    // Fewer verses than the index promises: the module's data is damaged.
    if (!promised.empty())
        throw Damaged(name, promised.begin()->second,
                      QStringLiteral("indeks modula navodi %1 stihova s tekstom, a modul daje "
                                     "%2; prvi bez teksta je ovaj")
                          .arg(promisedCount)
                          .arg(promisedCount - qsizetype(promised.size())));
    QString place;
    const QString wrong = encoding.finish(place);
    if (!wrong.isEmpty())
        throw Damaged(name, place, wrong);
}
