#include "JetImage.h"

#include "ConnectionString.h"
#include "EngineText.h"
#include "Errors.h"
#include "JetCache.h"
#include "JetFile.h"
#include "JetIndexBuild.h"
#include "JetTable.h"
#include "SearchIndex.h"
#include "TextRules.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <sqlite3.h>
#include <tuple>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

struct ImageKey {
    QString path;
    qint64 size;
    qint64 modified;
    bool operator<(const ImageKey& o) const {
        return std::tie(path, size, modified) < std::tie(o.path, o.size, o.modified);
    }
};

std::mutex& ImagesLock() {
    static std::mutex lock;
    return lock;
}

// A file's image and the build of its copy with the search index, started by the file's first
// open; `built` ends when the copy has also been kept in the cache folder.
struct LoadedImage {
    ImageKey key;
    std::shared_ptr<const JetImage> image;
    QString cacheKey;
    std::shared_future<std::shared_ptr<const JetImage>> indexed;
    std::future<void> built;
    bool indexAsked = false;
};

// The build runs below the windows' priority, so that it takes what they leave of the processor.
// The copy serves the file's connections as soon as it is built, before it is written out.
using IndexBuild = std::function<std::shared_ptr<const JetImage>()>;
void BuildInBackground(const IndexBuild& build, const QString& cacheKey,
                       std::promise<std::shared_ptr<const JetImage>> indexed) {
#if defined(__linux__)
    setpriority(PRIO_PROCESS, id_t(gettid()), 19); // this thread only
#endif
    std::shared_ptr<const JetImage> copy = build();
    indexed.set_value(copy);
    if (copy && !cacheKey.isEmpty())
        copy->keep(cacheKey);
}

void StartIndexBuild(LoadedImage& loaded, IndexBuild build) {
    loaded.indexAsked = true;
    std::promise<std::shared_ptr<const JetImage>> indexed;
    loaded.indexed = indexed.get_future().share();
    loaded.built = std::async(std::launch::async, BuildInBackground, std::move(build),
                              loaded.cacheKey, std::move(indexed));
}

// The loaded images by file; a changed file gets a new one.
std::map<QString, LoadedImage>& Images() {
    static std::map<QString, LoadedImage> images;
    return images;
}

// The image to connect to: the one with the search index once its build has ended.
const std::shared_ptr<const JetImage>& Current(LoadedImage& loaded) {
    if (loaded.indexed.valid() &&
        loaded.indexed.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        if (auto indexed = loaded.indexed.get())
            loaded.image = std::move(indexed);
        loaded.indexed = {};
    }
    return loaded.image;
}

void Exec(sqlite3* db, const QString& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? EngineErrorText(QString::fromUtf8(error)).toStdString()
                                       : std::string("tabela stihova ne može da se napravi");
        sqlite3_free(error);
        throw JetFormatError(text);
    }
}

QString Quoted(const QString& name) {
    return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
}

// The table in SQLite: numbers as INTEGER, texts as TEXT, `knjiga` compared without regard
// to case, and the index on the place when the table has its three columns.
void CreateTable(sqlite3* db, const QString& table, const std::vector<JetColumn>& columns) {
    QStringList defs;
    for (const JetColumn& c : columns)
        defs << Quoted(c.name) +
                    (c.isNumber() ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT")) +
                    (c.name.compare(QLatin1String("knjiga"), Qt::CaseInsensitive) == 0
                         ? QStringLiteral(" COLLATE NOCASE")
                         : QString());
    Exec(db, QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(table), defs.join(", ")));
}

void CreatePlaceIndex(sqlite3* db, const QString& table, const std::vector<JetColumn>& columns) {
    int found = 0;
    for (const JetColumn& c : columns)
        for (const char* name : {"knjiga", "glava", "rbr"})
            found += c.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    if (found == 3)
        Exec(db, QStringLiteral("CREATE INDEX vidoslov_mesto ON %1 (knjiga, glava, rbr)")
                     .arg(Quoted(table)));
}

} // namespace

JetImage::JetImage(unsigned char* data, long long size, QString password)
    : data_(data), size_(size), password_(std::move(password)) {}

JetImage::~JetImage() {
    sqlite3_free(data_);
}

SqliteDatabase JetImage::connect() const {
    SqliteDatabase db;
    int rc = OpenSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db);
    if (rc == SQLITE_OK && data_) // a file without the table gives an empty database
        rc =
            sqlite3_deserialize(db.get(), "main", data_, size_, size_, SQLITE_DESERIALIZE_READONLY);
    // The connection holds the image as the data of a function, which it drops when it closes.
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(
            db.get(), "jet_image", 0, SQLITE_UTF8,
            new std::shared_ptr<const JetImage>(shared_from_this()),
            [](sqlite3_context* c, int, sqlite3_value**) { sqlite3_result_null(c); }, nullptr,
            nullptr,
            [](void* image) { delete static_cast<std::shared_ptr<const JetImage>*>(image); });
    if (rc != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(db ? sqlite3_errmsg(db.get()) : sqlite3_errstr(rc)));
    return db;
}

