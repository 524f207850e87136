#include "data/Table.h"

#include "core/Errors.h"
#include "data/DataSetImpl.h"
#include "data/FieldText.h"
#include "data/Schema.h"

Table::Table(QObject *parent) : DataSet(parent) {}

Table::~Table() = default;

QString Table::tableName() const { return d->tableName; }

void Table::setTableName(const QString &name)
{
    if (name == d->tableName)
        return;
    close();
    d->tableName = name;
    d->tableDef = schema::findTable(name);
    d->buildFields(d->tableDef, d->tableDef ? d->tableDef->columnNames() : QStringList());
}

QString Table::indexFieldNames() const { return d->indexField; }

void Table::setIndexFieldNames(const QString &field)
{
    if (field == d->indexField)
        return;
    if (!active()) {
        d->indexField = field;
        return;
    }
    d->keyColumn(field);  // an unknown field changes nothing
    d->checkBrowseMode();
    d->indexField = field;
    d->rebuildReader();
    if (d->cur) {
        const qint64 rowid = d->cur->rowid;
        d->setCurrent(d->reader->byRowid(rowid), -1);
    }
    d->notify(Impl::Rows | Impl::Record);
}

bool Table::findKey(const QString &key)
{
    d->checkActive();
    d->checkBrowseMode();
    const QString column = d->keyColumn(d->indexField);
    if (column.isEmpty())
        throw EDatabaseError(QStringLiteral("Table '%1' has no index for a key seek").arg(d->source->name));
    const FieldDef &def = d->source->column(column)->field;
    const bool isText = def.kind == FieldKind::Text || def.kind == FieldKind::Memo;
    const QVariant value = key.isEmpty() ? QVariant() : isText ? QVariant(key) : fieldtext::fromString(def, key);
    std::optional<Row> row = d->reader->firstWhere(column, value);
    if (!row)
        return false;
    d->setCurrent(std::move(row), -1);
    d->bof = d->eof = false;
    d->notify(Impl::Record);
    return true;
}

bool Table::cachedUpdates() const { return d->cachedUpdates; }

void Table::setCachedUpdates(bool on)
{
    if (on == d->cachedUpdates)
        return;
    if (!active()) {
        d->cachedUpdates = on;
        return;
    }
    d->checkBrowseMode();
    const std::optional<qint64> rowid = d->cur ? std::optional<qint64>(d->cur->rowid) : std::nullopt;
    d->reader.reset();
    if (on) {
        d->cachedUpdates = true;
        d->createCacheCopy();
    } else {
        d->dropCacheCopy();  // what was not applied is dropped
        d->cachedUpdates = false;
    }
    d->rebuildReader();
    std::optional<Row> row = rowid ? d->reader->byRowid(*rowid) : std::nullopt;
    if (row)
        d->setCurrent(std::move(row), -1);
    else
        d->openRows();
    d->notify(Impl::Rows | Impl::Record);
}

namespace {
void reread(DataSet::Impl &d)
{
    const std::optional<qint64> rowid = d.cur ? std::optional<qint64>(d.cur->rowid) : std::nullopt;
    d.rebuildReader();
    std::optional<Row> row = rowid ? d.reader->byRowid(*rowid) : std::nullopt;
    if (row)
        d.setCurrent(std::move(row), -1);
    else
        d.openRows();
}
} // namespace

void Table::applyUpdates()
{
    d->checkActive();
    if (!d->cachedUpdates)
        return;
    d->checkBrowseMode();
    d->applyCache();
    d->reader.reset();
    d->fillCacheCopy();  // the copy now shows the rows as stored, auto-numbers included
    reread(*d);
    d->notify(Impl::Rows | Impl::Record);
}

void Table::cancelUpdates()
{
    d->checkActive();
    if (!d->cachedUpdates)
        return;
    const bool wasEditing = state() != DataSetState::Browse;
    cancel();
    d->reader.reset();
    d->fillCacheCopy();
    reread(*d);
    d->notify(Impl::Rows | Impl::Record | (wasEditing ? Impl::State : 0));
}

bool Table::updatesPending() const
{
    return !d->cacheInserted.isEmpty() || !d->cacheModified.isEmpty() || !d->cacheDeleted.isEmpty();
}
