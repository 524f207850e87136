#pragma once
// One line of an invoice as the person typed it, the checks it must pass and
// its amount.
#include "core/NumberText.h"

#include <QString>

struct InvoiceLine {
    QString shopCode;   // Kode_KV
    QString makerCode;  // Kode_Brg
    QString name;       // Nama_Brg
    QString price;      // Harga, plain number text
    QString quantity;   // Banyak
    QString discount;   // Diskon, in percent
};

namespace invoiceline {

// The message that refuses the line's quantity or discount, or an empty text
// when they are fine: a quantity missing ("" or "0") or of value zero in any
// spelling ("00", "0,0"), a discount below 0 or above 100 percent (which would
// pay the customer). A negative quantity (a returned item) passes. A text
// that is no number raises the conversion error.
QString refusal(const InvoiceLine &line);

// price × quantity less `discount` percent of that product, unrounded. A
// text that is no number raises "'<text>' is not a valid floating point value".
Money amount(const InvoiceLine &line);

} // namespace invoiceline
