#pragma once
// PostgreSQL's SQL (data/EngineDialect.h): Like over texts folded as SQLite
// folds them, served by trigram indexes; rows without a value ordered as in a
// file; typed columns, so that the checks look for fewer unusable values. A
// database is made by the server's administrator: here it is only found
// empty.
#include "data/EngineDialect.h"

namespace dialect {

class PgDialect final : public EngineDialect {
public:
    Engine engine() const override { return Engine::Postgres; }
    QString columnType(FieldKind kind, bool plainAutoInc) const override;
    QString temporaryRelation(const QString &name) const override;
    QString likeCondition(const QString &relation, const QString &column, const QString &pattern, QVariantList &binds,
                          const connection::Connection *indexedOn) const override;
    QString nullsFirst() const override { return QStringLiteral(" NULLS FIRST"); }
    QString nullsLast() const override { return QStringLiteral(" NULLS LAST"); }
    QString sameValueOperator() const override { return QStringLiteral("IS NOT DISTINCT FROM"); }
    QString pictureDigest(const QString &quotedColumn) const override
    {
        return QStringLiteral("sha256(NULLIF(%1, ''::bytea))").arg(quotedColumn);
    }
    QString textLength() const override { return QStringLiteral("char_length"); }

    QStringList createStatements(connection::Connection &db) const override;
    QStringList copyStatements(const TableDef &table, const QString &relation) const override;
    QStringList copyFilled(const QString &relation) const override;
    void addIndexIfMissing(connection::Connection &db, const QString &name,
                           const QString &statement) const noexcept override;

    std::shared_ptr<connection::Connection> connect(const QString &location, bool asIs) const override;
    void refuseExisting(const QString &location) const override { Q_UNUSED(location); }
    QString createEmpty(const QString &location) const override;
    void discard(const QString &location) const noexcept override { Q_UNUSED(location); }

    QString numberPastStatement() const override
    {
        return QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?)");
    }

    QString indexExistsQuery() const override
    {
        return QStringLiteral("SELECT 1 WHERE to_regclass(quote_ident(?)) IS NOT NULL");
    }

    QString columnsQuery() const override;
    QString indexesQuery() const override;
    QString numberingQuery() const override;
    QString unusableNumber(FieldKind kind, const QString &quotedColumn) const override;
    QString finiteSum(const QString &quotedColumn) const override;
    QString notStoredWhole(const QString &quotedColumn) const override;
    QString objectsQuery() const override;
    QString triggersQuery(const QStringList &tables) const override;
};

} // namespace dialect
