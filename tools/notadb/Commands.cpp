#include "Commands.h"

#include "core/Errors.h"
#include "data/Provision.h"
#include "data/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

namespace notadb {
namespace {
// A plain read-only or read-write handle on an existing file (never creates).
class Handle {
public:
    Handle(const QString &file, int flags)
    {
        const QByteArray path = QFile::encodeName(file);
        m_rc = sqlite3_open_v2(path.constData(), &m_db, flags, nullptr);
        if (m_rc == SQLITE_OK)
            sqlite3_busy_timeout(m_db, 5000);
    }
    ~Handle() { sqlite3_close(m_db); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    bool ok() const { return m_rc == SQLITE_OK; }
    sqlite3 *db() const { return m_db; }
    QString error() const { return QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(m_rc)); }

    // Rows of a statement with text parameters, each row its columns as text.
    QList<QStringList> rows(const char *sql, const QStringList &params = {}, QString *failure = nullptr) const
    {
        QList<QStringList> out;
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            if (failure)
                *failure = error();
            return out;
        }
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray p = params[i].toUtf8();
            sqlite3_bind_text(stmt, i + 1, p.constData(), int(p.size()), SQLITE_TRANSIENT);
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            QStringList row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                row << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)));
            out << row;
        }
        if (rc != SQLITE_DONE && failure)
            *failure = error();
        sqlite3_finalize(stmt);
        return out;
    }

private:
    sqlite3 *m_db = nullptr;
    int m_rc = SQLITE_OK;
};

QStringList schemaProblems(const Handle &h)
{
    QStringList problems;
    for (const TableDef &table : schema::tables()) {
        QString failure;
        const QList<QStringList> columns = h.rows("SELECT name FROM pragma_table_info(?)", {table.name}, &failure);
        if (!failure.isEmpty())
            return {failure};
        if (columns.isEmpty()) {
            problems << QStringLiteral("table %1 is missing").arg(table.name);
            continue;
        }
        for (const ColumnDef &c : table.columns) {
            const bool present = std::any_of(columns.begin(), columns.end(), [&](const QStringList &row) {
                return row.first().compare(c.field.name, Qt::CaseInsensitive) == 0;
            });
            if (!present)
                problems << QStringLiteral("table %1 has no field %2").arg(table.name, c.field.name);
        }
        const QList<QStringList> indexes =
            h.rows("SELECT il.\"unique\", ii.name FROM pragma_index_list(?1) AS il, pragma_index_info(il.name) AS ii "
                   "WHERE ii.seqno = 0",
                   {table.name});
        for (const IndexDef &index : table.indexes) {
            const bool present = std::any_of(indexes.begin(), indexes.end(), [&](const QStringList &row) {
                return row.at(1).compare(index.column, Qt::CaseInsensitive) == 0
                    && (!index.unique || row.at(0) == QLatin1String("1"));
            });
            if (!present)
                problems << QStringLiteral("table %1 lacks its %2index on %3")
                                .arg(table.name, index.unique ? QStringLiteral("unique ") : QString(), index.column);
        }
    }
    if (!problems.isEmpty())
        return problems;
    const QList<QStringList> accounts =
        h.rows("SELECT COUNT(*), SUM(typeof(\"Nomer\") <> 'integer') FROM \"Adm\"");
    if (accounts.isEmpty() || accounts.first().at(0) == QLatin1String("0"))
        problems << QStringLiteral("table Adm holds no account");
    else if (accounts.first().at(1) != QLatin1String("0"))
        problems << QStringLiteral("table Adm has an account whose Nomer is not a whole number");
    return problems;
}
} // namespace

int init(const QString &file, const QString &user, const QString &password, QTextStream &out, QTextStream &err)
{
    if (user.isEmpty()) {
        err << "notadb: the first account needs a user name\n";
        return 2;
    }
    try {
        provision::createDatabase(file, user, password);
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    out << "Created " << QFileInfo(file).absoluteFilePath() << " with the account " << user << "\n";
    return 0;
}

int check(const QString &file, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(file).isFile()) {
        err << "notadb: database file " << file << " not found\n";
        return 1;
    }
    Handle h(file, SQLITE_OPEN_READONLY);
    if (!h.ok()) {
        err << "notadb: cannot open " << file << ": " << h.error() << "\n";
        return 1;
    }
    QString failure;
    const QList<QStringList> integrity = h.rows("PRAGMA integrity_check", {}, &failure);
    QStringList problems;
    if (!failure.isEmpty())
        problems << failure;
    else if (integrity.isEmpty() || integrity.first().first() != QLatin1String("ok"))
        for (const QStringList &row : integrity)
            problems << row.first();
    if (problems.isEmpty())
        problems = schemaProblems(h);
    if (!problems.isEmpty()) {
        err << "notadb: " << file << " has problems:\n";
        for (const QString &p : problems)
            err << "  " << p << "\n";
        return 1;
    }
    out << "OK: " << file << "\n";
    return 0;
}

int backup(const QString &file, const QString &destination, QTextStream &out, QTextStream &err)
{
    if (!QFileInfo(file).isFile()) {
        err << "notadb: database file " << file << " not found\n";
        return 1;
    }
    if (QFileInfo::exists(destination)) {
        err << "notadb: " << destination << " already exists\n";
        return 1;
    }
    Handle source(file, SQLITE_OPEN_READONLY);
    if (!source.ok()) {
        err << "notadb: cannot open " << file << ": " << source.error() << "\n";
        return 1;
    }
    QString failure;
    {
        Handle target(destination, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        if (!target.ok()) {
            failure = target.error();
        } else {
            // The online backup copies a consistent snapshot while others keep
            // working; it restarts by itself when a writer changes the source.
            sqlite3_backup *copy = sqlite3_backup_init(target.db(), "main", source.db(), "main");
            if (!copy) {
                failure = target.error();
            } else {
                int rc;
                do {
                    rc = sqlite3_backup_step(copy, 256);
                    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                        QThread::msleep(50);
                } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
                sqlite3_backup_finish(copy);
                if (rc != SQLITE_DONE)
                    failure = QString::fromUtf8(sqlite3_errstr(rc));
            }
        }
    }
    if (!failure.isEmpty()) {
        QFile::remove(destination);
        err << "notadb: backup to " << destination << " failed: " << failure << "\n";
        return 1;
    }
    out << "Backed up " << file << " to " << destination << "\n";
    return 0;
}
} // namespace notadb
