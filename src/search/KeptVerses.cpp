#include "KeptVerses.h"

#include "Errors.h"
#include "Query.h"
#include "ReadOnlyFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QThreadPool>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <mutex>

namespace {

struct Kept {
    enum class State { None, Reading, Ready, Unusable };
    State state = State::None;
    FileStamp stamp;
    std::shared_ptr<const VerseMemory> verses;
    quint64 used = 0; // when last asked for
};

class Keeper {
public:
    Keeper() {
        pool_.setMaxThreadCount(1);
        // Before the program's end: a reading under way stops, and is waited for.
        qAddPostRoutine([] {
            Keeper& k = Instance();
            k.stop_ = true;
            k.pool_.waitForDone();
            k.stop_ = false;
        });
    }

    static Keeper& Instance() {
        // Never destroyed: a reading may still run while the program ends.
        static Keeper& keeper = *new Keeper;
        return keeper;
    }

    std::shared_ptr<const VerseMemory> Get(const QString& connection) {
        const FileStamp stamp = StampOf(Query::DataSourceOf(connection));
        std::lock_guard lock(mutex_);
        Kept& kept = kept_[connection];
        kept.used = ++clock_;
        if (kept.state == Kept::State::Reading)
            return nullptr; // what it reads is checked against the file again when asked next
        if (kept.stamp == stamp && kept.state != Kept::State::None)
            return kept.verses; // nothing when unusable
        kept = {Kept::State::Reading, stamp, nullptr, kept.used};
        pool_.start([this, connection, stamp] { Read(connection, stamp); });
        return nullptr;
    }

    void Wait() { pool_.waitForDone(); }

    void Forget() {
        pool_.waitForDone();
        std::lock_guard lock(mutex_);
        kept_.clear();
    }

private:
    void Read(const QString& connection, const FileStamp& stamp) {
        std::shared_ptr<const VerseMemory> verses;
        try {
            Query q;
            q.setConnectionString(connection);
            verses = VerseMemory::Read(q, &stop_);
        } catch (const DatabaseError&) {
        }
#if defined(__GLIBC__)
        // What the reading took besides the texts (the file's pages, the texts' growth) goes
        // back to the system, not only to this thread's heap.
        malloc_trim(0);
#endif
        std::lock_guard lock(mutex_);
        if (stop_) {
            kept_.remove(connection);
            return;
        }
        Kept& kept = kept_[connection];
        kept.stamp = stamp;
        kept.verses = verses;
        kept.state = verses ? Kept::State::Ready : Kept::State::Unusable;
        DropOldest();
    }

    // Keeps the texts of at most KeptFiles files.
    void DropOldest() {
        for (;;) {
            int ready = 0;
            QString oldest;
            quint64 oldestUse = ~quint64(0);
            for (auto it = kept_.cbegin(); it != kept_.cend(); ++it)
                if (it->state == Kept::State::Ready) {
                    ++ready;
                    if (it->used < oldestUse) {
                        oldestUse = it->used;
                        oldest = it.key();
                    }
                }
            if (ready <= KeptFiles)
                return;
            kept_.remove(oldest);
        }
    }

    std::mutex mutex_;
    QHash<QString, Kept> kept_;
    quint64 clock_ = 0;
    std::atomic<bool> stop_{false};
    QThreadPool pool_;
};

} // namespace

std::shared_ptr<const VerseMemory> KeptVerses(const QString& connectionString) {
    // Without an application there is no end of the program to stop a reading at.
    if (!QCoreApplication::instance())
        return nullptr;
    return Keeper::Instance().Get(connectionString);
}

void WaitForKeptVerses() {
    Keeper::Instance().Wait();
}

void ForgetKeptVerses() {
    Keeper::Instance().Forget();
}
