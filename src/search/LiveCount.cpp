#include "LiveCount.h"

#include "DataModule.h"
#include "Errors.h"
#include "KeptVerses.h"
#include "Query.h"

#include <QHash>
#include <QMetaObject>

namespace {

// Counts kept per connection: a backspace, or the same words again, is answered from here.
constexpr qsizetype KeptCounts = 256;

// The statement that identifies a count on one connection.
QString CountKey(const SearchRequest& request) {
    return SearchStatement(request.words, request.folded,
                           BuildBookCondition(request.oldTestament, request.newTestament), false)
        .join(u'\n');
}

// The connection string of a translation file in a program folder (the running program's when
// empty).
QString ConnectionTo(const QString& translation, const QString& programFolder) {
    const QString file =
        translation.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : translation;
    return programFolder.isEmpty() ? TranslationConnectionString(file)
                                   : TranslationConnectionString(file, programFolder);
}

} // namespace

// What the counting thread keeps from one count to the next. Only the pool's one thread uses it.
struct TLiveCount::Counter {
    std::unique_ptr<Query> query;
    QString connection;
    QHash<QString, int> counts; // by CountKey, for the file of connection

    void Release() {
        query.reset();
        counts.clear();
    }

    // Whether it made a new connection.
    bool Connect(const QString& to) {
        if (query && to == connection)
            return false;
        Release();
        query = std::make_unique<Query>();
        query->setConnectionString(to);
        connection = to;
        return true;
    }

    int Count(const SearchRequest& request, const QString& to) {
        Connect(to);
        const QString key = CountKey(request);
        if (const auto kept = counts.constFind(key); kept != counts.constEnd())
            return *kept;
        const auto kept = KeptVerses(to);
        const int verses =
            kept ? kept->Count(request.words, request.folded,
                               SelectedBooks(request.oldTestament, request.newTestament))
                 : CountSearch(*query, request.words, request.folded,
                               BuildBookCondition(request.oldTestament, request.newTestament));
        if (counts.size() >= KeptCounts)
            counts.clear();
        counts.insert(key, verses);
        return verses;
    }
};

TLiveCount::TLiveCount(QObject* parent) : QObject(parent), counter_(std::make_unique<Counter>()) {
    pool_.setMaxThreadCount(1);
    pool_.setExpiryTimeout(-1); // one thread, kept with its query
    idle_.setSingleShot(true);
    idle_.setInterval(IdleRelease);
    connect(&idle_, &QTimer::timeout, this, [this] {
        const quint64 serial = serial_.load();
        // Counting rests: its connection goes with the pages it keeps of the file, unless a
        // newer request has come meanwhile.
        pool_.start([this, serial] {
            if (serial == serial_.load())
                counter_->Release();
        });
    });
}

TLiveCount::~TLiveCount() {
    ++serial_;
    pool_.waitForDone();
}

void TLiveCount::Request(const SearchRequest& request, const QString& programFolder) {
    idle_.stop();
    const QString connection = ConnectionTo(request.file, programFolder);
    const quint64 serial = ++serial_;
    pool_.start([this, serial, request, connection] {
        if (serial != serial_.load())
            return; // a newer request waits behind this one
        int verses = -1;
        try {
            verses = counter_->Count(request, connection);
        } catch (const std::exception&) {
            counter_->Release();
        }
        if (serial != serial_.load())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, serial, verses] {
                if (serial == serial_.load())
                    emit counted(verses);
            },
            Qt::QueuedConnection);
    });
}

void TLiveCount::Cancel() {
    ++serial_;
    idle_.start();
}

void TLiveCount::Prepare(const QString& file, const QString& programFolder) {
    Cancel();
    const quint64 serial = serial_.load();
    pool_.start([this, serial, connection = ConnectionTo(file, programFolder)] {
        if (serial != serial_.load())
            return;
        try {
            // The texts go into memory for the counts that follow; until they are there, the
            // verses' pages are read once.
            if (!KeptVerses(connection) && counter_->Connect(connection)) {
                counter_->query->clearSql();
                counter_->query->addLine(
                    QStringLiteral("select count(*) from vidoslov where tekst is not null"));
                counter_->query->open();
            }
        } catch (const std::exception&) {
            counter_->Release(); // the count reports it
        }
    });
}
