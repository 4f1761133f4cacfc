// Times the statements of the search dialog on the default translation file: narrowed by the
// file's search index as the program runs them, and by the scan of every verse for comparison.
#include "SearchBench.h"

#include "BookCatalogue.h"
#include "DataModule.h"
#include "KeptVerses.h"
#include "Query.h"
#include "QueryBuilder.h"
#include "Search.h"

#include <benchmark/benchmark.h>

namespace {

// Words for the three searches in the language of the text: a word that occurs a few hundred
// times, and one of each kind for the mixed search.
struct BenchWords {
    QString required;
    SearchWords mixed;
    QString newTestament;
    QString folded;      // typed without diacritics
    QStringList counted; // a rare, a common and a very common word
    QString phrase;
    QString commonest; // the three letters that the most verses hold
};

const BenchWords English = {"light",
                            {{"lord"}, {"king"}, {"mercy", "grace"}},
                            "faith",
                            "light",
                            {"dove", "bread", "lord"},
                            "\"let there be\"",
                            "the"};
const BenchWords Serbian = {"hleb",
                            {{"gospod"}, {"car"}, {"milost", "dobrot"}},
                            "vera",
                            "covek",
                            {"golub", "hleb", "gospod"},
                            "\"neka bude\"",
                            "pod"};

TestamentChoice Testament(bool old, bool whole) {
    TestamentChoice choice;
    const int first = old ? 0 : BookCatalogue::LastOldTestamentBook;
    const int last = old ? BookCatalogue::LastOldTestamentBook : BookCatalogue::BookCount;
    for (int i = first; i < last; ++i)
        choice.codes << QString::fromUtf8(BookCatalogue::Codes[i]);
    choice.whole = whole;
    return choice;
}

QString Books(bool newTestamentOnly) {
    return newTestamentOnly ? BuildBookCondition(Testament(true, false), Testament(false, true))
                            : QString();
}

void RunSearch(benchmark::State& state, const QString& connection, const SearchWords& words,
               bool newTestamentOnly, bool ignoreMarks, bool scan) {
    Query q;
    q.setConnectionString(connection);
    for (const QString& line :
         SearchStatement(words, ignoreMarks, Books(newTestamentOnly), !scan && q.hasSearchIndex()))
        q.addLine(line);
    for (auto _ : state) {
        q.open();
        state.counters["rows"] = q.recordCount();
    }
}

// English when the text is full of "the", else Serbian.
const BenchWords& WordsOf(const QString& connection) {
    Query q;
    q.setConnectionString(connection);
    q.addLine("select count(*) as n from vidoslov where tekst like '% the %'");
    q.open();
    return q.fieldAsText("n").toInt() > 1000 ? English : Serbian;
}

} // namespace

void RegisterSearchBenches(const QString& programFolder) {
    const QString connection = TranslationConnectionString(DefaultTranslationFile, programFolder);
    const BenchWords& words = WordsOf(connection);
    const auto add = [&](const QString& name, const SearchWords& list, bool newTestamentOnly,
                         bool ignoreMarks = false) {
        for (const bool scan : {false, true})
            benchmark::RegisterBenchmark(((scan ? "Scan" : "") + name).toUtf8().constData(),
                                         [=](benchmark::State& state) {
                                             RunSearch(state, connection, list, newTestamentOnly,
                                                       ignoreMarks, scan);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
    };
    add("SearchRequired/" + words.required, {{words.required}, {}, {}}, false);
    add("SearchMixed/" + words.mixed.required.join(','), words.mixed, false);
    add("SearchNewTestament/" + words.newTestament, {{words.newTestament}, {}, {}}, true);
    add("SearchWithoutMarks/" + words.folded, {{words.folded}, {}, {}}, false, true);
    for (const QString& word : words.counted)
        add("SearchRequired/" + word, {{word}, {}, {}}, false);
    add("SearchPhrase/" + words.phrase, {{words.phrase}, {}, {}}, false);
    // Reading the texts into memory, as the program does once per file on a thread of its own.
    benchmark::RegisterBenchmark("ReadVerseMemory",
                                 [=](benchmark::State& state) {
                                     Query q;
                                     q.setConnectionString(connection);
                                     for (auto _ : state)
                                         state.counters["MB"] =
                                             double(VerseMemory::Read(q)->Bytes()) / (1 << 20);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    // The whole search as the dialog runs it, on the texts in memory: its rows read into the
    // result.
    const auto addRun = [&](const QString& name, const SearchWords& list, bool newTestamentOnly,
                            bool ignoreMarks) {
        benchmark::RegisterBenchmark(("RunSearch/" + name).toUtf8().constData(),
                                     [=](benchmark::State& state) {
                                         SearchRequest request;
                                         request.words = list;
                                         request.folded = ignoreMarks;
                                         request.oldTestament = Testament(true, !newTestamentOnly);
                                         request.newTestament = Testament(false, true);
                                         KeptVerses(connection);
                                         WaitForKeptVerses();
                                         for (auto _ : state)
                                             state.counters["rows"] = double(
                                                 ::RunSearch(request, programFolder).rows.size());
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    };
    for (const QString& word : words.counted)
        addRun(word, {{word}, {}, {}}, false, false);
    addRun("mixed", words.mixed, false, false);
    addRun("newTestament", {{words.newTestament}, {}, {}}, true, false);
    addRun("withoutMarks", {{words.folded}, {}, {}}, false, true);
    addRun("phrase", {{words.phrase}, {}, {}}, false, false);
    addRun("commonest/" + words.commonest, {{words.commonest}, {}, {}}, false, false);
    // The count while typing, on the texts in memory.
    for (const QString& word : words.counted)
        benchmark::RegisterBenchmark(
            ("CountInMemory/" + word).toUtf8().constData(),
            [=](benchmark::State& state) {
                KeptVerses(connection);
                WaitForKeptVerses();
                const auto kept = KeptVerses(connection);
                for (auto _ : state)
                    state.counters["rows"] = kept->Count({{word}, {}, {}}, true, {});
            })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    // The count while typing, without diacritics, on the counter's own connection, as it is
    // made until the texts are in memory.
    for (const QString& word : words.counted)
        benchmark::RegisterBenchmark(
            ("CountSearch/" + word).toUtf8().constData(),
            [=](benchmark::State& state) {
                Query counter;
                counter.setConnectionString(connection);
                for (auto _ : state)
                    state.counters["rows"] = CountSearch(counter, {{word}, {}, {}}, true, {});
            })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
}
