#include "data/sqlite/SqliteConnection.h"

#include "core/Errors.h"
#include "data/DatabaseInUse.h"
#include "data/Schema.h"
#include "data/sqlite/SearchIndex.h"
#include "data/sqlite/SqliteRowBlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QFile>
#include <QtDebug>

#include <sqlite3.h>

namespace connection {
namespace {
struct SqliteStatement final : Statement {
    sqlite3_stmt *stmt = nullptr;
    ~SqliteStatement() override { sqlite3_finalize(stmt); }
};

// Resets a statement when done with it, which also ends its read transaction.
class Use {
public:
    explicit Use(sqlite3_stmt *stmt) : m_stmt(stmt) {}
    ~Use()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    Use(const Use &) = delete;
    Use &operator=(const Use &) = delete;

private:
    sqlite3_stmt *m_stmt;
};

// Runs a statement of the opening; raises naming the file on failure.
void execOpening(sqlite3 *db, const QString &path, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuka: %2")
                                 .arg(path, QString::fromUtf8(sqlite3_errmsg(db))));
}

sqlite3 *openDatabase(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw EDatabaseError(QStringLiteral("Berkas database '%1' tidak ditemukan").arg(path));
    if (!info.isFile())
        throw EDatabaseError(QStringLiteral("Database '%1' bukan berkas").arg(path));

    sqlite3 *db = nullptr;
    // Read-write, never creating a missing file. A connection is used by one
    // thread only: SQLite need not lock it on every call.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString detail = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuka: %2").arg(path, detail));
    }
    try {
        sqlite3_busy_timeout(db, 5000);
        // The first statement reads the file header: a file that is not a
        // database fails here.
        execOpening(db, path, "PRAGMA journal_mode=WAL");
        execOpening(db, path, "PRAGMA synchronous=FULL");
        execOpening(db, path, "PRAGMA foreign_keys=OFF");
        execOpening(db, path, "PRAGMA temp_store=MEMORY");
        // Room for the search index's lists of a common pattern between two
        // searches (the default 2 MB rereads them from the file each time).
        execOpening(db, path, "PRAGMA cache_size=-32768");
        // Pages read straight from the file's mapping, up to SQLite's own limit,
        // rather than a read call each: a picture spans some twenty pages, and
        // a report over the goods reads every one of them. The mapping is only
        // read; writes still go through the file.
        execOpening(db, path, "PRAGMA mmap_size=2147418112");
    } catch (...) {
        sqlite3_close(db);
        throw;
    }
    return db;
}

// nota_sha256(X): the SHA-256 digest of X's bytes as a blob; no value for no
// value or no bytes, which the program takes as no picture either.
void sha256Function(sqlite3_context *context, int, sqlite3_value **args)
{
    const void *data = sqlite3_value_blob(args[0]);
    const int size = sqlite3_value_bytes(args[0]);
    if (size == 0) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(static_cast<const char *>(data), size), QCryptographicHash::Sha256);
    sqlite3_result_blob(context, digest.constData(), int(digest.size()), SQLITE_TRANSIENT);
}

void bindAll(sqlite3_stmt *stmt, const QVariantList &values, int from = 1)
{
    for (int i = 0; i < values.size(); ++i)
        bind(stmt, from + i, values[i]);
}
} // namespace

