#pragma once
// Conversions between a field's stored value and the texts the windows read
// and write. Stored forms: text and memo as QString, numbers as double, whole
// numbers as qint64, dates as ISO "yyyy-MM-dd" text, pictures as bytes; no
// value as a null QVariant (empty text is never stored).
#include "data/Field.h"

#include <QVariant>

namespace fieldtext {
// Looked at in place, inline: this runs for every value shown. A null text
// or byte array is empty too.
inline bool hasValue(const QVariant &stored)
{
    switch (stored.typeId()) {
    case QMetaType::UnknownType: return false;
    case QMetaType::QString: return !static_cast<const QString *>(stored.constData())->isEmpty();
    case QMetaType::QByteArray: return !static_cast<const QByteArray *>(stored.constData())->isEmpty();
    default: return !stored.isNull();
    }
}
QString asString(const FieldDef &def, const QVariant &stored);
// The grid form; `present` tells whether a memo or picture has a value.
QString displayText(const FieldDef &def, const QVariant &stored, bool present);
// Text to stored form: checked as checkedText() does, cut to the width,
// empty to null; raises EConvertError.
QVariant fromString(const FieldDef &def, const QString &text);
// The text a text or memo field takes for `text`: a code (FieldDef::trimmed)
// without blanks at both ends and with ordinary blanks only; a memo with
// "\n" for Unicode's line and paragraph separators. Raises EConvertError for
// a control character (line breaks and tabs are kept but in a code: an
// address goes from a memo into a text field) or an invisible one
// (zero-width spaces, direction marks, joiners, variation selectors...),
// which would make texts that look alike differ.
QString checkedText(const FieldDef &def, const QString &text);
// What a key seek, a locate or a filter compares the field with: the text as
// it is for text and memo fields (not cut), converted for the others, no value
// for empty text. Raises EConvertError for text the field cannot hold.
QVariant searchValue(const FieldDef &def, const QString &text);
// A number to the stored form of a number field; raises EConvertError for a
// value the field cannot hold (beyond the range of its double, or not finite).
QVariant fromFloat(const FieldDef &def, long double value);
// Any value a caller hands in to the stored form of the field's kind.
QVariant normalise(const FieldDef &def, const QVariant &value);
long double asFloat(const FieldDef &def, const QVariant &stored);
qint64 asInteger(const FieldDef &def, const QVariant &stored);
QDate asDate(const QVariant &stored);
} // namespace fieldtext
