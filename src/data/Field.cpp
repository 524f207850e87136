#include "data/Field.h"

#include "core/NumberText.h"
#include "data/DataSetImpl.h"
#include "data/FieldText.h"
#include "data/PictureBlob.h"

#include <cmath>

Field::Field(DataSet *owner, FieldDef def, int index) : m_owner(owner), m_def(std::move(def)), m_index(index) {}

namespace {
bool lazyBit(DataSet::Impl &d, int index) { return d.bufferLazy & (quint64(1) << index); }
} // namespace

bool Field::isNull() const
{
    if (!m_owner->active())
        return true;
    DataSet::Impl &d = *m_owner->d;
    if (lazyBit(d, m_index))
        return !d.buffer.at(m_index).toBool();
    return !fieldtext::hasValue(d.bufferValue(m_index));
}

const QVariant &Field::stored() const
{
    static const QVariant none;
    return m_owner->active() ? m_owner->d->bufferValue(m_index) : none;
}

QVariant Field::value() const { return stored(); }

void Field::setValue(const QVariant &v) { m_owner->d->writeField(m_index, fieldtext::normalise(m_def, v)); }

QString Field::asString() const
{
    if (m_def.kind == FieldKind::Graphic)
        return QString();
    return fieldtext::asString(m_def, stored());
}

void Field::setAsString(const QString &text)
{
    m_owner->d->checkActive();
    m_owner->d->writeField(m_index, fieldtext::fromString(m_def, text));
}

long double Field::asFloat() const { return fieldtext::asFloat(m_def, stored()); }

void Field::setAsFloat(long double v)
{
    m_owner->d->checkActive();
    m_owner->d->writeField(m_index, fieldtext::fromFloat(m_def, v));
}

qint64 Field::asInteger() const { return fieldtext::asInteger(m_def, stored()); }

void Field::setAsInteger(qint64 v)
{
    switch (m_def.kind) {
    case FieldKind::Float: m_owner->d->writeField(m_index, double(v)); break;
    case FieldKind::Integer:
    case FieldKind::AutoInc: m_owner->d->writeField(m_index, v); break;
    default: setAsString(QString::number(v)); break;
    }
}

QByteArray Field::asBlob() const
{
    const QVariant v = value();
    if (m_def.kind == FieldKind::Graphic)
        return v.toByteArray();
    return v.toString().toUtf8();
}

void Field::setAsBlob(const QByteArray &bytes)
{
    if (m_def.kind == FieldKind::Graphic)
        m_owner->d->writeField(m_index, bytes.isEmpty() ? QVariant() : QVariant(bytes));
    else
        setAsString(QString::fromUtf8(bytes));
}

QByteArray Field::pictureBytes() const
{
    if (m_def.kind != FieldKind::Graphic)
        return QByteArray();
    return pictureblob::unwrap(asBlob());
}

void Field::clear() { m_owner->d->writeField(m_index, QVariant()); }

QString Field::displayText() const
{
    if (!m_owner->active())
        return QString();
    DataSet::Impl &d = *m_owner->d;
    if (m_def.kind == FieldKind::Graphic || m_def.kind == FieldKind::Memo)
        return fieldtext::displayText(m_def, QVariant(), !isNull());
    return fieldtext::displayText(m_def, d.bufferValue(m_index), !isNull());
}
