// Number texts in the desktop's regional settings. The first byte picks the
// settings, the rest is the text. A number that reads is written as plain
// number text and money without fault and, written, reads back within the 15
// significant digits the plain form keeps. The first eight bytes of the text,
// taken as a double, go through the same writing.
#include "FuzzSupport.h"

#include "core/Errors.h"
#include "core/NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {
void writeAndReadBack(long double value)
{
    const QString money = numtext::formatMoney(value);
    const QString plain = numtext::floatToStr(value);
    if (!std::isfinite(value))
        return;
    fuzz::check(money.startsWith(QStringLiteral("Rp ")) || money.startsWith(QStringLiteral("-Rp ")), "money starts with Rp");
    long double back = 0;
    fuzz::check(numtext::tryStrToFloat(plain, back), "a written number reads back");
    const long double error = std::fabs(back - value);
    fuzz::check(error <= std::fabs(value) * 1e-14L || error <= 2 * LDBL_TRUE_MIN, "a written number keeps 15 digits");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    fuzz::pickSettings(data[0]);
    const QString text = fuzz::textOf(data + 1, size - 1);

    long double value = 0;
    const bool isFloat = numtext::tryStrToFloat(text, value);
    try {
        const long double thrown = numtext::strToFloat(text);
        fuzz::check(isFloat && (thrown == value || (std::isnan(thrown) && std::isnan(value))),
                    "strToFloat and tryStrToFloat agree");
    } catch (const EConvertError &) {
        fuzz::check(!isFloat, "strToFloat and tryStrToFloat agree");
    }
    if (isFloat)
        writeAndReadBack(value);

    qint64 whole = 0;
    const bool isInt = numtext::tryStrToInt(text, whole);
    try {
        const qint64 thrown = numtext::strToInt(text);
        fuzz::check(isInt && thrown == whole, "strToInt and tryStrToInt agree");
    } catch (const EConvertError &) {
        fuzz::check(!isInt, "strToInt and tryStrToInt agree");
    }

    if (size >= 1 + sizeof(double)) {
        double bits;
        std::memcpy(&bits, data + 1, sizeof bits);
        writeAndReadBack(bits);
    }
    return 0;
}
