#include "data/Table.h"

#include "core/Errors.h"
#include "data/DataSetImpl.h"
#include "data/FieldText.h"
#include "data/RowSelectionBuilder.h"
#include "data/Schema.h"

Table::Table(QObject *parent) : DataSet(parent) {}

Table::~Table() = default;

QString Table::tableName() const { return m_tableName; }

void Table::setTableName(const QString &name)
{
    if (name == m_tableName)
        return;
    close();
    m_tableName = name;
    m_def = schema::findTable(name);
    d->buildFields(m_def, m_def ? m_def->columnNames() : QStringList());
}

const TableDef &Table::tableToOpen()
{
    if (m_tableName.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Nama tabel belum diisi"));
    if (!m_def)
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak ditemukan di database '%2'").arg(m_tableName, databaseName()));
    return *m_def;
}

QString Table::orderColumn() const { return m_def ? rowselection::orderColumnFor(*m_def, m_indexField) : QString(); }

QString Table::indexFieldNames() const { return m_indexField; }

void Table::setIndexFieldNames(const QString &field)
{
    if (field == m_indexField)
        return;
    if (!active()) {
        m_indexField = field;
        return;
    }
    rowselection::orderColumnFor(*m_def, field);  // an unknown field changes nothing
    d->checkBrowseMode();
    m_indexField = field;
    d->rereadRows();
    d->notify(Impl::Rows | Impl::Record);
}

bool Table::findKey(const QString &key)
{
    d->checkActive();
    d->checkBrowseMode();
    const QString column = orderColumn();
    if (column.isEmpty())
        throw EDatabaseError(QStringLiteral("Tabel '%1' tidak punya indeks untuk pencarian kunci").arg(m_def->name));
    return d->seek(column, fieldtext::searchValue(m_def->column(column)->field, key));
}

bool Table::cachedUpdates() const { return d->cachedUpdates; }

void Table::setCachedUpdates(bool on) { d->setCachedUpdates(on); }

void Table::applyUpdates() { d->applyCachedUpdates(); }

void Table::cancelUpdates() { d->cancelCachedUpdates(); }

bool Table::updatesPending() const { return d->cache.pending(); }