SqliteConnection::SqliteConnection(const QString &path, Opening opening) : Connection(path)
{
    // Held while the database is open, so that a restore waits for its end.
    if (QFileInfo(path).isFile()) {
        m_inUse = std::make_unique<databaseuse::UseLock>(path, databaseuse::UseLock::Mode::Shared, 5000);
        if (m_inUse->state() == databaseuse::UseLock::State::Busy)
            throw EDatabaseError(
                QStringLiteral("Database '%1' tidak dapat dibuka: sedang dipulihkan dari cadangan; coba lagi").arg(path));
    }
    m_handle = openDatabase(path);
    try {
        if (sqlite3_create_function_v2(m_handle, "nota_sha256", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                       sha256Function, nullptr, nullptr, nullptr)
            != SQLITE_OK)
            throw EDatabaseError(QStringLiteral("Database '%1' tidak dapat dibuka: %2")
                                     .arg(path, QString::fromUtf8(sqlite3_errmsg(m_handle))));
    } catch (...) {
        sqlite3_close(m_handle);
        m_handle = nullptr;
        throw;
    }
    if (opening == Opening::AsIs)
        return;
    try {
        const searchindex::Ensured ensured = searchindex::ensure(*this);
        m_indexed = ensured.served;
        if (!ensured.failure.isEmpty())
            qWarning("Indeks pencarian belum dapat ditambahkan ke %s (%s): pencarian membaca semua baris", qUtf8Printable(path),
                     qUtf8Printable(ensured.failure));
        else if (!ensured.added.isEmpty())
            qInfo("Indeks pencarian ditambahkan ke %s untuk %s", qUtf8Printable(path),
                  qUtf8Printable(ensured.added.join(QStringLiteral(", "))));
    } catch (const EError &e) {
        // Unreadable here: the first read reports it as it always did.
        qWarning("Tanpa indeks pencarian di %s: %s", qUtf8Printable(path), qUtf8Printable(e.message()));
    }
}

SqliteConnection::~SqliteConnection() { close(); }

sqlite3 *SqliteConnection::handle() const
{
    if (!m_handle)
        throw EDatabaseError(QStringLiteral("Sambungan ke '%1' sudah ditutup").arg(m_location));
    return m_handle;
}

Failure SqliteConnection::failure() const
{
    Failure f;
    f.text = QString::fromUtf8(sqlite3_errmsg(m_handle));
    const int code = sqlite3_extended_errcode(m_handle);
    if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY) {
        f.kind = Failure::Duplicate;
    } else if (code == SQLITE_CONSTRAINT_NOTNULL) {
        f.kind = Failure::Required;
        f.column = f.text.section(QLatin1Char('.'), -1).trimmed();  // "NOT NULL constraint failed: T.col"
    } else if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED) {
        f.kind = Failure::Busy;
    }
    return f;
}

void SqliteConnection::raise(const QString &context) const { fail(context, failure()); }

sqlite3_stmt *SqliteConnection::prepared(const QString &sql)
{
    return static_cast<SqliteStatement *>(statement(sql))->stmt;
}

Statement *SqliteConnection::statement(const QString &sql)
{
    auto it = m_statements.constFind(sql);
    if (it != m_statements.constEnd())
        return *it;
    auto kept = std::make_unique<SqliteStatement>();
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle(), text.constData(), int(text.size()), &kept->stmt, nullptr) != SQLITE_OK)
        raise(QStringLiteral("Database tidak dapat dibaca"));
    Statement *s = kept.release();
    m_statements.insert(sql, s);
    return s;
}

std::shared_ptr<const RowBlock> SqliteConnection::rows(Statement *statement, const QVariantList &first,
                                                       const QVariantList &more, int limit, int offset,
                                                       const BlockShape &shape)
{
    handle();  // raises when closed: the statement went with the connection
    sqlite3_stmt *stmt = static_cast<SqliteStatement *>(statement)->stmt;
    Use use(stmt);
    bindAll(stmt, first);
    bindAll(stmt, more, int(first.size()) + 1);
    int i = int(first.size() + more.size()) + 1;
    sqlite3_bind_int(stmt, i++, limit);
    if (offset > 0)
        sqlite3_bind_int(stmt, i, offset);
    auto block = std::make_shared<SqliteRowBlock>(shape.fields, shape.width, shape.flags, limit);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        block->add(stmt, 1);
    if (rc != SQLITE_DONE)
        raise(QStringLiteral("Database tidak dapat dibaca"));
    return block;
}

