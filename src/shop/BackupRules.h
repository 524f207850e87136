#pragma once
// The backups of the shop's database: when one is made, where it goes, how
// long it is kept and when it counts. The program makes one at its normal
// end; the admin tool lists them, makes them on request and restores them.
//
// - A backup is named by its day, "kv-2026-12-10.sqlite" for the file
//   kv.sqlite ("toko-2026-12-10.dump" for the server database toko), and is
//   written under a hidden name, checked as `notadb check` checks, and given
//   its name only then (data/FileBackup.h).
// - Kept: the newest 7 (daily), and of the older ones the newest of each
//   calendar week for 4 more weeks (weekly). Older ones go only after a new
//   one is whole.
// - Automatic: a file database, at the program's normal end, when the
//   backup folder holds none of that day; into the copy folder too, when one
//   is set and lacks that day's. A server database is its administrator's to
//   back up (notadb backup --to DIR from the system's timer).
// - What the last automatic try gave is remembered: the next start says when
//   the last good backup was made if that is more than 3 days ago or the
//   last try failed.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Where the backups go: [backup] in the settings file (alias.ini),
//   folder=/path      the automatic backups (default <data>/sistemnota/backup)
//   copyTo=/path      a second folder receiving them too (a USB disk, a
//                     mounted network folder); none unless set
struct BackupPlaces {
    QString folder;
    QString copyFolder;
    static BackupPlaces configured();
};

struct BackupCopy {
    QString path;
    QDate day;
    qint64 size = 0;
};

class BackupRules {
public:
    static constexpr int kDaily = 7;
    static constexpr int kWeekly = 4;
    static constexpr int kHintAfterDays = 3;

    // `database`: a file or a server URI; `stateFile`: where the outcome of
    // the last automatic try is remembered.
    BackupRules(QString database, BackupPlaces places, QString stateFile);
    // The database the alias KV names, the configured places and the state
    // kept in the user's data folder.
    static BackupRules forAlias();
    // The same for another database.
    static BackupRules forDatabase(const QString &database);

    const QString &database() const { return m_database; }
    const BackupPlaces &places() const { return m_places; }
    // Automatic backups are for a file database only.
    bool automatic() const;

    QString nameFor(const QDate &day) const;
    // This database's backups in `folder`, newest first.
    QList<BackupCopy> backupsIn(const QString &folder) const;
    // Of the days that have a backup, those that stay.
    static QList<QDate> kept(QList<QDate> days);

    struct Outcome {
        QString path;          // the backup made
        QString failure;       // why none could be made
        QStringList problems;  // what the check found in the copy (it was thrown away)
        QStringList removed;   // older backups the rotation removed
        bool ok() const { return failure.isEmpty() && problems.isEmpty(); }
    };
    // A checked backup of a file database into `folder` under `day`'s name
    // (replacing one of that day when `replace`), then the rotation there.
    Outcome backUpInto(const QString &folder, const QDate &day, bool replace, int waitMs) const;
    // Removes the backups the rotation does not keep, and hidden copies left
    // by a backup that never finished (a crash, a power cut). The removed.
    QStringList rotate(const QString &folder) const;

    // The program's end: the day's backups when due, the outcome remembered.
    void runAtEnd(const QDate &today, int waitMs) const;

    struct Remembered {
        QDateTime tried;  // invalid: never tried
        QString folder;   // where the last try failed
        QString failure;  // empty: the last try went well
    };
    Remembered remembered() const;
    // The hint line's text at start, or empty when all is well.
    QString startHint(const QDate &today) const;

private:
    void remember(const QString &folder, const QString &failure) const;

    QString m_database;
    BackupPlaces m_places;
    QString m_stateFile;
};
