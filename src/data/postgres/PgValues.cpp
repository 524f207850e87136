#include "data/postgres/PgValues.h"

#include <QtEndian>
#include <bit>
#include <charconv>
#include <cstring>

namespace pgvalues {
namespace {
// Type OIDs of the built-in types the engine reads.
enum : unsigned {
    kBytea = 17,
    kChar = 18,
    kName = 19,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kText = 25,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kBpchar = 1042,
    kVarchar = 1043,
};

template <typename T> T bigEndian(const char *data)
{
    T v;
    std::memcpy(&v, data, sizeof v);
    return qFromBigEndian(v);
}
} // namespace

QByteArray parameter(const QVariant &value, bool *binary)
{
    *binary = false;
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QByteArrayLiteral("t") : QByteArrayLiteral("f");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return QByteArray::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, value.toDouble()).ptr;  // shortest exact form
        return QByteArray(text, end - text);
    }
    case QMetaType::QByteArray: *binary = true; return value.toByteArray();
    default: return value.toString().toUtf8();
    }
}

QVariant decode(unsigned type, const char *data, int size)
{
    switch (type) {
    case kBool: return QVariant(size > 0 && data[0] != 0);
    case kInt8: return QVariant(qint64(bigEndian<qint64>(data)));
    case kInt4: return QVariant(qint64(bigEndian<qint32>(data)));
    case kInt2: return QVariant(qint64(bigEndian<qint16>(data)));
    case kOid: return QVariant(qint64(bigEndian<quint32>(data)));
    case kFloat8: return QVariant(std::bit_cast<double>(bigEndian<quint64>(data)));
    case kFloat4: return QVariant(double(std::bit_cast<float>(bigEndian<quint32>(data))));
    case kBytea: return QVariant(QByteArray(data, size));
    case kText:
    case kVarchar:
    case kBpchar:
    case kName:
    case kChar:
    default: return QVariant(QString::fromUtf8(data, size));
    }
}
} // namespace pgvalues
