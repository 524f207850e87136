// Rows by position, for grids and lookup lists: they never move the cursor,
// and the current row shows the record buffer (edits in progress).
#include "data/DataSet.h"

#include "data/DataSetImpl.h"
#include "data/FieldText.h"

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
QVariant cell(const DataSet &ds, DataSet::Impl &d, int row, int field, bool load, bool *lazy)
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
            return d.buffer.at(field);
        }
        return d.bufferValue(field);
    }
    const Row *r = d.rowAt(row);
    if (!r)
        return QVariant();
    if ((r->lazy & bit) && !load) {
        *lazy = true;
        return r->value(field);
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
