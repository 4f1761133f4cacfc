#include "SwordLibrary.h"

#include "ImportRules.h"

#include <listkey.h>
#include <markupfiltmgr.h>
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

SwordLibrary::SwordLibrary(const QString& moduleFolder) : d(std::make_unique<Data>(moduleFolder)) {
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
        const EntryNotes notes = SplitNotes(FromSword(m->getRawEntry()));
        const QByteArray markup = WithoutWordMarkup(WithoutHeadings(notes.text)).toUtf8();
        verse.text = FromSword(m->renderText(markup.constData(), int(markup.size())));
        for (const QString& ref : notes.osisRefs)
            verse.osisRefs << ref.split(' ', Qt::SkipEmptyParts);
        for (const QString& text : notes.referenceTexts)
            verse.osisRefs << ParseReferenceText(text, *here);
        take(verse);
    }
}
