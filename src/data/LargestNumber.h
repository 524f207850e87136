#pragma once
// The largest whole number among the texts of a column: texts of digits
// compared by their value ("12" above "000009"), texts that are not numbers
// passed over. The engine reads them in the order of an index over the
// length of their digits after any leading zeros, then those digits, so only
// a handful of rows is read however many the table holds.
#include <QString>

namespace largestnumber {

// The text as stored ("000042"), or an empty text when no row holds a number.
// Raises EDatabaseError when the table cannot be read.
QString of(const QString &table, const QString &column, const QString &alias = QStringLiteral("KV"));

} // namespace largestnumber
