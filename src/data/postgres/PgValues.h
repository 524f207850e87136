#pragma once
// Values in and out of libpq: parameters as text (binary for bytes), results
// in the binary form, decoded by the column's type.
#include <QByteArray>
#include <QVariant>

namespace pgvalues {
// The text PostgreSQL reads for a value; `binary` is set for bytes.
QByteArray parameter(const QVariant &value, bool *binary);
// A binary result value of the type `type` (its OID), `size` bytes at `data`.
QVariant decode(unsigned type, const char *data, int size);
// The OID of booleans, which a row reader keeps as a presence flag.
constexpr unsigned kBool = 16;
} // namespace pgvalues
