#include "data/DataSet.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/DataSetImpl.h"
#include "data/FieldText.h"
#include "data/FilterText.h"
#include "data/PictureBlob.h"
#include "data/Schema.h"

#include <QSqlQuery>
#include <algorithm>

namespace {
constexpr int kWindow = 32;           // rows read at a time: about one screen
constexpr int kMaxCachedRows = 4096;  // rows kept for grids

QList<DataSet::Impl *> &openSets()
{
    static QList<DataSet::Impl *> sets;
    return sets;
}

[[noreturn]] void refuse(const char *text) { throw EDatabaseError(QString::fromLatin1(text)); }
} // namespace

// ---------------------------------------------------------------- Impl: set-up

DataSet::Impl::Impl(DataSet *owner, Kind k) : q(owner), kind(k) {}

DataSet::Impl::~Impl() { openSets().removeAll(this); }

void DataSet::Impl::buildFields(const TableDef *table, const QStringList &columns)
{
    bool same = table && int(fields.size()) == columns.size();
    for (int i = 0; same && i < columns.size(); ++i)
        same = fields[i]->name().compare(columns[i], Qt::CaseInsensitive) == 0;
    if (same)
        return;
    fields.clear();
    if (!table)
        return;
    for (int i = 0; i < columns.size(); ++i)
        fields.push_back(std::make_unique<Field>(q, table->column(columns[i])->field, i));
}

