#include "LiveCount.h"

#include "DataModule.h"
#include "Errors.h"
#include "Query.h"

#include <QMetaObject>
#include <QPointer>

// What the counting thread keeps from one count to the next. Only the pool's one thread uses it.
struct TLiveCount::Counter {
    std::unique_ptr<Query> query;
    QString connection;
};

TLiveCount::TLiveCount(QObject* parent) : QObject(parent), counter_(std::make_unique<Counter>()) {
    pool_.setMaxThreadCount(1);
    pool_.setExpiryTimeout(-1); // one thread, kept with its query
}

TLiveCount::~TLiveCount() {
    Cancel();
    pool_.waitForDone();
}

void TLiveCount::Request(const SearchRequest& request, const QString& programFolder) {
    const QString file =
        request.file.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : request.file;
    const QString connection = programFolder.isEmpty()
                                   ? TranslationConnectionString(file)
                                   : TranslationConnectionString(file, programFolder);
    const quint64 serial = ++serial_;
    pool_.start([this, serial, request, connection] {
        if (serial != serial_.load())
            return; // a newer request waits behind this one
        int verses = -1;
        try {
            if (!counter_->query || connection != counter_->connection) {
                counter_->query = std::make_unique<Query>();
                counter_->query->setConnectionString(connection);
                counter_->connection = connection;
            }
            verses = CountSearch(*counter_->query, request.words, request.folded,
                                 BuildBookCondition(request.oldTestament, request.newTestament));
        } catch (const std::exception&) {
            counter_->query.reset();
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
    const quint64 serial = ++serial_;
    // Counting rests: its connection goes with the pages it keeps of the file, unless a newer
    // request has come meanwhile.
    pool_.start([this, serial] {
        if (serial == serial_.load())
            counter_->query.reset();
    });
}
