#include "shop/BackupRules.h"

#include "core/DateText.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/FileBackup.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace {
QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/sistemnota");
}

QString defaultFolder() { return dataFolder() + QStringLiteral("/backup"); }

// "kv" and ".sqlite" for kv.sqlite; "toko" and ".dump" for a server database toko.
QString stemOf(const QString &database)
{
    if (connection::isServer(database)) {
        const QString name = QUrl(database).path().section(QLatin1Char('/'), -1);
        return name.isEmpty() ? QStringLiteral("database") : name;
    }
    const QFileInfo file(database);
    return file.completeBaseName().isEmpty() ? file.fileName() : file.completeBaseName();
}

QString extensionOf(const QString &database)
{
    return connection::isServer(database) ? QStringLiteral(".dump") : QStringLiteral(".sqlite");
}

// The week a day belongs to, as one number.
int weekOf(const QDate &day)
{
    int year = 0;
    const int week = day.weekNumber(&year);
    return year * 100 + week;
}

// A hidden copy that was being written is left by a backup that never
// finished; one untouched this long belongs to no backup still running.
constexpr qint64 kLeftOverSeconds = 3600;
} // namespace

BackupPlaces BackupPlaces::configured()
{
    QSettings settings(database::settingsFile(), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("backup"));
    BackupPlaces places;
    places.folder = settings.value(QStringLiteral("folder")).toString().trimmed();
    if (places.folder.isEmpty())
        places.folder = defaultFolder();
    places.copyFolder = settings.value(QStringLiteral("copyTo")).toString().trimmed();
    return places;
}

BackupRules::BackupRules(QString database, BackupPlaces places, QString stateFile)
    : m_database(std::move(database)), m_places(std::move(places)), m_stateFile(std::move(stateFile))
{
}

BackupRules BackupRules::forAlias() { return forDatabase(database::aliasPath(QStringLiteral("KV"))); }

BackupRules BackupRules::forDatabase(const QString &database)
{
    return BackupRules(database, BackupPlaces::configured(), dataFolder() + QStringLiteral("/backup-state.ini"));
}

bool BackupRules::automatic() const { return !connection::isServer(m_database); }

QString BackupRules::nameFor(const QDate &day) const
{
    return stemOf(m_database) + day.toString(QStringLiteral("-yyyy-MM-dd")) + extensionOf(m_database);
}

QList<BackupCopy> BackupRules::backupsIn(const QString &folder) const
{
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})%2$")
                                         .arg(QRegularExpression::escape(stemOf(m_database)),
                                              QRegularExpression::escape(extensionOf(m_database))));
    QList<BackupCopy> found;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch m = pattern.match(file.fileName());
        const QDate day = m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")) : QDate();
        if (day.isValid())
            found.append({file.absoluteFilePath(), day, file.size()});
    }
    std::sort(found.begin(), found.end(), [](const BackupCopy &a, const BackupCopy &b) { return a.day > b.day; });
    return found;
}

QList<QDate> BackupRules::kept(QList<QDate> days)
{
    std::sort(days.begin(), days.end(), std::greater<>());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    QList<QDate> keep = days.mid(0, kDaily);
    QSet<int> weeks;
    for (qsizetype i = kDaily; i < days.size() && weeks.size() < kWeekly; ++i) {
        if (!weeks.contains(weekOf(days[i]))) {  // the newest of its week
            weeks.insert(weekOf(days[i]));
            keep << days[i];
        }
    }
    return keep;
}

QStringList BackupRules::rotate(const QString &folder) const
{
    QStringList removed;
    const QList<BackupCopy> backups = backupsIn(folder);
    QList<QDate> days;
    for (const BackupCopy &b : backups)
        days << b.day;
    const QList<QDate> keep = kept(days);
    for (const BackupCopy &b : backups)
        if (!keep.contains(b.day) && QFile::remove(b.path))
            removed << b.path;
    // Hidden copies: "." + the backup's name + ".partial-" + 8 hex digits.
    const QRegularExpression leftOver(QStringLiteral("^\\.%1-\\d{4}-\\d{2}-\\d{2}%2\\.partial-[0-9a-f]{8}(-journal)?$")
                                          .arg(QRegularExpression::escape(stemOf(m_database)),
                                               QRegularExpression::escape(extensionOf(m_database))));
    const QDateTime now = QDateTime::currentDateTime();
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (leftOver.match(file.fileName()).hasMatch() && file.lastModified().secsTo(now) > kLeftOverSeconds
            && QFile::remove(file.absoluteFilePath()))
            removed << file.absoluteFilePath();
    }
    return removed;
}