void JetImage::keep(const QString& cacheKey) const {
    WriteJetCache(cacheKey, data_, size_);
}

bool JetImage::copyInto(sqlite3* db) const {
    if (!data_)
        return false;
    auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(size_)));
    if (!copy)
        return false;
    std::memcpy(copy, data_, size_t(size_));
    // The connection frees the copy when it closes, and when the copy cannot be taken.
    return sqlite3_deserialize(db, "main", copy, size_, size_,
                               SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) ==
           SQLITE_OK;
}

std::shared_ptr<const JetImage> JetImage::successor() const {
    const std::lock_guard<std::mutex> lock(successorLock_);
    return successor_;
}

void JetImage::setSuccessor(std::shared_ptr<const JetImage> indexed) const {
    const std::lock_guard<std::mutex> lock(successorLock_);
    successor_ = std::move(indexed);
}

std::shared_ptr<const JetImage> JetImage::serialized(sqlite3* db) const {
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db, "main", &size, 0);
    return data ? std::make_shared<const JetImage>(data, size, password_) : nullptr;
}

std::shared_ptr<const JetImage> JetImage::withSearchIndex(const QString& cacheKey) const {
    SqliteDatabase db;
    if (OpenSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db) != SQLITE_OK ||
        !copyInto(db.get()))
        return nullptr;
    RegisterTextRules(db.get());
    try {
        Exec(db.get(), QStringLiteral("BEGIN"));
        BuildSearchIndex(db.get(), IndexedText::Dropped);
        if (!cacheKey.isEmpty())
            MarkJetCacheImage(db.get(), cacheKey);
        Exec(db.get(), QStringLiteral("COMMIT"));
    } catch (const std::exception&) {
        return nullptr; // no verse table with text: the image stays as it is
    }
    auto indexed = serialized(db.get());
    setSuccessor(indexed);
    return indexed;
}

std::shared_ptr<const JetImage> LoadJetImage(QByteArray file, const QString& password,
                                             const QString& table) {
    const JetHeader header = ReadJetHeader(file.left(JetPageSize));
    if (!JetPasswordAccepts(header.password, password))
        throw JetPasswordError();
    const JetPages pages(std::move(file), header.pageKey);
    const JetTableReader reader(pages);
    SqliteDatabase db;
    if (OpenSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db) != SQLITE_OK)
        throw JetFormatError("baza u memoriji ne može da se otvori");
    RegisterTextRules(db.get());
    if (const uint32_t page = reader.findTable(table)) {
        const JetTableDefinition def = reader.definition(page);
        CreateTable(db.get(), table, def.columns);
        std::vector<int> chosen;
        for (size_t i = 0; i < def.columns.size(); ++i)
            chosen.push_back(int(i));
        QStringList marks;
        for (size_t i = 0; i < chosen.size(); ++i)
            marks << QStringLiteral("?");
        Exec(db.get(), QStringLiteral("BEGIN"));
        const QByteArray sql = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                   .arg(Quoted(table), marks.join(','))
                                   .toUtf8();
        SqliteStatement insert;
        PrepareSqlite(db.get(), sql.constData(), -1, insert);
        for (const JetColumn& column : def.columns)
            if (!column.isNumber() && !column.isText())
                throw JetFormatError("kolona " + column.name.toStdString() +
                                     " je vrste koju program ne čita");
        // Texts go in as UTF-8, written into one buffer per column that lives until the step.
        QStringEncoder utf8(QStringEncoder::Utf8);
        std::vector<std::string> texts(def.columns.size());
        reader.readRows(def, chosen, [&](const std::vector<JetValue>& values) {
            for (size_t i = 0; i < values.size(); ++i) {
                const JetValue& v = values[i];
                const int at = int(i) + 1;
                if (v.kind == JetValue::Null) {
                    sqlite3_bind_null(insert.get(), at);
                } else if (v.kind == JetValue::Number) {
                    sqlite3_bind_int64(insert.get(), at, v.number);
                } else {
                    const QStringView text(v.text.data(), qsizetype(v.text.size()));
                    std::string& out = texts[i];
                    out.resize(size_t(utf8.requiredSpace(text.size())));
                    const char* end = utf8.appendToBuffer(out.data(), text);
                    sqlite3_bind_text(insert.get(), at, out.data(), int(end - out.data()),
                                      SQLITE_STATIC);
                }
            }
            if (sqlite3_step(insert.get()) != SQLITE_DONE)
                throw JetFormatError(
                    EngineErrorText(QString::fromUtf8(sqlite3_errmsg(db.get()))).toStdString());
            sqlite3_reset(insert.get());
        });
        insert.reset();
        CreatePlaceIndex(db.get(), table, def.columns);
        Exec(db.get(), QStringLiteral("COMMIT"));
    }
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db.get(), "main", &size, 0);
    return std::make_shared<const JetImage>(data, size, header.password);
}

