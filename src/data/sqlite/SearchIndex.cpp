#include "data/sqlite/SearchIndex.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/sqlite/SqliteConnection.h"

#include <QtDebug>

#include <sqlite3.h>

#include <algorithm>

namespace searchindex {
namespace {
// Index entries read to judge how common a trigram is.
constexpr int kSample = 64;
// Candidates past this share of a large table's rows cost more through the
// index than the plain scan costs.
constexpr qint64 kCommonShare = 8;
// Below this many rows both ways are instant: the index serves alone.
constexpr qint64 kLargeTable = 5000;
// Trigrams asked of the index: the rarest two already leave few candidates,
// and every further one costs a walk through its entries.
constexpr qsizetype kTrigramsAsked = 2;
// Trigrams checked against the searched column alone when the table-wide
// samples call every trigram common.
constexpr qsizetype kColumnSamples = 3;

const QStringList kTriggerKinds{QStringLiteral("insert"), QStringLiteral("delete"), QStringLiteral("update")};

QString triggerName(const TableDef &table, const QString &kind)
{
    return indexTable(table) + QLatin1Char('_') + kind;
}

QStringList quotedAll(const QStringList &names, const QString &prefix = QString())
{
    QStringList out;
    for (const QString &n : names)
        out << prefix + schema::quote(n);
    return out;
}

// The index, its triggers, and its filling from the rows already stored.
QStringList createFor(const TableDef &table)
{
    const QString index = schema::quote(indexTable(table));
    const QString relation = schema::quote(table.name);
    const QStringList columns = schema::searchedColumns(table);
    const QString names = quotedAll(columns).join(QStringLiteral(", "));
    const QString newValues = quotedAll(columns, QStringLiteral("new.")).join(QStringLiteral(", "));
    const QString oldValues = quotedAll(columns, QStringLiteral("old.")).join(QStringLiteral(", "));
    // The index keeps no copy of the texts: it reads them from the table.
    const QString remove = QStringLiteral("INSERT INTO %1 (%1, rowid, %2) VALUES ('delete', old.rowid, %3);").arg(index, names, oldValues);
    const QString add = QStringLiteral("INSERT INTO %1 (rowid, %2) VALUES (new.rowid, %3);").arg(index, names, newValues);
    const auto trigger = [&](const QString &kind, const QString &when, const QString &body) {
        return QStringLiteral("CREATE TRIGGER %1 AFTER %2 ON %3 BEGIN %4 END")
            .arg(schema::quote(triggerName(table, kind)), when, relation, body);
    };
    return {QStringLiteral("CREATE VIRTUAL TABLE %1 USING fts5(%2, content=%3, tokenize='trigram')")
                .arg(index, names, QStringLiteral("'%1'").arg(table.name)),
            trigger(QStringLiteral("insert"), QStringLiteral("INSERT"), add),
            trigger(QStringLiteral("delete"), QStringLiteral("DELETE"), remove),
            trigger(QStringLiteral("update"), QStringLiteral("UPDATE OF ") + names, remove + QLatin1Char(' ') + add),
            QStringLiteral("INSERT INTO %1 (%1) VALUES ('rebuild')").arg(index)};
}

QStringList dropFor(const TableDef &table)
{
    QStringList out;
    for (const QString &kind : kTriggerKinds)
        out << QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(schema::quote(triggerName(table, kind)));
    out << QStringLiteral("DROP TABLE IF EXISTS %1").arg(schema::quote(indexTable(table)));
    return out;
}

// The index's objects found in the file: 0 (none) to 4 (all of them).
int partsStored(connection::SqliteConnection &db, const TableDef &table)
{
    QVariantList names{indexTable(table)};
    for (const QString &kind : kTriggerKinds)
        names << triggerName(table, kind);
    return int(db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN (?, ?, ?, ?)"), names).toLongLong());
}

// A table holding every searched column under the schema's name.
bool searchable(connection::SqliteConnection &db, const TableDef &table)
{
    const QStringList stored = db.storedColumns(table.name);
    for (const QString &c : schema::searchedColumns(table))
        if (!stored.contains(c))
            return false;
    return !stored.isEmpty();
}

// The distinct trigrams of the pattern's literal runs, counted in code
// points as the tokenizer counts them, A-Z folded (the index folds case;
// the Like rule rechecks every candidate). Characters a query text cannot
// carry faithfully leave their trigrams out: fewer trigrams only widen
// the candidates.
QStringList trigramsOf(const QString &pattern)
{
    QStringList out;
    QList<char32_t> run;
    const auto takeRun = [&] {
        for (qsizetype i = 0; i + 3 <= run.size(); ++i) {
            const auto end = run.cbegin() + i + 3;
            if (std::any_of(run.cbegin() + i, end, [](char32_t c) { return c == 0 || c == 0xFFFD; }))
                continue;
            const QString trigram = QString::fromUcs4(run.constData() + i, 3);
            if (!out.contains(trigram))
                out << trigram;
        }
        run.clear();
    };
    for (const char32_t c : pattern.toUcs4()) {
        if (c == U'%' || c == U'_')
            takeRun();
        else
            run << (c >= U'A' && c <= U'Z' ? c + 32 : c);
    }
    takeRun();
    return out;
}

QString phrase(QString trigram)
{
    return QLatin1Char('"') + trigram.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString inColumn(const QString &column, const QString &query)
{
    return QStringLiteral("{%1} : (%2)").arg(phrase(column), query);
}

// Judges how many rows hold a trigram from the first entries the index
// lists for it (in row order): the exact count when they are few, else
// their density over the table's rows.
class Sampler {
public:
    Sampler(sqlite3 *db, const TableDef &table) : m_db(db)
    {
        const QString index = schema::quote(indexTable(table));
        const QString relation = schema::quote(table.name);
        prepare(QStringLiteral("SELECT (SELECT min(rowid) FROM %1), (SELECT max(rowid) FROM %1)").arg(relation));
        if (m_statement && sqlite3_step(m_statement) == SQLITE_ROW) {
            m_first = sqlite3_column_int64(m_statement, 0);
            m_span = sqlite3_column_int64(m_statement, 1) - m_first + 1;
        }
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        prepare(QStringLiteral("SELECT COUNT(*), max(r) FROM (SELECT rowid AS r FROM %1 WHERE %1 MATCH ? LIMIT %2)")
                    .arg(index)
                    .arg(kSample));
    }
    ~Sampler() { sqlite3_finalize(m_statement); }
    Sampler(const Sampler &) = delete;
    Sampler &operator=(const Sampler &) = delete;

    bool ready() const { return m_statement != nullptr; }
    // Rows between the lowest and highest row number: the table's size near enough.
    qint64 span() const { return m_span; }
    // The rows matching `query`, judged; -1 when the index cannot say.
    qint64 rowsOf(const QString &query)
    {
        const QByteArray text = query.toUtf8();
        sqlite3_reset(m_statement);
        sqlite3_bind_text(m_statement, 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(m_statement) != SQLITE_ROW)
            return -1;
        const qint64 found = sqlite3_column_int64(m_statement, 0);
        if (found < kSample)
            return found;
        const qint64 reached = sqlite3_column_int64(m_statement, 1) - m_first + 1;
        return reached > 0 ? found * m_span / reached : m_span;
    }

private:
    void prepare(const QString &sql)
    {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }

    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
    qint64 m_first = 0;
    qint64 m_span = 0;
};

struct Rated {
    qint64 rows;
    QString trigram;
};

// The trigrams to ask the index for, rarest first; none when the plain
// scan is the cheaper way (or the index cannot judge them).
QStringList chosenTrigrams(sqlite3 *db, const TableDef &table, const QString &column, const QStringList &trigrams)
{
    if (trigrams.isEmpty())
        return {};
    Sampler sampler(db, table);
    if (!sampler.ready())
        return {};
    QList<Rated> rated;
    for (const QString &t : trigrams) {
        const qint64 rows = sampler.rowsOf(phrase(t));
        if (rows < 0)
            return {};
        rated << Rated{rows, t};
    }
    const auto rarestFirst = [&rated] {
        std::stable_sort(rated.begin(), rated.end(), [](const Rated &a, const Rated &b) { return a.rows < b.rows; });
    };
    rarestFirst();
    const qint64 common = sampler.span() / kCommonShare;
    if (sampler.span() >= kLargeTable && rated.front().rows > common) {
        // Common in the table, perhaps through another column: judged in
        // the searched column alone (its entries read further, so only a few).
        for (qsizetype i = 0; i < qMin(kColumnSamples, rated.size()); ++i) {
            const qint64 rows = sampler.rowsOf(inColumn(column, phrase(rated[i].trigram)));
            if (rows < 0)
                return {};
            rated[i].rows = rows;
        }
        rarestFirst();
        if (rated.front().rows > common)
            return {};
    }
    QStringList out;
    for (qsizetype i = 0; i < qMin(kTrigramsAsked, rated.size()); ++i)
        out << rated[i].trigram;
    return out;
}
} // namespace

QString indexTable(const TableDef &table) { return table.name + QStringLiteral("_trigram"); }

QStringList createStatements()
{
    QStringList out;
    for (const TableDef &t : schema::tables())
        if (schema::searchedByLike(t))
            out << createFor(t);
    return out;
}

QStringList triggerNames()
{
    QStringList out;
    for (const TableDef &t : schema::tables())
        if (schema::searchedByLike(t))
            for (const QString &kind : kTriggerKinds)
                out << triggerName(t, kind);
    return out;
}

bool narrowsByIndex(const QString &pattern) { return !trigramsOf(pattern).isEmpty(); }

Ensured ensure(connection::SqliteConnection &db)
{
    QStringList served, missing;
    QList<const TableDef *> toMake;
    for (const TableDef &t : schema::tables()) {
        if (!schema::searchedByLike(t) || !searchable(db, t))
            continue;
        if (partsStored(db, t) == 1 + int(kTriggerKinds.size()))
            served << schema::quote(t.name);
        else
            toMake << &t;
    }
    if (toMake.isEmpty())
        return {served, {}, {}};
    try {
        connection::Transaction tx(db);
        for (const TableDef *t : std::as_const(toMake)) {
            for (const QString &statement : dropFor(*t) + createFor(*t))
                db.exec(statement);
            missing << t->name;
        }
        tx.commit();
    } catch (const EError &e) {
        return {served, {}, e.message()};
    }
    return {served + quotedAll(missing), missing, {}};
}

QString likeCondition(sqlite3 *db, const QString &relation, const QString &column, const QString &pattern,
                      QVariantList &binds)
{
    const TableDef *table = schema::findTable(relation.mid(1, relation.size() - 2));
    const QString quoted = schema::quote(column);
    const QStringList trigrams = table ? chosenTrigrams(db, *table, column, trigramsOf(pattern)) : QStringList();
    binds << pattern;
    if (trigrams.isEmpty())
        return quoted + QStringLiteral(" LIKE ?");
    QStringList phrases;
    for (const QString &t : trigrams)
        phrases << phrase(t);
    // The index's own Like would ask for every trigram, each walked through
    // all its entries; its match by a few names the candidates, and the Like
    // rule here decides.
    binds << inColumn(column, phrases.join(QStringLiteral(" AND ")));
    const QString index = schema::quote(indexTable(*table));
    return QStringLiteral("%1 LIKE ? AND rowid IN (SELECT rowid FROM %2 WHERE %2 MATCH ?)").arg(quoted, index);
}
} // namespace searchindex