QVariant SqliteConnection::scalar(const QString &sql, const QVariantList &values)
{
    sqlite3_stmt *stmt = prepared(sql);
    Use use(stmt);
    bindAll(stmt, values);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        const QVariant v = column(stmt, 0);
        return v.isValid() ? v : QVariant(QMetaType::fromType<QString>());  // a row whose value is null
    }
    if (rc != SQLITE_DONE)
        raise(QStringLiteral("Database tidak dapat dibaca"));
    return QVariant();
}

void SqliteConnection::eachRow(const QString &sql, const QVariantList &values,
                               const std::function<void(const QVariantList &)> &row)
{
    sqlite3_stmt *stmt = prepared(sql);
    Use use(stmt);
    bindAll(stmt, values);
    const int width = sqlite3_column_count(stmt);
    QVariantList out;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        out.clear();
        for (int i = 0; i < width; ++i)
            out << column(stmt, i);
        row(out);
    }
    if (rc != SQLITE_DONE)
        raise(QStringLiteral("Database tidak dapat dibaca"));
}

int SqliteConnection::run(const QString &sql, const QVariantList &values, Failure *out)
{
    sqlite3_stmt *stmt = prepared(sql);
    Use use(stmt);
    bindAll(stmt, values);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        if (out)
            *out = failure();
        return -1;
    }
    return sqlite3_changes(m_handle);
}

qint64 SqliteConnection::insert(const QString &sql, const QVariantList &values, Failure *out)
{
    if (run(sql, values, out) < 0)
        return -1;
    return sqlite3_last_insert_rowid(m_handle);
}

void SqliteConnection::exec(const QString &sql)
{
    if (sqlite3_exec(handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        raise(QStringLiteral("Kesalahan database"));
}

void SqliteConnection::begin()
{
    if (sqlite3_exec(handle(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        raise(QStringLiteral("Transaksi tidak dapat dimulai"));
}

void SqliteConnection::commit()
{
    if (sqlite3_exec(handle(), "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        raise(QStringLiteral("Perubahan tidak dapat disimpan ke database"));
}

void SqliteConnection::rollback() noexcept
{
    if (!m_handle || sqlite3_get_autocommit(m_handle) != 0)
        return;  // closed, or SQLite already rolled back
    if (sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr) != SQLITE_OK)
        qWarning("Rollback failed on %s: %s", qUtf8Printable(m_location), sqlite3_errmsg(m_handle));
}

const dialect::EngineDialect &SqliteConnection::dialect() const { return dialect::of(Engine::Sqlite); }

void SqliteConnection::close()
{
    qDeleteAll(m_statements);  // finalized before the file closes
    m_statements.clear();
    sqlite3_close(m_handle);
    m_handle = nullptr;
    m_inUse.reset();
}

void SqliteConnection::foldJournal()
{
    if (!m_handle || transactionDepth() > 0 || sqlite3_get_autocommit(m_handle) == 0)
        return;
    // Passive: never waits for a reader or writer; what they hold is folded next time.
    sqlite3_wal_checkpoint_v2(m_handle, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
}

// ---------------------------------------------------------------- statement values

void bind(sqlite3_stmt *stmt, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: sqlite3_bind_int64(stmt, index, value.toLongLong()); break;
    case QMetaType::Double:
    case QMetaType::Float: sqlite3_bind_double(stmt, index, value.toDouble()); break;
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob64(stmt, index, b.constData(), sqlite3_uint64(b.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text64(stmt, index, t.constData(), sqlite3_uint64(t.size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    }
    }
}

QVariant column(sqlite3_stmt *stmt, int index)
{
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_column_int64(stmt, index)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt, index));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, index)));
    }
    case SQLITE_BLOB: {
        const auto *data = static_cast<const char *>(sqlite3_column_blob(stmt, index));
        return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, index)));
    }
    default: return QVariant();
    }
}

} // namespace connection