bool ReadWholeFile(QIODevice& in, qint64 size, QByteArray& bytes) {
    if (size < 0 || size > MaxJetFileBytes || !in.seek(0))
        return false;
    bytes = QByteArray(size, Qt::Uninitialized);
    qint64 got = 0;
    for (qint64 n = 1; got < size && n > 0; got += n)
        n = std::max<qint64>(in.read(bytes.data() + got, size - got), 0);
    char more = 0;
    return got == size && in.read(&more, 1) == 0;
}

SqliteDatabase OpenJetDatabase(const QString& file, const QString& password,
                               std::shared_ptr<const JetImage>* image) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return nullptr;
    const DatabaseFormat format = DatabaseFormatOf(in.read(JetHeadSize));
    if (format != DatabaseFormat::Jet4 && format != DatabaseFormat::OtherJet)
        return nullptr;
    const QString refused = UnrecognizedFormatText(file);
    if (format == DatabaseFormat::OtherJet)
        throw DatabaseError(refused);
    // The size of the file as opened: the one that is read, and the one the image is known by.
    const qint64 size = in.size();
    if (size > MaxJetFileBytes)
        throw DatabaseError(JetTooLargeText(file));
    // Counts may open files on other threads than the windows.
    const std::lock_guard<std::mutex> lock(ImagesLock());
    const QFileInfo info(file);
    const ImageKey key{info.absoluteFilePath(), size, info.lastModified().toMSecsSinceEpoch()};
    auto& images = Images();
    auto known = images.find(key.path);
    std::shared_ptr<const JetImage> loaded;
    QString cacheKey;
    LoadedImage building; // the image read now, with the build of its index
    if (known != images.end() && !(known->second.key < key) && !(key < known->second.key)) {
        loaded = Current(known->second);
        if (!JetPasswordAccepts(loaded->password(), password))
            throw DatabaseError(QStringLiteral("%1 (%2)").arg(NotValidPasswordText(), file));
    } else {
        try {
            // The header and its password first; the rest only when the password opens it.
            in.seek(0);
            const JetHeader header = ReadJetHeader(in.read(JetPageSize));
            if (!JetPasswordAccepts(header.password, password))
                throw JetPasswordError();
            cacheKey = JetCacheKey(file);
            const CachedImage kept = ReadJetCache(cacheKey);
            if (kept.data) {
                loaded = std::make_shared<const JetImage>(kept.data, kept.size, header.password);
            } else {
                QByteArray bytes;
                if (!ReadWholeFile(in, size, bytes))
                    throw DatabaseError(JetChangedText(file));
                // The index is built from the file's texts while the image is loaded.
                std::promise<std::shared_ptr<const JetImage>> image;
                std::shared_future<std::shared_ptr<const JetImage>> loading =
                    image.get_future().share();
                building.cacheKey = cacheKey;
                // Each unmasks its own copy of the bytes, the second made by the first to start.
                StartIndexBuild(building, [bytes, loading, cacheKey]() mutable {
                    return BuildIndexedJetImage(std::move(bytes), loading, cacheKey);
                });
                try {
                    loaded = LoadJetImage(std::move(bytes), password);
                } catch (...) {
                    image.set_value(nullptr);
                    throw;
                }
                image.set_value(loaded);
            }
        } catch (const JetPasswordError&) {
            throw DatabaseError(QStringLiteral("%1 (%2)").arg(NotValidPasswordText(), file));
        } catch (const JetFormatError& e) {
            throw DatabaseError(
                QStringLiteral("%1 (%2)").arg(refused, QString::fromStdString(e.what())));
        }
        building.key = key;
        building.image = loaded;
        building.cacheKey = cacheKey;
        building.indexAsked = true; // built above, or kept with its index
        images[key.path] = std::move(building);
    }
    if (image)
        *image = loaded;
    return loaded->connect();
}

void AskForJetSearchIndex(const QString& file) {
    const std::lock_guard<std::mutex> lock(ImagesLock());
    const auto known = Images().find(QFileInfo(file).absoluteFilePath());
    if (known == Images().end() || known->second.indexAsked)
        return;
    StartIndexBuild(known->second, [image = known->second.image, key = known->second.cacheKey] {
        return image->withSearchIndex(key);
    });
}

void ForgetJetImages() {
    const std::lock_guard<std::mutex> lock(ImagesLock());
    Images().clear(); // waits for the builds under way
}

void WaitForJetSearchIndexes(bool kept) {
    const std::lock_guard<std::mutex> lock(ImagesLock());
    for (auto& [path, loaded] : Images())
        if (kept && loaded.built.valid())
            loaded.built.wait();
        else if (!kept && loaded.indexed.valid())
            loaded.indexed.wait();
}

QString DatabasePasswordOf(const QString& connectionString) {
    return ConnectionStringValue(connectionString, QStringLiteral("Jet OLEDB:Database Password"));
}
