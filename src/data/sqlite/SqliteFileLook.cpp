#include "data/sqlite/SqliteFileLook.h"

#include "core/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbfile {
namespace {
// SQLite's lock bytes in a database file (its unix file locking): a shared
// lock is a read lock on this range; a connection folding its journal into
// the file when it closes needs a write lock on it.
constexpr off_t kSharedFirst = 0x40000000 + 2;
constexpr off_t kSharedSize = 510;

bool lockShared(int fd)
{
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kSharedFirst;
    lock.l_len = kSharedSize;
    return ::fcntl(fd, F_SETLK, &lock) == 0;
}

bool stampOf(const QString &file, qint64 &size, qint64 &modifiedNs)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return false;
    size = st.st_size;
    modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

QByteArray headerOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.read(100) : QByteArray();
}
} // namespace

SqliteHandle::SqliteHandle(const QString &uri, int flags)
{
    m_openCode = sqlite3_open_v2(uri.toUtf8().constData(), &m_db, flags | SQLITE_OPEN_URI, nullptr);
    if (m_db)
        sqlite3_extended_result_codes(m_db, 1);
}

SqliteHandle::~SqliteHandle() { sqlite3_close(m_db); }

bool SqliteHandle::ok() const { return m_openCode == SQLITE_OK; }

int SqliteHandle::code() const { return m_openCode != SQLITE_OK || !m_db ? m_openCode : sqlite3_extended_errcode(m_db); }

QString SqliteHandle::error() const
{
    return QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(m_openCode));
}

int SqliteHandle::eachRow(const QString &sql, const QVariantList &params,
                          const std::function<void(const QVariantList &)> &row) const
{
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        return sqlite3_extended_errcode(m_db);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> finalize(stmt, sqlite3_finalize);
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &p = params[i];
        switch (p.typeId()) {
        case QMetaType::UnknownType: sqlite3_bind_null(stmt, i + 1); break;
        case QMetaType::Int:
        case QMetaType::LongLong: sqlite3_bind_int64(stmt, i + 1, p.toLongLong()); break;
        case QMetaType::Double: sqlite3_bind_double(stmt, i + 1, p.toDouble()); break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = p.toByteArray();
            sqlite3_bind_blob64(stmt, i + 1, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray utf8 = p.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        }
    }
    int rc;
    QVariantList values;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        values.clear();
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: values << qint64(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: values << sqlite3_column_double(stmt, c); break;
            case SQLITE_TEXT:
                values << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                            sqlite3_column_bytes(stmt, c));
                break;
            case SQLITE_BLOB:
                values << QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, c)), sqlite3_column_bytes(stmt, c));
                break;
            default: values << QVariant(); break;
            }
        }
        row(values);
    }
    return rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(m_db);
}

QList<QVariantList> SqliteHandle::values(const char *sql, const QStringList &params, int *code) const
{
    QList<QVariantList> out;
    QVariantList bound;
    for (const QString &p : params)
        bound << p;
    const int rc = eachRow(QString::fromUtf8(sql), bound, [&out](const QVariantList &row) { out << row; });
    if (code)
        *code = rc;
    return out;
}

QList<QStringList> SqliteHandle::rows(const char *sql, const QStringList &params, int *code) const
{
    QList<QStringList> out;
    for (const QVariantList &row : values(sql, params, code)) {
        QStringList texts;
        for (const QVariant &v : row)
            texts << (v.isValid() ? v.toString() : QString());
        out << texts;
    }
    return out;
}

void SqliteRows::eachRow(const QString &sql, const QVariantList &values,
                         const std::function<void(const QVariantList &)> &row)
{
    const int code = m_handle.eachRow(sql, values, row);
    if (code != SQLITE_OK)
        throw SqliteReadFailure{code};
}