int DataSet::Impl::fieldOfColumn(const QString &column) const
{
    for (int i = 0; i < int(fields.size()); ++i)
        if (fields[i]->name().compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString DataSet::Impl::keyColumn(const QString &index) const
{
    const TableDef *def = kind == Kind::Table ? tableDef : (parsed ? parsed->table : nullptr);
    if (!def)
        return QString();
    QString wanted = index.trimmed();
    if (kind == Kind::Query && parsed && !parsed->orderColumn.isEmpty())
        wanted = parsed->orderColumn;
    if (wanted.isEmpty())
        return def->keyColumn;
    const ColumnDef *c = def->column(wanted);
    if (!c)
        throw EDatabaseError(QStringLiteral("Table '%1' has no field '%2' to order by").arg(def->name, wanted));
    return c->field.name;
}

RowSpec DataSet::Impl::makeSpec(const QString &filterValue, bool filterOn, const QString &index) const
{
    const TableDef &def = *source;
    RowSpec spec;
    spec.relation = relation();
    for (const auto &f : fields) {
        spec.columns << f->name();
        spec.kinds << f->kind();
    }
    const QString order = keyColumn(index);
    // An auto-number key is the rowid: rowid order is the same order, and in
    // a cached copy it also keeps rows not yet numbered at the end.
    const ColumnDef *orderDef = def.column(order);
    spec.orderColumn = orderDef && orderDef->field.kind == FieldKind::AutoInc ? QString() : order;
    spec.orderRequired = orderDef && orderDef->required;
    // Records of equal order value stand in key order, as in a secondary index.
    const ColumnDef *key = def.column(def.keyColumn);
    if (key && key->required && def.isUnique(key->field.name) && key->field.kind != FieldKind::AutoInc
        && key->field.name != spec.orderColumn)
        spec.tieColumn = key->field.name;
    if (kind == Kind::Query && parsed && parsed->hasLike) {
        spec.conditions << schema::quote(parsed->likeColumn) + QStringLiteral(" LIKE ?");
        spec.binds << parsed->pattern;
    }
    if (filterOn && !filterValue.trimmed().isEmpty()) {
        const FilterTerm term = filtertext::parse(filterValue);
        const ColumnDef *c = def.column(term.field);
        if (!c)
            throw EDatabaseError(QStringLiteral("Invalid filter '%1': table '%2' has no field '%3'")
                                     .arg(filterValue, def.name, term.field));
        const QString col = schema::quote(c->field.name);
        if (term.value.isEmpty()) {
            spec.conditions << QStringLiteral("(%1 IS NULL OR %1 = '')").arg(col);
        } else {
            const bool isText = c->field.kind == FieldKind::Text || c->field.kind == FieldKind::Memo;
            spec.conditions << col + QStringLiteral(" = ?");
            spec.binds << (isText ? QVariant(term.value) : fieldtext::fromString(c->field, term.value));
        }
    }
    return spec;
}

QString DataSet::Impl::relation() const
{
    if (cachedUpdates && !cacheTable.isEmpty())
        return QStringLiteral("temp.") + schema::quote(cacheTable);
    return schema::quote(source->name);
}

void DataSet::Impl::rebuildReader()
{
    RowSpec spec = makeSpec(filterText, filtered, indexField);
    reader = std::make_unique<RowReader>(db, std::move(spec));
    invalidateRows();
}

void DataSet::Impl::checkStoredTable(const TableDef &def)
{
    if (connection::isVerified(db, def.name))
        return;
    const QStringList stored = connection::storedColumns(db, def.name);
    const QString where = QStringLiteral("database '%1' (%2)").arg(q->databaseName(), connection::fileOf(db));
    if (stored.isEmpty())
        throw EDatabaseError(QStringLiteral("Table '%1' not found in %2").arg(def.name, where));
    for (const ColumnDef &c : def.columns) {
        const bool present = std::any_of(stored.begin(), stored.end(), [&](const QString &s) {
            return s.compare(c.field.name, Qt::CaseInsensitive) == 0;
        });
        if (!present)
            throw EDatabaseError(QStringLiteral("Table '%1' in %2 has no field '%3'").arg(def.name, where, c.field.name));
    }
    connection::markVerified(db, def.name);
}

void DataSet::Impl::openRows(int window)
{
    if (window <= 0)
        window = kWindow;
    std::vector<Row> rows = reader->after(nullptr, window);
    for (int i = 0; i < int(rows.size()); ++i)
        rowCache.insert(i, rows[i]);
    if (int(rows.size()) < window)
        countCache = int(rows.size());
    setCurrent(rows.empty() ? std::nullopt : std::optional<Row>(rows.front()), 0);
    bof = true;
    eof = !cur;
}

void DataSet::Impl::closeRows()
{
    reader.reset();
    cur.reset();
    curIndex = -1;
    invalidateRows();
    dropCacheCopy();
    openSets().removeAll(this);
    source = nullptr;
    db = QSqlDatabase();
    buffer.clear();
    changed.clear();
    modified = false;
    bof = eof = true;
}

// ---------------------------------------------------------------- Impl: state

void DataSet::Impl::setState(DataSetState s) { q->m_state = s; }

void DataSet::Impl::checkActive() const
{
    if (q->m_state == DataSetState::Inactive)
        refuse("Cannot perform this operation on a closed dataset");
}

void DataSet::Impl::checkCanModify() const
{
    if (kind != Kind::Table)
        refuse("Cannot modify a read-only dataset");
}

namespace {
std::function<void(DataSet *)> &updateRecordHook()
{
    static std::function<void(DataSet *)> hook;
    return hook;
}
} // namespace

void DataSet::setUpdateRecordHook(std::function<void(DataSet *)> hook) { updateRecordHook() = std::move(hook); }

void DataSet::Impl::checkBrowseMode()
{
    if (q->m_state == DataSetState::Edit || q->m_state == DataSetState::Insert) {
        if (updateRecordHook())
            updateRecordHook()(q);
        if (modified)
            q->post();
        else
            q->cancel();
    }
}

void DataSet::Impl::clearBuffer()
{
    buffer = QVariantList();
    for (size_t i = 0; i < fields.size(); ++i)
        buffer.append(QVariant());
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
    buffer = cur->values;
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

void DataSet::Impl::invalidateRows()
{
    rowCache.clear();
    countCache = -1;
}

void DataSet::Impl::repositionNear(const Row &old)
{
    std::vector<Row> rows = reader->after(&old, 1);
    if (rows.empty())
        rows = reader->before(&old, 1);
    setCurrent(rows.empty() ? std::nullopt : std::optional<Row>(rows.front()), -1);
}

QVariant DataSet::Impl::bufferValue(int field) const
{
    if (field < 0 || field >= buffer.size())
        return QVariant();
    auto *self = const_cast<Impl *>(this);
    if (bufferLazy & (quint64(1) << field)) {
        self->buffer[field] = cur ? reader->loadValue(cur->rowid, field) : QVariant();
        self->bufferLazy &= ~(quint64(1) << field);
        if (cur) {
            self->cur->values[field] = buffer[field];
            self->cur->lazy &= ~(quint64(1) << field);
        }
    }
    return buffer[field];
}

void DataSet::Impl::writeField(int field, const QVariant &stored)
{
    checkActive();
    if (fields[field]->kind() == FieldKind::AutoInc)
        throw EDatabaseError(QStringLiteral("Field '%1' cannot be modified").arg(fields[field]->name()));
    if (q->m_state == DataSetState::Browse)
        q->edit();
    buffer[field] = stored;
    bufferLazy &= ~(quint64(1) << field);
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

// ---------------------------------------------------------------- Impl: rows by position

const Row *DataSet::Impl::rowAt(int index) const
{
    if (index < 0 || !reader || (countCache >= 0 && index >= countCache))
        return nullptr;
    auto found = rowCache.constFind(index);
    if (found != rowCache.constEnd())
        return &*found;
    if (cur && curIndex >= 0 && !rowCache.contains(curIndex))
        rowCache.insert(curIndex, *cur);

    const int start = index / kWindow * kWindow;
    std::vector<Row> rows;
    const auto prev = rowCache.constFind(start - 1);
    const auto next = rowCache.constFind(start + kWindow);
    if (prev != rowCache.constEnd()) {
        rows = reader->after(&*prev, kWindow);
    } else if (next != rowCache.constEnd()) {
        rows = reader->before(&*next, kWindow);
        std::reverse(rows.begin(), rows.end());
        if (int(rows.size()) != kWindow)
            rows = reader->at(start, kWindow);
    } else {
        rows = reader->at(start, kWindow);
    }
    if (rowCache.size() + int(rows.size()) > kMaxCachedRows)
        rowCache.clear();
    for (int i = 0; i < int(rows.size()); ++i)
        rowCache.insert(start + i, rows[i]);
    if (int(rows.size()) < kWindow)
        countCache = start + int(rows.size());
    found = rowCache.constFind(index);
    return found == rowCache.constEnd() ? nullptr : &*found;
}

int DataSet::Impl::count() const
{
    if (!reader)
        return 0;
    if (countCache < 0)
        countCache = reader->count();
    return countCache;
}

int DataSet::Impl::currentIndex() const
{
    if (!cur || !reader)
        return -1;
    if (curIndex < 0)
        const_cast<Impl *>(this)->curIndex = reader->position(*cur);
    return curIndex;
}

int DataSet::Impl::insertIndex() const
{
    if (insertAt == InsertAt::End || !cur)
        return insertAt == InsertAt::End ? count() : 0;
    return currentIndex();
}

QVariant DataSet::Impl::rowValue(const Row &row, int field) const
{
    if (row.lazy & (quint64(1) << field))
        return row.values[field].toBool() ? reader->loadValue(row.rowid, field) : QVariant();
    return row.values[field];
}

// ---------------------------------------------------------------- Impl: writing

QVariant DataSet::Impl::bindValue(int field) const
{
    const QVariant v = bufferValue(field);
    if (!fieldtext::hasValue(v))
        return QVariant();
    if (fields[field]->kind() == FieldKind::Graphic) {
        const QByteArray stored = pictureblob::toStored(v.toByteArray());
        return stored.isEmpty() ? QVariant() : QVariant(stored);
    }
    return v;
}

void DataSet::Impl::checkRequired() const
{
    for (const auto &f : fields) {
        const ColumnDef *c = source->column(f->name());
        if (!c || !c->required)
            continue;
        const bool lazyPresent = (bufferLazy & (quint64(1) << f->index())) && buffer[f->index()].toBool();
        if (!lazyPresent && !fieldtext::hasValue(buffer[f->index()]))
            throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(f->name()));
    }
}

void DataSet::Impl::checkUnique(qint64 rowid) const
{
    const bool inserting = q->m_state == DataSetState::Insert;
    for (const auto &f : fields) {
        if (f->kind() == FieldKind::AutoInc || !source->isUnique(f->name()))
            continue;
        if (!inserting && !changed[f->index()])
            continue;
        const QVariant v = bindValue(f->index());
        if (v.isNull())
            continue;
        const bool taken = connection::exists(
            db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND rowid <> ? LIMIT 1").arg(relation(), schema::quote(f->name())),
            {v, rowid});
        if (taken)
            throw EDatabaseError(QStringLiteral("Duplicate key: table '%1' already has a record with %2 '%3'")
                                     .arg(source->name, f->name(), fieldtext::asString(f->def(), v)));
    }
}

namespace {
[[noreturn]] void failWrite(const QString &table, const QString &text)
{
    if (text.contains(QLatin1String("UNIQUE constraint failed")))
        throw EDatabaseError(QStringLiteral("Duplicate key in table '%1'").arg(table));
    if (text.contains(QLatin1String("NOT NULL constraint failed"))) {
        const QString column = text.section(QLatin1Char('.'), -1).trimmed();
        throw EDatabaseError(QStringLiteral("Field '%1' must have a value").arg(column));
    }
    throw EDatabaseError(QStringLiteral("Cannot write table '%1': %2").arg(table, text));
}
} // namespace

void DataSet::Impl::postRecord()
{
    checkRequired();
    const bool inserting = q->m_state == DataSetState::Insert;
    QList<int> columns;
    for (const auto &f : fields)
        if (f->kind() != FieldKind::AutoInc && (inserting || changed[f->index()]))
            columns << f->index();
    qint64 rowid = inserting ? 0 : cur->rowid;
    if (!inserting && columns.isEmpty()) {
        setState(DataSetState::Browse);
        loadBuffer();
        notify(Record | State);
        return;
    }
    {
        std::optional<connection::Transaction> tx;
        if (!cachedUpdates)
            tx.emplace(db);
        checkUnique(inserting ? -1 : rowid);
        QStringList names;
        QVariantList values;
        for (int c : columns) {
            names << schema::quote(fields[c]->name());
            values << bindValue(c);
        }
        QString sql;
        if (inserting) {
            sql = columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(relation())
                                    : QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                                          .arg(relation(), names.join(QStringLiteral(", ")),
                                               QStringLiteral(", ?").repeated(columns.size() - 1));
        } else {
            sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(relation(), names.join(QStringLiteral(" = ?, ")));
            values << rowid;
        }
        QString error;
        const int changedRows = connection::run(db, sql, values, &error);
        if (changedRows < 0)
            failWrite(source->name, error);
        if (inserting)
            rowid = connection::lastInsertRowid(db);
        else if (changedRows == 0)
            throw EDatabaseError(QStringLiteral("Record not found in table '%1': it was deleted").arg(source->name));
        if (tx)
            tx->commit();
    }
    if (cachedUpdates) {
        if (inserting)
            cacheInserted.insert(rowid);
        else if (!cacheInserted.contains(rowid))
            cacheModified.insert(rowid);
    }
    // Where the posted record stands now; when a filter hides it, on its neighbour.
    Row posted;
    posted.rowid = rowid;
    const int orderField = reader->spec().orderColumn.isEmpty() ? -1 : fieldOfColumn(reader->spec().orderColumn);
    if (orderField >= 0)
        posted.orderKey = bindValue(orderField);
    const int tieField = reader->spec().tieColumn.isEmpty() ? -1 : fieldOfColumn(reader->spec().tieColumn);
    posted.tieKey = tieField >= 0 ? bindValue(tieField) : QVariant(rowid);
    invalidateRows();
    setState(DataSetState::Browse);
    if (std::optional<Row> row = reader->byRowid(rowid))
        setCurrent(std::move(row), -1);
    else
        repositionNear(posted);
    bof = eof = false;
    if (!cachedUpdates)
        announceWrite();
    notify(Rows | Record | State);
}

void DataSet::Impl::deleteCurrent()
{
    const Row old = *cur;
    const int oldIndex = curIndex;
    {
        std::optional<connection::Transaction> tx;
        if (!cachedUpdates)
            tx.emplace(db);
        QString error;
        if (connection::run(db, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(relation()), {old.rowid}, &error) < 0)
            failWrite(source->name, error);
        if (tx)
            tx->commit();
    }
    if (cachedUpdates) {
        if (!cacheInserted.remove(old.rowid)) {
            cacheModified.remove(old.rowid);
            cacheDeleted.insert(old.rowid);
        }
    }
    const bool wasEditing = q->m_state != DataSetState::Browse;
    setState(DataSetState::Browse);
    invalidateRows();
    std::vector<Row> rows = reader->after(&old, 1);
    if (!rows.empty()) {
        setCurrent(std::move(rows.front()), oldIndex);
    } else {
        rows = reader->before(&old, 1);
        setCurrent(rows.empty() ? std::nullopt : std::optional<Row>(rows.front()), oldIndex > 0 ? oldIndex - 1 : -1);
    }
    bof = !cur;
    eof = !cur;
    if (!cachedUpdates)
        announceWrite();
    notify(Rows | Record | (wasEditing ? State : 0));
}

void DataSet::Impl::announceWrite()
{
    const QString conn = db.connectionName();
    for (Impl *other : openSets()) {
        if (other == this || other->cachedUpdates || !other->source || other->source != source
            || other->db.connectionName() != conn)
            continue;
        other->invalidateRows();
        other->curIndex = -1;
        other->notify(Rows);
    }
}

// ---------------------------------------------------------------- Impl: cached updates

void DataSet::Impl::createCacheCopy()
{
    static int counter = 0;
    if (cacheId == 0)
        cacheId = ++counter;
    cacheTable = QStringLiteral("nota_cache_%1").arg(cacheId);
    for (const QString &sqlText :
         schema::copyStatements(*source, QStringLiteral("temp.") + schema::quote(cacheTable), cacheTable + QLatin1Char('_')))
        connection::exec(db, sqlText);
    fillCacheCopy();
}

void DataSet::Impl::fillCacheCopy()
{
    QStringList cols;
    for (const ColumnDef &c : source->columns)
        cols << schema::quote(c.field.name);
    const QString list = cols.join(QStringLiteral(", "));
    connection::exec(db, QStringLiteral("DELETE FROM %1").arg(relation()));
    connection::exec(db, QStringLiteral("INSERT INTO %1 (rowid, %2) SELECT rowid, %2 FROM %3")
                             .arg(relation(), list, schema::quote(source->name)));
    cacheInserted.clear();
    cacheModified.clear();
    cacheDeleted.clear();
}

void DataSet::Impl::dropCacheCopy()
{
    cacheInserted.clear();
    cacheModified.clear();
    cacheDeleted.clear();
    if (cacheTable.isEmpty())
        return;
    if (!db.isOpen()) {  // the run is ending: the connection took its temp tables along
        cacheTable.clear();
        return;
    }
    QSqlQuery drop(db);
    drop.exec(QStringLiteral("DROP TABLE IF EXISTS temp.%1").arg(schema::quote(cacheTable)));
    cacheTable.clear();
}

void DataSet::Impl::applyCache()
{
    if (cacheInserted.isEmpty() && cacheModified.isEmpty() && cacheDeleted.isEmpty())
        return;
    QStringList cols;
    for (const ColumnDef &c : source->columns)
        if (c.field.kind != FieldKind::AutoInc)
            cols << schema::quote(c.field.name);
    const QString main = schema::quote(source->name);
    const QString copy = relation();
    const auto sorted = [](const QSet<qint64> &set) {
        QList<qint64> list(set.begin(), set.end());
        std::sort(list.begin(), list.end());
        return list;
    };
    {
        connection::Transaction tx(db);
        QStringList sets;
        for (const QString &c : cols)
            sets << QStringLiteral("%1 = (SELECT %1 FROM %2 WHERE rowid = ?)").arg(c, copy);
        const QString del = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(main);
        const QString upd = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(main, sets.join(QStringLiteral(", ")));
        const QString ins = QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3 WHERE rowid = ?")
                                .arg(main, cols.join(QStringLiteral(", ")), copy);
        QString error;
        for (qint64 id : sorted(cacheDeleted))
            if (connection::run(db, del, {id}, &error) < 0)
                failWrite(source->name, error);
        for (qint64 id : sorted(cacheModified))
            if (connection::run(db, upd, QVariantList(cols.size() + 1, id), &error) < 0)
                failWrite(source->name, error);
        for (qint64 id : sorted(cacheInserted))
            if (connection::run(db, ins, {id}, &error) < 0)
                failWrite(source->name, error);
        tx.commit();
    }
    announceWrite();
}

// ---------------------------------------------------------------- DataSet

DataSet::DataSet(QObject *parent) : QObject(parent), d(std::make_unique<Impl>(this, Impl::Kind::Table)) {}

DataSet::~DataSet()
{
    if (m_state != DataSetState::Inactive) {
        try {
            d->closeRows();
        } catch (...) {
        }
    }
}

void DataSet::open()
{
    if (active())
        return;
    const TableDef *def = nullptr;
    if (d->kind == Impl::Kind::Table) {
        if (d->tableName.trimmed().isEmpty())
            refuse("Table name is not set");
        def = d->tableDef;
        if (!def)
            throw EDatabaseError(QStringLiteral("Table '%1' not found in database '%2'").arg(d->tableName, databaseName()));
    } else {
        d->parsed = sqldialect::parse(d->sql);
        def = d->parsed->table;
        d->buildFields(def, d->parsed->columns);
    }
    d->db = connection::forAlias(databaseName());
    d->checkStoredTable(*def);
    d->source = def;
    try {
        if (d->cachedUpdates)
            d->createCacheCopy();
        d->rebuildReader();
        d->openRows();
    } catch (...) {
        d->closeRows();
        throw;
    }
    openSets().append(d.get());
    m_state = DataSetState::Browse;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

void DataSet::close()
{
    if (!active())
        return;
    d->closeRows();
    m_state = DataSetState::Inactive;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

void DataSet::first()
{
    d->checkActive();
    d->checkBrowseMode();
    const Row *row = d->rowAt(0);
    d->setCurrent(row ? std::optional<Row>(*row) : std::nullopt, 0);
    d->bof = true;
    d->eof = !d->cur;
    d->notify(Impl::Record);
}

void DataSet::last()
{
    d->checkActive();
    d->checkBrowseMode();
    std::vector<Row> rows = d->reader->before(nullptr, 1);
    d->setCurrent(rows.empty() ? std::nullopt : std::optional<Row>(rows.front()),
                  d->countCache >= 0 ? d->countCache - 1 : -1);
    d->eof = true;
    d->bof = !d->cur;
    d->notify(Impl::Record);
}

void DataSet::next() { d->step(+1); }

void DataSet::prior() { d->step(-1); }

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
            std::vector<Row> rows = direction > 0 ? reader->after(&*cur, 1) : reader->before(&*cur, 1);
            if (!rows.empty())
                found = std::move(rows.front());
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
    notify(Impl::Record);
}

bool DataSet::bof() const { return d->bof; }
bool DataSet::eof() const { return d->eof; }

bool DataSet::isEmpty() const { return !d->cur && m_state != DataSetState::Insert; }

int DataSet::recNo() const
{
    if (!active())
        return 0;
    if (m_state == DataSetState::Insert)
        return d->insertIndex() + 1;
    return d->currentIndex() + 1;
}

void DataSet::setRecNo(int recNo)
{
    d->checkActive();
    d->checkBrowseMode();
    const int n = d->count();
    if (n == 0)
        return;
    const int index = std::clamp(recNo, 1, n) - 1;
    if (const Row *row = d->rowAt(index)) {
        d->setCurrent(*row, index);
        d->bof = index == 0;
        d->eof = false;
        d->notify(Impl::Record);
    }
}

int DataSet::recordCount() const { return active() ? d->count() : 0; }

QList<Field *> DataSet::fields() const
{
    QList<Field *> out;
    out.reserve(qsizetype(d->fields.size()));
    for (const auto &f : d->fields)
        out << f.get();
    return out;
}

Field *DataSet::findField(const QString &name) const
{
    const int i = d->fieldOfColumn(name.trimmed());
    return i < 0 ? nullptr : d->fields[i].get();
}

Field *DataSet::fieldByName(const QString &name) const
{
    Field *f = findField(name);
    if (!f)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return f;
}

void DataSet::append()
{
    d->checkActive();
    d->checkCanModify();
    d->checkBrowseMode();
    d->insertAt = Impl::InsertAt::End;
    d->clearBuffer();
    m_state = DataSetState::Insert;
    d->bof = false;
    d->eof = true;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

void DataSet::insert()
{
    d->checkActive();
    d->checkCanModify();
    d->checkBrowseMode();
    d->insertAt = Impl::InsertAt::Current;
    d->clearBuffer();
    m_state = DataSetState::Insert;
    d->bof = false;
    d->eof = false;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

void DataSet::edit()
{
    d->checkActive();
    if (m_state == DataSetState::Edit || m_state == DataSetState::Insert)
        return;
    d->checkCanModify();
    if (!d->cur) {
        append();
        return;
    }
    // Start from the record as stored now (another window may have changed it).
    bool reread = false;
    if (std::optional<Row> fresh = d->reader->byRowid(d->cur->rowid)) {
        reread = fresh->values != d->cur->values;
        d->setCurrent(std::move(fresh), d->curIndex);
    } else {
        d->loadBuffer();
    }
    m_state = DataSetState::Edit;
    d->notify((reread ? Impl::Record : 0) | Impl::State);
}

void DataSet::post()
{
    d->checkActive();
    if (m_state == DataSetState::Browse)
        refuse("Dataset not in edit or insert mode");
    if (updateRecordHook())
        updateRecordHook()(this);
    d->postRecord();
}

void DataSet::cancel()
{
    d->checkActive();
    if (m_state == DataSetState::Browse)
        return;
    const bool wasInserting = m_state == DataSetState::Insert;
    m_state = DataSetState::Browse;
    d->loadBuffer();
    d->notify((wasInserting ? Impl::Rows : 0) | Impl::Record | Impl::State);
}

void DataSet::deleteRecord()
{
    d->checkActive();
    d->checkCanModify();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (!d->cur)
        refuse("Cannot perform this operation on an empty dataset");
    d->deleteCurrent();
}

void DataSet::refresh()
{
    d->checkActive();
    d->checkBrowseMode();
    d->invalidateRows();
    if (d->cur) {
        const Row old = *d->cur;
        if (std::optional<Row> row = d->reader->byRowid(old.rowid))
            d->setCurrent(std::move(row), -1);
        else
            d->repositionNear(old);
    } else {
        d->openRows();
    }
    d->notify(Impl::Rows | Impl::Record);
}

bool DataSet::canModify() const { return active() && d->kind == Impl::Kind::Table; }

bool DataSet::modified() const { return d->modified; }

QString DataSet::filter() const { return d->filterText; }

bool DataSet::filtered() const { return d->filtered; }

namespace {
void applyFilter(DataSet::Impl &d, const QString &text, bool on)
{
    // Checked before anything changes, so that a bad filter leaves the dataset as it was.
    d.makeSpec(text, on, d.indexField);
    d.checkBrowseMode();
    d.filterText = text;
    d.filtered = on;
    d.rebuildReader();
    // Callers switch the filter off only to set another: the unfiltered rows
    // get their first record, not a screenful.
    d.openRows(on ? 0 : 1);
    d.notify(DataSet::Impl::Rows | DataSet::Impl::Record);
}
} // namespace

void DataSet::setFilter(const QString &text)
{
    if (text == d->filterText)
        return;
    if (active() && d->filtered)
        applyFilter(*d, text, true);
    else
        d->filterText = text;
}

void DataSet::setFiltered(bool on)
{
    if (on == d->filtered)
        return;
    if (active())
        applyFilter(*d, d->filterText, on);
    else
        d->filtered = on;
}

bool DataSet::locate(const QString &fieldName, const QString &text)
{
    d->checkActive();
    Field *f = fieldByName(fieldName);
    d->checkBrowseMode();
    const bool isText = f->kind() == FieldKind::Text || f->kind() == FieldKind::Memo;
    const QVariant value = text.isEmpty() ? QVariant() : isText ? QVariant(text) : fieldtext::fromString(f->def(), text);
    std::optional<Row> row = d->reader->firstWhere(f->name(), value);
    if (!row)
        return false;
    d->setCurrent(std::move(row), -1);
    d->bof = d->eof = false;
    d->notify(Impl::Record);
    return true;
}

// ---------------------------------------------------------------- rows by position

int DataSet::rowCount() const
{
    if (!active())
        return 0;
    return d->count() + (m_state == DataSetState::Insert ? 1 : 0);
}

int DataSet::currentRow() const
{
    if (!active())
        return -1;
    return m_state == DataSetState::Insert ? d->insertIndex() : d->currentIndex();
}

namespace {
// The value of a cell; for a picture not yet read, only whether one is there
// (`lazy` set), unless `load` asks for the bytes.
QVariant cell(const DataSet &ds, const DataSet::Impl &d, int row, int field, bool load, bool *lazy)
{
    *lazy = false;
    if (!ds.active() || field < 0 || field >= int(d.fields.size()) || row < 0)
        return QVariant();
    const quint64 bit = quint64(1) << field;
    if (ds.state() == DataSetState::Insert) {
        const int at = d.insertIndex();
        if (row == at)
            return d.bufferValue(field);
        if (row > at)
            --row;
    } else if (ds.state() == DataSetState::Edit && row == d.currentIndex()) {
        if ((d.bufferLazy & bit) && !load) {
            *lazy = true;
            return d.buffer[field];
        }
        return d.bufferValue(field);
    }
    const Row *r = d.rowAt(row);
    if (!r)
        return QVariant();
    if ((r->lazy & bit) && !load) {
        *lazy = true;
        return r->values[field];
    }
    return d.rowValue(*r, field);
}
} // namespace

QVariant DataSet::valueAt(int row, int fieldIndex) const
{
    bool lazy = false;
    return cell(*this, *d, row, fieldIndex, true, &lazy);
}

QString DataSet::textAt(int row, int fieldIndex) const
{
    if (fieldIndex < 0 || fieldIndex >= int(d->fields.size()) || d->fields[fieldIndex]->kind() == FieldKind::Graphic)
        return QString();
    return fieldtext::asString(d->fields[fieldIndex]->def(), valueAt(row, fieldIndex));
}

QString DataSet::displayTextAt(int row, int fieldIndex) const
{
    if (fieldIndex < 0 || fieldIndex >= int(d->fields.size()))
        return QString();
    bool lazy = false;
    const QVariant v = cell(*this, *d, row, fieldIndex, false, &lazy);
    const bool present = lazy ? v.toBool() : fieldtext::hasValue(v);
    return fieldtext::displayText(d->fields[fieldIndex]->def(), v, present);
}

bool DataSet::isFirstRecord() const
{
    if (!active() || !d->cur)
        return true;
    if (d->curIndex >= 0)
        return d->curIndex == 0;
    return d->reader->before(&*d->cur, 1).empty();
}

bool DataSet::isLastRecord() const
{
    if (!active() || !d->cur)
        return true;
    if (d->curIndex >= 0)
        return d->rowAt(d->curIndex + 1) == nullptr;
    return d->reader->after(&*d->cur, 1).empty();
}
