#pragma once

#include "Search.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>

// Counts, off the interface thread, how many verses a search would find: each count runs on a
// thread of its own with its own read-only query. A newer request makes older ones void; a
// request that waits while a count runs is replaced by the newer one, and the answers of void
// requests are dropped, so typing never waits for a count.
class TLiveCount : public QObject {
    Q_OBJECT
public:
    explicit TLiveCount(QObject* parent = nullptr);
    ~TLiveCount() override;

    // Asks for the count of a request in the given program folder (the running program's when
    // empty).
    void Request(const SearchRequest& request, const QString& programFolder);
    // Voids every request made so far and lets the counting connection go.
    void Cancel();

signals:
    // The count of the newest request; -1 when it could not be counted.
    void counted(int verses);

private:
    struct Counter;
    QThreadPool pool_;
    std::unique_ptr<Counter> counter_;
    std::atomic<quint64> serial_{0};
};
