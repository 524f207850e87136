// Posting and deleting the current record: the record buffer goes through
// the dataset's RowWriter, then the cursor finds the record where it now
// stands, and the other datasets reading the table hear of the change.
#include "data/DataSetImpl.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/FieldText.h"
#include "data/PictureBlob.h"
#include "data/Schema.h"

QVariant DataSet::Impl::bindValue(int field)
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

RowWriter &DataSet::Impl::writer()
{
    if (!rowWriter)
        rowWriter = std::make_unique<RowWriter>(*conn, *source, relation(), !cachedUpdates);
    return *rowWriter;
}

void DataSet::Impl::postRecord()
{
    RowWriter &out = writer();
    QStringList withoutValue;
    for (const auto &f : fields) {
        const int i = f->index();
        const bool lazyPresent = (bufferLazy & (quint64(1) << i)) && buffer.at(i).toBool();
        if (!lazyPresent && !fieldtext::hasValue(buffer.at(i)))
            withoutValue << f->name();
    }
    out.checkRequired(withoutValue);

    const bool inserting = q->m_state == DataSetState::Insert;
    QList<ColumnValue> values;
    for (const auto &f : fields)
        if (f->kind() != FieldKind::AutoInc && (inserting || changed[f->index()]))
            values << ColumnValue{&f->def(), bindValue(f->index())};
    if (!inserting && values.isEmpty()) {
        setState(DataSetState::Browse);
        loadBuffer();
        notify(Record | State);
        return;
    }
    qint64 rowid = inserting ? 0 : cur->rowid;
    if (inserting) {
        rowid = out.insert(values);
    } else {
        try {
            loadPicturesAsRead();  // already done when the edit began
            out.update(rowid, values, valuesAsRead());
        } catch (const ERecordChanged &) {
            rereadKeepingTyping();
            throw;
        }
    }
    if (cachedUpdates) {
        if (inserting)
            cache.inserted(rowid);
        else
            cache.updated(rowid);
    }
    // Where the posted record stands now; when a filter hides it, on its neighbour.
    Row posted;
    posted.rowid = rowid;
    const int orderField = reader->selection().orderColumn.isEmpty() ? -1 : fieldOfColumn(reader->selection().orderColumn);
    const int tieField = reader->selection().tieColumn.isEmpty() ? -1 : fieldOfColumn(reader->selection().tieColumn);
    posted.setKeys(orderField >= 0 ? bindValue(orderField) : QVariant(),
                   tieField >= 0 ? bindValue(tieField) : QVariant(rowid));
    invalidateRows();
    setState(DataSetState::Browse);
    // Outside a transaction the write is stored now, and so it is reported,
    // whatever reading it back meets (a link cut at that moment is made
    // again by the second try; the rows are read again at the next move).
    const bool stored = !cachedUpdates && conn->transactionDepth() == 0;
    try {
        findAgain(rowid, &posted);
    } catch (const EDatabaseError &) {
        if (!stored)
            throw;
        try {
            findAgain(rowid, &posted);
        } catch (const EDatabaseError &) {
            invalidateRows();
        }
    }
    bof = eof = false;
    if (!cachedUpdates)
        announceWrite();
    notify(Rows | Record | State);
}

QList<ColumnValue> DataSet::Impl::valuesAsRead() const
{
    QList<ColumnValue> out;
    for (const auto &f : fields) {
        if (f->kind() == FieldKind::AutoInc)
            continue;  // the row's identity already names the record
        const int i = f->index();
        const QVariant v = cur->value(i);
        if (f->kind() != FieldKind::Graphic) {
            out << ColumnValue{&f->def(), v};
            continue;
        }
        // Pictures as read when the edit began (loadPicturesAsRead), by digest.
        if (!fieldtext::hasValue(v))
            out << ColumnValue{&f->def(), QVariant(QMetaType::fromType<QByteArray>())};
        else
            out << ColumnValue{&f->def(), pictureblob::digest(v.typeId() == QMetaType::QString ? v.toString().toUtf8()
                                                                                           : v.toByteArray())};
    }
    return out;
}

void DataSet::Impl::loadPicturesAsRead()
{
    if (!cur)
        return;
    for (const auto &f : fields) {
        const int i = f->index();
        if (f->kind() != FieldKind::Graphic || !(cur->lazy & bitOf(i)))
            continue;
        const QVariant bytes = cur->value(i).toBool() ? reader->loadValue(cur->rowid, i) : QVariant();
        cur->setValue(i, bytes);
        cur->lazy &= ~bitOf(i);
        if (bufferLazy & bitOf(i)) {
            buffer[i] = bytes;
            bufferLazy &= ~bitOf(i);
        }
    }
}

void DataSet::Impl::rereadKeepingTyping()
{
    std::optional<Row> fresh = reader->byRowid(cur->rowid);
    if (!fresh)
        return;
    const QVariantList typed = buffer;
    const std::vector<bool> typedFields = changed;
    cur = std::move(fresh);
    loadBuffer();
    loadPicturesAsRead();
    for (size_t i = 0; i < typedFields.size(); ++i) {
        if (!typedFields[i])
            continue;
        buffer[qsizetype(i)] = typed.at(qsizetype(i));
        bufferLazy &= ~bitOf(int(i));
        changed[i] = true;
    }
    modified = true;
    notify(Record);
}

void DataSet::Impl::deleteCurrent()
{
    const Row old = *cur;
    const int oldIndex = curIndex;
    writer().remove(old.rowid);
    if (cachedUpdates)
        cache.deleted(old.rowid);
    const bool wasEditing = q->m_state != DataSetState::Browse;
    setState(DataSetState::Browse);
    invalidateRows();
    std::vector<Row> next = reader->after(&old, 1);
    if (!next.empty()) {
        setCurrent(std::move(next.front()), oldIndex);
    } else {
        next = reader->before(&old, 1);
        setCurrent(next.empty() ? std::nullopt : std::optional<Row>(next.front()), oldIndex > 0 ? oldIndex - 1 : -1);
    }
    bof = !cur;
    eof = !cur;
    if (!cachedUpdates)
        announceWrite();
    notify(Rows | Record | (wasEditing ? State : 0));
}

void DataSet::Impl::announceWrite()
{
    // A notice may close or open datasets: walk a copy, skipping those gone.
    const std::shared_ptr<DataSetsOnConnection> open = sets;
    const QList<Impl *> others = open->openSets();
    for (Impl *other : others) {
        if (other == this || !open->openSets().contains(other))
            continue;
        if (other->cachedUpdates || other->source != source)
            continue;
        other->invalidateRows();
        other->curIndex = -1;
        other->notify(Rows);
    }
}