BackupRules::Outcome BackupRules::backUpInto(const QString &folder, const QDate &day, bool replace, int waitMs) const
{
    Outcome outcome;
    if (!QFileInfo(folder).isDir()) {
        outcome.failure = QFileInfo::exists(folder) ? QStringLiteral("%1 bukan folder").arg(folder)
                                                    : QStringLiteral("folder %1 tidak ada").arg(folder);
        return outcome;
    }
    const QString target = QDir(folder).filePath(nameFor(day));
    if (!replace && QFileInfo::exists(target)) {
        outcome.failure = QStringLiteral("%1 sudah ada").arg(target);
        return outcome;
    }
    const filebackup::Outcome made = filebackup::backUp(
        m_database, target, waitMs, replace ? filebackup::Existing::Replace : filebackup::Existing::Refuse, /*checked=*/true);
    outcome.failure = made.failure;
    outcome.problems = made.problems;
    if (!outcome.ok())
        return outcome;
    outcome.path = target;
    outcome.removed = rotate(folder);
    return outcome;
}

void BackupRules::runAtEnd(const QDate &today, int waitMs) const
{
    if (!automatic() || !QFileInfo(m_database).isFile())
        return;
    QStringList folders{m_places.folder};
    if (!m_places.copyFolder.isEmpty())
        folders << m_places.copyFolder;
    bool tried = false;
    QString failedFolder, failure;  // the first that failed; the others are still tried
    for (const QString &folder : folders) {
        if (QFileInfo::exists(QDir(folder).filePath(nameFor(today))))
            continue;
        tried = true;
        // The default folder is the program's own to make; a folder the
        // shop chose (a disk that may not be plugged in) is not.
        if (folder == defaultFolder())
            QDir().mkpath(folder);
        const Outcome outcome = backUpInto(folder, today, /*replace=*/false, waitMs);
        if (!outcome.ok() && failure.isEmpty()) {
            failedFolder = folder;
            failure = outcome.failure.isEmpty() ? outcome.problems.join(QStringLiteral("; ")) : outcome.failure;
        }
    }
    if (tried)
        remember(failedFolder, failure);
}

void BackupRules::remember(const QString &folder, const QString &failure) const
{
    QDir().mkpath(QFileInfo(m_stateFile).absolutePath());
    QSettings state(m_stateFile, QSettings::IniFormat);
    state.beginGroup(QStringLiteral("last"));
    state.setValue(QStringLiteral("database"), m_database);
    state.setValue(QStringLiteral("tried"), QDateTime::currentDateTime().toString(Qt::ISODate));
    state.setValue(QStringLiteral("folder"), folder);
    state.setValue(QStringLiteral("failure"), failure);
    state.endGroup();
    state.sync();
}

BackupRules::Remembered BackupRules::remembered() const
{
    QSettings state(m_stateFile, QSettings::IniFormat);
    state.beginGroup(QStringLiteral("last"));
    if (state.value(QStringLiteral("database")).toString() != m_database)
        return {};  // what was remembered concerns another database
    return {QDateTime::fromString(state.value(QStringLiteral("tried")).toString(), Qt::ISODate),
            state.value(QStringLiteral("folder")).toString(), state.value(QStringLiteral("failure")).toString()};
}

QString BackupRules::startHint(const QDate &today) const
{
    if (!automatic())
        return QString();
    const Remembered last = remembered();
    const QList<BackupCopy> backups = backupsIn(m_places.folder);
    const bool failed = !last.failure.isEmpty();
    if (backups.isEmpty()) {
        return failed ? QStringLiteral("Cadangan otomatis gagal; belum ada cadangan yang baik") : QString();
    }
    const QDate newest = backups.first().day;
    const qint64 age = newest.daysTo(today);
    if (!failed && age <= kHintAfterDays)
        return QString();
    const QString when = datetext::formatDate(datetext::kDisplayDate, newest);
    // Short enough for the hint line; where and why it failed: notadb backups.
    if (failed)
        return QStringLiteral("Cadangan otomatis gagal; cadangan baik terakhir: %1").arg(when);
    return QStringLiteral("Cadangan database terakhir: %1 (%2 hari yang lalu)").arg(when).arg(age);
}
