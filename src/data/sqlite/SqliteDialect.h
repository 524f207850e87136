#pragma once
// SQLite's SQL (data/EngineDialect.h): SQLite's own LIKE, narrowed by the
// search index where the file keeps one; a digest function the connection
// adds; a database is a file, made here and removed again when filling it
// failed.
#include "data/EngineDialect.h"

namespace dialect {

class SqliteDialect final : public EngineDialect {
public:
    Engine engine() const override { return Engine::Sqlite; }
    QString columnType(FieldKind kind, bool plainAutoInc) const override;
    QString temporaryRelation(const QString &name) const override;
    QString likeCondition(const QString &relation, const QString &column, const QString &pattern, QVariantList &binds,
                          const connection::Connection *indexedOn) const override;
    QString sameValueOperator() const override { return QStringLiteral("IS"); }
    // A function of the connection's own (SQLite has no digest of its own).
    QString pictureDigest(const QString &quotedColumn) const override
    {
        return QStringLiteral("nota_sha256(%1)").arg(quotedColumn);
    }
    QString textLength() const override { return QStringLiteral("length"); }
    // SQLite reads a value's bytes (every overflow page of a picture) for IS
    // NULL, but only the record's header for typeof().
    QString valuePresent(const QString &quotedColumn) const override
    {
        return QStringLiteral("(typeof(%1) <> 'null')").arg(quotedColumn);
    }

    QStringList createStatements(connection::Connection &db) const override;
    QStringList copyStatements(const TableDef &table, const QString &relation) const override;
    void addIndexIfMissing(connection::Connection &db, const QString &name,
                           const QString &statement) const noexcept override;

    std::shared_ptr<connection::Connection> connect(const QString &location, bool asIs) const override;
    void refuseExisting(const QString &location) const override;
    QString createEmpty(const QString &location) const override;
    void discard(const QString &location) const noexcept override;

    QString remembersNumbersQuery() const override
    {
        return QStringLiteral("SELECT 1 FROM sqlite_schema WHERE name = 'sqlite_sequence'");
    }
    QString rememberedNumberQuery() const override { return QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"); }

    QString indexExistsQuery() const override
    {
        return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?");
    }
    QStringList searchIndexObjects(const TableDef &table) const override;
    bool isSearchIndexObject(const QString &kind, const QString &name) const override;
    void addSearchIndexes(connection::Connection &db) const override;

    QString integrityCheck() const override { return QStringLiteral("PRAGMA integrity_check"); }
    QString columnsQuery() const override { return QStringLiteral("SELECT name FROM pragma_table_info(?)"); }
    QString indexesQuery() const override;
    QString unusableNumber(FieldKind kind, const QString &quotedColumn) const override;
    QString finiteSum(const QString &quotedColumn) const override;
    QString notStoredWhole(const QString &quotedColumn) const override;
    QString objectsQuery() const override;
    QString triggersQuery(const QStringList &tables) const override;
};

} // namespace dialect
