#include "SessionStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr int SessionVersion = 1;

void WriteFont(QSettings& s, const QString& key, const TKvFont& f) {
    s.setValue(key + QStringLiteral("Name"), f.Name);
    s.setValue(key + QStringLiteral("Size"), f.Size);
    s.setValue(key + QStringLiteral("Style"), f.Style);
    s.setValue(key + QStringLiteral("Color"), static_cast<qlonglong>(f.Color));
}

// A whole number kept as written; `fallback` when missing or not a number.
int ReadInt(const QSettings& s, const QString& key, int fallback, int low, int high) {
    bool ok = false;
    const int value = s.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

void ReadFont(const QSettings& s, const QString& key, TKvFont& f) {
    const QString name = s.value(key + QStringLiteral("Name")).toString();
    if (!name.isEmpty())
        f.Name = name;
    f.Size = ReadInt(s, key + QStringLiteral("Size"), f.Size, 1, 200);
    f.Style = ReadInt(s, key + QStringLiteral("Style"), f.Style, 0, 15);
    f.Color = static_cast<TColor>(
        ReadInt(s, key + QStringLiteral("Color"), static_cast<int>(f.Color), 0, 0xFFFFFF));
}

} // namespace

QString SessionFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/vidoslov.ini");
}

bool LoadSession(QSettings& s, SessionState& state) {
    if (s.status() != QSettings::NoError ||
        s.value(QStringLiteral("version")).toInt() != SessionVersion)
        return false;
    SessionState read;
    read.bookCode = s.value(QStringLiteral("book")).toString();
    read.activePane = ReadInt(s, QStringLiteral("activePane"), 1, 1, PaneCount);
    for (int p = 1; p <= PaneCount; ++p) {
        PaneEntry& e = read.panes[p];
        s.beginGroup(QStringLiteral("pane%1").arg(p));
        e.file = s.value(QStringLiteral("file"), e.file).toString();
        e.table = s.value(QStringLiteral("table"), e.table).toString();
        e.caption = s.value(QStringLiteral("caption"), e.caption).toString();
        read.paneBooks[p] = s.value(QStringLiteral("book")).toString();
        e.chapter = ReadInt(s, QStringLiteral("chapter"), 0, 0, 999);
        e.verse = ReadInt(s, QStringLiteral("verse"), 0, 0, 999);
        e.linked = s.value(QStringLiteral("linked")).toBool();
        ReadFont(s, QStringLiteral("text"), e.textFont);
        ReadFont(s, QStringLiteral("ref"), e.refFont);
        e.color = static_cast<TColor>(
            ReadInt(s, QStringLiteral("color"), static_cast<int>(e.color), 0, 0xFFFFFF));
        e.zoom = ReadInt(s, QStringLiteral("zoom"), 0, MinZoom, MaxZoom);
        e.references =
            ReferenceMode(ReadInt(s, QStringLiteral("references"), int(ReferenceMode::All),
                                  int(ReferenceMode::All), int(ReferenceMode::None)));
        s.endGroup();
    }
    read.windowGeometry = s.value(QStringLiteral("window/geometry")).toByteArray();
    read.maximized = s.value(QStringLiteral("window/maximized")).toBool();
    read.splitterState = s.value(QStringLiteral("window/panes")).toByteArray();
    read.searchTranslation = s.value(QStringLiteral("search/translation")).toString();
    read.searchDiacritics = s.value(QStringLiteral("search/diacritics")).toBool();
    const QVariant place = s.value(QStringLiteral("reminders/place"));
    read.hasReminderPlace = place.canConvert<QPoint>() && !place.toPoint().isNull();
    read.reminderPlace = read.hasReminderPlace ? place.toPoint() : QPoint();
    read.appearance = AppearanceOfKey(s.value(QStringLiteral("window/look")).toString());
    state = read;
    return true;
}

bool SaveSession(QSettings& s, const SessionState& state) {
    s.clear();
    s.setValue(QStringLiteral("version"), SessionVersion);
    s.setValue(QStringLiteral("book"), state.bookCode);
    s.setValue(QStringLiteral("activePane"), state.activePane);
    for (int p = 1; p <= PaneCount; ++p) {
        const PaneEntry& e = state.panes[p];
        s.beginGroup(QStringLiteral("pane%1").arg(p));
        s.setValue(QStringLiteral("file"), e.file);
        s.setValue(QStringLiteral("table"), e.table);
        s.setValue(QStringLiteral("caption"), e.caption);
        s.setValue(QStringLiteral("book"), state.paneBooks[p]);
        s.setValue(QStringLiteral("chapter"), e.chapter);
        s.setValue(QStringLiteral("verse"), e.verse);
        s.setValue(QStringLiteral("linked"), e.linked);
        WriteFont(s, QStringLiteral("text"), e.textFont);
        WriteFont(s, QStringLiteral("ref"), e.refFont);
        s.setValue(QStringLiteral("color"), static_cast<qlonglong>(e.color));
        s.setValue(QStringLiteral("zoom"), e.zoom);
        s.setValue(QStringLiteral("references"), int(e.references));
        s.endGroup();
    }
    s.setValue(QStringLiteral("window/geometry"), state.windowGeometry);
    s.setValue(QStringLiteral("window/maximized"), state.maximized);
    s.setValue(QStringLiteral("window/panes"), state.splitterState);
    s.setValue(QStringLiteral("window/look"), AppearanceKey(state.appearance));
    s.setValue(QStringLiteral("search/translation"), state.searchTranslation);
    s.setValue(QStringLiteral("search/diacritics"), state.searchDiacritics);
    if (state.hasReminderPlace)
        s.setValue(QStringLiteral("reminders/place"), state.reminderPlace);
    s.sync();
    return s.status() == QSettings::NoError;
}

bool LoadSessionFile(const QString& path, SessionState& state) {
    QSettings s(path, QSettings::IniFormat);
    return LoadSession(s, state);
}

bool SaveSessionFile(const QString& path, const SessionState& state) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        // A file QSettings cannot read it will not write over either.
        QSettings probe(path, QSettings::IniFormat);
        if (probe.status() == QSettings::FormatError)
            QFile::remove(path);
    }
    // QSettings writes through a temporary file renamed over the old one, under a lock.
    QSettings s(path, QSettings::IniFormat);
    return SaveSession(s, state);
}

Appearance SavedAppearance(const QString& path) {
    SessionState state;
    LoadSessionFile(path, state);
    return state.appearance;
}

void DropMissing(SessionState& state, const std::function<bool(const QString&)>& translationExists,
                 const std::function<bool(const QString&)>& bookExists) {
    if (!bookExists(state.bookCode))
        state.bookCode.clear();
    const PaneEntry defaults;
    for (int p = 1; p <= PaneCount; ++p) {
        PaneEntry& e = state.panes[p];
        if (!bookExists(state.paneBooks[p])) {
            state.paneBooks[p].clear();
            e.chapter = e.verse = 0;
        }
        if (translationExists(e.file))
            continue;
        e.file = QString();
        e.table = defaults.table;
        e.caption = defaults.caption;
        e.chapter = e.verse = 0;
    }
}
