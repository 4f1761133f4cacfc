#include "SwordLibrary.h"

#include "ImportError.h"
#include "ImportRules.h"
#include "InputFiles.h"

#include <QFileInfo>
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

KeptLog* Log() {
    static KeptLog* log = [] {
        auto* kept = new KeptLog;
        sword::SWLog::setSystemLog(kept); // libsword owns it from here
        return kept;
    }();
    return log;
}

// The configurations libsword will read are regular files of a sane size, or the import ends.
// Whether the module's index holds an entry for the verse. libsword reads past the end of a
// short index (an Old Testament index left empty by a New Testament module) and then reports
// a size it never read; only an entry the index really holds can promise a text.
bool IndexHolds(sword::SWModule* m, const QString& dataPath, const sword::VerseKey& key) {
    const QString driver = QString::fromLatin1(m->getConfigEntry("ModDrv")).toLower();
    const int entry = driver == QLatin1String("rawtext")    ? 6
                      : driver == QLatin1String("rawtext4") ? 8
                      : driver == QLatin1String("ztext")    ? 10
                      : driver == QLatin1String("ztext4")   ? 12
                                                            : 0;
    if (entry == 0)
        return false;
    const QString folder = dataPath.endsWith(QLatin1Char('/')) ? dataPath : dataPath + '/';
    const QString index = folder + (key.getTestament() == 1 ? "ot" : "nt") +
                          (driver.startsWith(QLatin1String("z")) ? ".bzv" : ".vss");
    return QFileInfo(index).size() >= (qint64(key.getTestamentIndex()) + 1) * entry;
}

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
    std::unique_ptr<Manager> manager;

    // Only the folder's modules: no ~/.sword added to them.
    explicit Data(const QString& folder)
        : manager(folder.isEmpty()
                      ? std::make_unique<Manager>(new sword::MarkupFilterMgr(sword::FMT_PLAIN))
                      : std::make_unique<Manager>(folder.toUtf8().constData(), true,
                                                  new sword::MarkupFilterMgr(sword::FMT_PLAIN),
                                                  false, false)) {
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
    const auto damaged = [&name](const QString& place, const QString& what) {
        return ImportError(ExitDamaged,
                           QStringLiteral("Podaci modula \"%1\" su oštećeni (%2): %3. Datoteka "
                                          "prevoda i spisak prevoda nisu promenjeni.")
                               .arg(name, place, what));
    };
    const QString data = FromSword(m->getConfigEntry("AbsoluteDataPath"));
    const QString unsafe = FolderFilesProblem(data, MaxModuleFileBytes);
    if (!unsafe.isEmpty())
        throw damaged(QStringLiteral("datoteke modula"), unsafe);
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
        if (linked || here->getChapter() < 1 || here->getVerse() < 1)
            continue;
        SwordVerse verse;
        verse.osisBook = FromSword(here->getOSISBookName());
        if (!CatalogueBookOfOsis(verse.osisBook))
            continue;
        verse.chapter = here->getChapter();
        verse.verse = here->getVerse();
        const QString place = FromSword(here->getShortText());
        const QByteArray raw(m->getRawEntry());
        QString error = Log()->take();
        if (!error.isEmpty())
            throw damaged(place, error);
        if (raw.size() > MaxVerseBytes)
            throw damaged(place, QStringLiteral("stih je duži od %1 KB").arg(MaxVerseBytes >> 10));
        // The module's index promises the verse a text: reading none is damage.
        if (raw.isEmpty() && IndexHolds(m, data, *here) && m->getEntrySize() > 0)
            throw damaged(place, QStringLiteral("stih koji indeks modula navodi nema teksta"));
        const EntryNotes notes = SplitNotes(FromSword(raw.constData()));
        const QByteArray markup = WithoutWordMarkup(WithoutHeadings(notes.text)).toUtf8();
        verse.text = FromSword(m->renderText(markup.constData(), int(markup.size())));
        error = Log()->take();
        if (!error.isEmpty())
            throw damaged(place, error);
        if (!IsPlainText(verse.text))
            throw damaged(place, QStringLiteral("tekst stiha nije ispravan tekst"));
        for (const QString& ref : notes.osisRefs)
            verse.osisRefs << ref.split(' ', Qt::SkipEmptyParts);
        for (const QString& text : notes.referenceTexts)
            verse.osisRefs << ParseReferenceText(text, *here);
        take(verse);
    }
}
