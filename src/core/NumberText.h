#pragma once
// Plain number text and the money display format.
//
// Plain number text ("general number form"): at most 15 significant digits,
// the locale's decimal separator, no thousands separator, no fraction for whole
// numbers. Values whose integer part needs more than 15 digits, and values
// below 0.00001, are written in scientific form: mantissa, "E", exponent
// without "+" or leading zeros (1E20, 1,5E-7 in a "," locale).
#include <QString>

using Money = long double;  // money arithmetic runs in 80-bit extended precision

namespace numtext {

QString floatToStr(long double value);

// Reverse of floatToStr. Accepts surrounding blanks, a sign, digits with the
// locale's decimal separator and an optional exponent; the whole part may be
// grouped by the locale's thousands separator in groups of three ("15.000",
// "1.234.567,5" in Indonesian; "15.00" stays refused). Anything else raises
// EConvertError "'<text>' is not a valid floating point value".
long double strToFloat(const QString &text);
bool tryStrToFloat(const QString &text, long double &value);

// Whole number text, grouped as above or not; raises EConvertError "'<text>' is not a valid integer value".
qint64 strToInt(const QString &text);
bool tryStrToInt(const QString &text, qint64 &value);

// The display format "Rp. #,#": "Rp " + whole part with thousands separators
// + (locale decimal separator and one or two fraction digits when the value
// rounded to two decimals has a fraction). Zero gives "Rp ", negative values
// get a leading "-".
QString formatMoney(long double value);

} // namespace numtext
