#pragma once
// A trigram index over the searched texts of a file (goods, customers), so
// that a Like search reads the few rows holding the pattern's letters instead
// of every row. The index names its candidates only: the search still applies
// the Like rule itself to each of them, so what it finds is exactly what the
// plain scan finds, in the same order.
//
// The index is an FTS5 table over the table's own rows, kept in step by
// triggers made with it. Files made before it existed get it when first
// opened, all in one transaction.
#include <QString>
#include <QStringList>
#include <QVariantList>

struct TableDef;
struct sqlite3;

namespace connection {
class SqliteConnection;
}

namespace searchindex {
// The index table of a searched table.
QString indexTable(const TableDef &table);
// Statements creating the index and its triggers for every searched table,
// filling it from rows already stored.
QStringList createStatements();
// The triggers these statements make: the system's own, on its tables.
QStringList triggerNames();
// True when the pattern holds three characters in a row that are not
// wildcards: enough for the index to name a few candidates.
bool narrowsByIndex(const QString &pattern);
// What ensure did: the quoted names of the tables the index serves, the
// tables it was made for just now, and why it could not be made (empty when
// it could). The caller tells: the program logs it, notadb reports it.
struct Ensured {
    QStringList served;
    QStringList added;
    QString failure;
};
// Makes the index where a searched table lacks it (or has only part of it),
// all in one transaction. A file that is busy at another desk keeps
// searching by scan until it is opened again.
Ensured ensure(connection::SqliteConnection &db);
// The Like condition on `column` of the indexed table `relation`, its
// values appended to `binds`. The index names the candidates by the rarest
// few trigrams of the pattern's literal runs (sampled from the index), or
// the plain scan serves where even those are common in a large table.
QString likeCondition(sqlite3 *db, const QString &relation, const QString &column, const QString &pattern,
                      QVariantList &binds);
} // namespace searchindex
