#include "data/DataSetImpl.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/RowSelectionBuilder.h"
#include "data/Schema.h"

#include <algorithm>

[[noreturn]] void refuseOperation(const char *text) { throw EDatabaseError(QString::fromLatin1(text)); }

DataSet::Impl::Impl(DataSet *owner) : q(owner) {}

DataSet::Impl::~Impl()
{
    if (sets)
        sets->detach(this);
}

// ---------------------------------------------------------------- set-up

void DataSet::Impl::buildFields(const TableDef *table, const QStringList &columns)
{
    bool same = table && int(fields.size()) == columns.size();
    for (int i = 0; same && i < columns.size(); ++i)
        same = fields[i]->name().compare(columns[i], Qt::CaseInsensitive) == 0;
    if (same)
        return;
    fields.clear();
    fieldList.clear();
    if (!table)
        return;
    for (int i = 0; i < columns.size(); ++i) {
        fields.push_back(std::make_unique<Field>(q, table->column(columns[i])->field, i));
        fieldList << fields.back().get();
    }
}

int DataSet::Impl::fieldOfColumn(const QString &column) const
{
    for (int i = 0; i < int(fields.size()); ++i) {
        const QString &name = fields[i]->name();
        if (name.size() == column.size() && name.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

RowSelection DataSet::Impl::makeSelection(const QString &filterValue, bool filterOn) const
{
    RowSelection selection = rowselection::make(*source, relation(), fields, q->orderColumn());
    selection.engine = conn.get();
    q->narrowRows(selection);
    if (filterOn)
        rowselection::addFilter(selection, *source, filterValue);
    return selection;
}

QString DataSet::Impl::relation() const
{
    if (cachedUpdates && cache.started())
        return cache.relation();
    return schema::quote(source->name);
}

void DataSet::Impl::rebuildReader() { rebuildReader(makeSelection(filterText, filtered)); }

void DataSet::Impl::rebuildReader(RowSelection selection)
{
    // A filter on another value, or the same rows opened again, reads with the
    // same statements: a reader of them stays and takes the new values.
    const auto fits = [&](const std::unique_ptr<RowReader> &r) {
        return r && r->connection() == conn && conn->isOpen() && r->selection().sameStatements(selection);
    };
    if (fits(reader)) {
        reader->setBinds(selection.binds);
    } else {
        std::unique_ptr<RowReader> next;
        const auto spare = std::find_if(spareReaders.begin(), spareReaders.end(), fits);
        if (spare != spareReaders.end()) {
            next = std::move(*spare);
            spareReaders.erase(spare);
            next->setBinds(selection.binds);
        } else {
            next = std::make_unique<RowReader>(conn, std::move(selection));
        }
        keepSpare(std::move(reader));
        reader = std::move(next);
    }
    rowWriter.reset();  // the rows may now live elsewhere (a private copy, or the table again)
    invalidateRows();
}

void DataSet::Impl::keepSpare(std::unique_ptr<RowReader> old)
{
    constexpr size_t kSpareReaders = 2;  // a filter's rows and the rows without it
    if (!old)
        return;
    spareReaders.insert(spareReaders.begin(), std::move(old));
    if (spareReaders.size() > kSpareReaders)
        spareReaders.pop_back();
}

void DataSet::Impl::checkStoredTable(const TableDef &def)
{
    if (sets->isVerified(def.name))
        return;  // as verifyTable would, without making its message first
    sets->verifyTable(def, QStringLiteral("database '%1' (%2)").arg(q->databaseName(), conn->file()));
}

void DataSet::Impl::openRows(int window)
{
    if (window <= 0)
        window = RowCache::kWindow;
    std::vector<Row> first = reader->after(nullptr, window);
    std::optional<Row> current = first.empty() ? std::nullopt : std::optional<Row>(first.front());
    rows.keepFirst(std::move(first), window);
    setCurrent(std::move(current), 0);
    bof = true;
    eof = !cur;
}

void DataSet::Impl::closeRows()
{
    keepSpare(std::move(reader));
    rowWriter.reset();
    cur.reset();
    curIndex = -1;
    invalidateRows();
    cache.drop();
    if (sets)
        sets->detach(this);
    sets.reset();
    conn.reset();
    source = nullptr;
    buffer.clear();
    changed.clear();
    modified = false;
    bof = eof = true;
}

// ---------------------------------------------------------------- state

void DataSet::Impl::setState(DataSetState s) { q->m_state = s; }

void DataSet::Impl::checkActive() const
{
    if (q->m_state == DataSetState::Inactive)
        refuseOperation("Operasi ini tidak dapat dilakukan pada dataset yang tertutup");
}

void DataSet::Impl::checkCanModify() const
{
    if (!q->isWritable())
        refuseOperation("Dataset hanya-baca tidak dapat diubah");
}

void DataSet::Impl::checkBrowseMode()
{
    if (q->m_state == DataSetState::Edit || q->m_state == DataSetState::Insert) {
        q->updateRecord();
        if (modified)
            q->post();
        else
            q->cancel();
    }
}

void DataSet::Impl::clearBuffer()
{
    buffer = QVariantList(qsizetype(fields.size()));
    bufferLazy = 0;
    changed.assign(fields.size(), false);
    modified = false;
}

void DataSet::Impl::loadBuffer()
{
    if (!cur) {
        clearBuffer();
        return;
    }
    buffer = cur->values();
    bufferLazy = cur->lazy;
    changed.assign(fields.size(), false);
    modified = false;
}

void DataSet::Impl::setCurrent(std::optional<Row> row, int index)
{
    cur = std::move(row);
    curIndex = cur ? index : -1;
    loadBuffer();
}

void DataSet::Impl::invalidateRows() { rows.clear(); }

void DataSet::Impl::findAgain(std::optional<qint64> rowid, const Row *near)
{
    if (rowid) {
        if (std::optional<Row> row = reader->byRowid(*rowid)) {
            setCurrent(std::move(row), -1);
            return;
        }
    }
    if (!near) {
        openRows();
        return;
    }
    std::vector<Row> found = reader->after(near, 1);
    if (found.empty())
        found = reader->before(near, 1);
    setCurrent(found.empty() ? std::nullopt : std::optional<Row>(std::move(found.front())), -1);
}

void DataSet::Impl::rereadRows()
{
    const std::optional<qint64> rowid = cur ? std::optional<qint64>(cur->rowid) : std::nullopt;
    rebuildReader();
    findAgain(rowid, nullptr);
}

bool DataSet::Impl::seek(const QString &column, const QVariant &value)
{
    std::optional<Row> row = reader->firstWhere(column, value);
    if (!row)
        return false;
    setCurrent(std::move(row), -1);
    bof = eof = false;
    notify(Record);
    return true;
}

void DataSet::Impl::step(int direction)
{
    checkActive();
    checkBrowseMode();
    std::optional<Row> found;
    int index = -1;
    if (cur) {
        if (curIndex >= 0) {
            if (const Row *row = rowAt(curIndex + direction)) {
                found = *row;
                index = curIndex + direction;
            }
        } else {
            std::vector<Row> next = direction > 0 ? reader->after(&*cur, 1) : reader->before(&*cur, 1);
            if (!next.empty())
                found = std::move(next.front());
        }
    }
    if (found) {
        setCurrent(std::move(found), index);
        bof = false;
        eof = false;
    } else if (direction > 0) {
        eof = true;
    } else {
        bof = true;
    }
    notify(Record);
}

const QVariant &DataSet::Impl::loadBufferValue(int field)
{
    static const QVariant none;
    if (field < 0 || field >= buffer.size())
        return none;
    if (bufferLazy & bitOf(field)) {
        buffer[field] = cur ? reader->loadValue(cur->rowid, field) : QVariant();
        bufferLazy &= ~bitOf(field);
        if (cur) {
            cur->setValue(field, buffer.at(field));
            cur->lazy &= ~bitOf(field);
        }
    }
    return buffer.at(field);  // read in place: the buffer stays shared with the row it was loaded from
}

void DataSet::Impl::writeField(int field, const QVariant &stored)
{
    checkActive();
    if (fields[field]->kind() == FieldKind::AutoInc)
        throw EDatabaseError(QStringLiteral("Field '%1' tidak dapat diubah").arg(fields[field]->name()));
    if (q->m_state == DataSetState::Browse)
        q->edit();
    buffer[field] = stored;
    bufferLazy &= ~bitOf(field);
    changed[field] = true;
    modified = true;
    emit q->fieldChanged(fields[field].get());
}

void DataSet::Impl::notify(int what)
{
    if (what & Rows)
        emit q->rowsChanged();
    if (what & Record)
        emit q->recordChanged();
    if (what & State)
        emit q->stateChanged();
}

// ---------------------------------------------------------------- rows by position

const Row *DataSet::Impl::rowAt(int index)
{
    if (!reader)
        return nullptr;
    return rows.at(*reader, index, cur ? &*cur : nullptr, curIndex);
}

int DataSet::Impl::count() { return reader ? rows.count(*reader) : 0; }

int DataSet::Impl::currentIndex()
{
    if (!cur || !reader)
        return -1;
    if (curIndex < 0)
        curIndex = reader->position(*cur);
    return curIndex;
}

int DataSet::Impl::insertIndex()
{
    if (insertAt == InsertAt::End || !cur)
        return insertAt == InsertAt::End ? count() : 0;
    return currentIndex();
}

QVariant DataSet::Impl::rowValue(const Row &row, int field)
{
    if (row.lazy & bitOf(field))
        return row.value(field).toBool() ? reader->loadValue(row.rowid, field) : QVariant();
    return row.value(field);
}
