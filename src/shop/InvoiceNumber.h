#pragma once
// Invoice numbers: texts of digits ("000007"), compared by their value, so a
// number typed by hand with fewer digits ("7") or one past "999999" never
// stops the next number from being proposed.
#include <QString>

namespace invoicenumber {

// Digits only, at least one.
bool isNumber(const QString &text);

// a < b by value; both are numbers. Numbers of the same value ("7", "007")
// compare equal.
bool lessByValue(const QString &a, const QString &b);

// The number after `largest` (a number, or empty for "no invoice yet"), with
// leading zeros to at least six digits: "" gives "000001", "000008" gives
// "000009", "999999" gives "1000000". Exact for any count of digits.
QString after(const QString &largest);

} // namespace invoicenumber
