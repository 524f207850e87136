#pragma once
// Filter texts of the form  Field='value'  (blanks allowed around "=", the
// value in single quotes with inner quotes doubled). The value is bound as a
// parameter, never pasted into SQL. Anything else is an engine error.
#include <QString>

struct FilterTerm {
    QString field;
    QString value;
};

namespace filtertext {
// Raises EDatabaseError for a text that is not of the form above.
FilterTerm parse(const QString &text);
// The filter text for a field and value: Field='value' with quotes doubled.
QString make(const QString &field, const QString &value);
} // namespace filtertext
