#include "LiveCount.h"

#include "DataModule.h"
#include "Errors.h"
#include "Query.h"

#include <QMetaObject>
#include <memory>

namespace {

// Lives on the counting thread: keeps a query per connection and counts the newest request.
class Counter : public QObject {
public:
    Counter(const std::atomic<quint64>& serial, TLiveCount* owner)
        : serial_(serial), owner_(owner) {}

    void Count(quint64 serial, const SearchRequest& request, const QString& connection) {
        if (serial != serial_.load())
            return; // a newer request waits behind this one
        int verses = -1;
        try {
            if (!query_ || connection != connection_) {
                query_ = std::make_unique<Query>();
                query_->setConnectionString(connection);
                connection_ = connection;
            }
            verses = CountSearch(*query_, request.words, request.folded,
                                 BuildBookCondition(request.oldTestament, request.newTestament));
        } catch (const std::exception&) {
            query_.reset();
        }
        if (serial != serial_.load())
            return;
        QMetaObject::invokeMethod(
            owner_,
            [owner = owner_, serial, verses, &current = serial_] {
                if (serial == current.load())
                    emit owner->counted(verses);
            },
            Qt::QueuedConnection);
    }

private:
    const std::atomic<quint64>& serial_;
    TLiveCount* owner_;
    std::unique_ptr<Query> query_;
    QString connection_;
};

} // namespace

TLiveCount::TLiveCount(QObject* parent) : QObject(parent) {
    qRegisterMetaType<SearchRequest>("SearchRequest");
    auto* counter = new Counter(serial_, this);
    counter->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, counter, &QObject::deleteLater);
    connect(this, &TLiveCount::start, counter,
            [counter](quint64 serial, const SearchRequest& request, const QString& connection) {
                counter->Count(serial, request, connection);
            });
    thread_.start();
}

TLiveCount::~TLiveCount() {
    Cancel();
    thread_.quit();
    thread_.wait();
}

void TLiveCount::Request(const SearchRequest& request, const QString& programFolder) {
    const QString file =
        request.file.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : request.file;
    const QString connection = programFolder.isEmpty()
                                   ? TranslationConnectionString(file)
                                   : TranslationConnectionString(file, programFolder);
    emit start(++serial_, request, connection);
}

void TLiveCount::Cancel() {
    ++serial_;
}
