#pragma once
// Invoice numbers: texts of digits ("000007"). The next one follows the
// largest stored by value (data/LargestNumber.h), so a number typed by hand
// with fewer digits ("7") or one past "999999" never stops the proposal.
#include <QString>

namespace invoicenumber {

// The number after `largest` (a number, or empty for "no invoice yet"), with
// leading zeros to at least six digits: "" gives "000001", "000008" gives
// "000009", "999999" gives "1000000". Exact for any count of digits.
QString after(const QString &largest);

} // namespace invoicenumber
