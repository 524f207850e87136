#include "shop/InvoiceLine.h"

namespace invoiceline {

QString refusal(const InvoiceLine &line)
{
    if (line.quantity.isEmpty() || line.quantity == QStringLiteral("0"))
        return QStringLiteral("Isi Kolom Jumlah Barang!");
    amount(line);  // a price, quantity or discount that is no number is said first, in that order
    if (numtext::strToFloat(line.quantity) == 0)
        return QStringLiteral("Jumlah Barang tidak boleh nol!");
    const Money discount = numtext::strToFloat(line.discount);
    if (discount < 0 || discount > 100)
        return QStringLiteral("Diskon harus antara 0 dan 100 %!");
    return {};
}

Money amount(const InvoiceLine &line)
{
    const Money price = line.price.isEmpty() ? 0 : numtext::strToFloat(line.price);
    const Money count = numtext::strToFloat(line.quantity);
    const Money fraction = numtext::strToFloat(line.discount) / 100;
    const Money gross = price * count;
    return gross - gross * fraction;
}

} // namespace invoiceline