QString sqliteUri(const QString &file, const QString &query)
{
    QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString fileProblem(const QString &file)
{
    const QFileInfo info(file);
    if (!info.exists()) {
        if (!QFileInfo(info.absolutePath()).isDir())
            return QStringLiteral("berkas basis data %1 tidak ditemukan (folder %2 tidak ada)").arg(file, info.absolutePath());
        return QStringLiteral("berkas basis data %1 tidak ditemukan").arg(file);
    }
    if (info.isDir())
        return QStringLiteral("%1 adalah folder, bukan berkas basis data").arg(file);
    if (!info.isFile())
        return QStringLiteral("%1 bukan berkas biasa").arg(file);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("tidak dapat membaca %1: %2").arg(file, f.errorString());
    const QByteArray header = f.read(100);
    if (header.isEmpty())
        return QStringLiteral("%1 kosong (0 byte), bukan basis data").arg(file);
    if (!header.startsWith(QByteArray("SQLite format 3", 16)))  // the terminating zero belongs to it
        return QStringLiteral("%1 bukan basis data (tidak diawali kepala basis data)").arg(file);
    if (header.size() < 100)
        return QStringLiteral("%1 bukan basis data (isinya terpotong)").arg(file);
    return QString();
}

QString waitText(int ms)
{
    return ms % 1000 == 0 ? QStringLiteral("%1 detik").arg(ms / 1000) : QStringLiteral("%1 detik").arg(ms / 1000.0, 0, 'f', 1);
}

DatabaseLook::DatabaseLook(const QString &file, int waitMs, bool allowImmutable) : m_file(file), m_waitMs(waitMs)
{
    m_problem = fileProblem(file);
    if (!m_problem.isEmpty())
        return;
    const QByteArray header = headerOf(file);
    const bool walMode = header.size() >= 20 && header.at(18) == 2 && header.at(19) == 2;
    const QString journal = file + QStringLiteral("-wal");
    bool immutable = false;
    if (allowImmutable && walMode && !QFileInfo::exists(journal)) {
        m_lockFd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
        // Checked again under the lock: a writer may have started meanwhile.
        immutable = m_lockFd >= 0 && lockShared(m_lockFd) && !QFileInfo::exists(journal)
                 && stampOf(file, m_size, m_modifiedNs);
        if (!immutable && m_lockFd >= 0) {
            ::close(m_lockFd);
            m_lockFd = -1;
        }
    }
    m_handle = std::make_unique<SqliteHandle>(
        sqliteUri(file, immutable ? QStringLiteral("mode=ro&immutable=1") : QStringLiteral("mode=ro")), SQLITE_OPEN_READONLY);
    if (!m_handle->ok()) {
        m_problem = readFailure(m_handle->code(), m_handle->error());
        return;
    }
    sqlite3_busy_timeout(m_handle->db(), waitMs);
    int code = SQLITE_OK;
    m_handle->rows("SELECT count(*) FROM sqlite_schema", {}, &code);
    if (code != SQLITE_OK) {
        m_damaged = (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
        m_problem = readFailure(code, m_handle->error());
    }
}

DatabaseLook::~DatabaseLook()
{
    m_handle.reset();  // before the lock goes: closing any handle on the file drops it
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool DatabaseLook::undisturbed() const
{
    if (m_lockFd < 0)
        return true;  // read under SQLite's own locks
    qint64 size = -1, modified = -1;
    return !QFileInfo::exists(m_file + QStringLiteral("-wal")) && stampOf(m_file, size, modified) && size == m_size
        && modified == m_modifiedNs;
}

QString DatabaseLook::readFailure(int code, const QString &message) const
{
    QStringList journals;  // left beside the file by whoever had it open
    for (const char *suffix : {"-wal", "-shm", "-journal"})
        if (QFileInfo::exists(m_file + QLatin1String(suffix)))
            journals << m_file + QLatin1String(suffix);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("tidak dapat membaca %1: program lain menguncinya (sudah menunggu %2); coba lagi setelah program itu selesai")
            .arg(m_file, waitText(m_waitMs));
    case SQLITE_NOTADB: return QStringLiteral("%1 bukan basis data (%2)").arg(m_file, message);
    case SQLITE_CORRUPT: return QStringLiteral("%1 rusak: %2").arg(m_file, message);
    case SQLITE_READONLY:
        // Only a journal left by another program can make a read need writing.
        return QStringLiteral("tidak dapat membaca %1: berkas jurnalnya (%2) ditinggalkan program lain dan tidak dapat "
                              "dipakai tanpa hak tulis padanya dan pada folder %3 (%4)")
            .arg(m_file, journals.join(QStringLiteral(", ")), QFileInfo(m_file).absolutePath(), message);
    default: break;
    }
    if (!journals.isEmpty())
        return QStringLiteral("tidak dapat membaca %1 atau berkas jurnalnya (%2): %3").arg(m_file, journals.join(QStringLiteral(", ")), message);
    return QStringLiteral("tidak dapat membaca %1: %2").arg(m_file, message);
}
void createEmpty(const QString &file)
{
    sqlite3 *db = nullptr;
    const QByteArray path = QFile::encodeName(file);
    const int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc != SQLITE_OK)
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    else if (sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK)
        error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_close(db);
    if (!error.isEmpty())
        throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuat: %2").arg(file, error));
}
} // namespace dbfile
