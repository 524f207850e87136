// Date texts in the desktop's regional settings. The first byte picks the
// settings, the rest is the text. A date that reads, written in the short
// date form, reads back as the same date. The text is also used as a display
// pattern for that date (or a fixed one), which must format without fault.
#include "FuzzSupport.h"

#include "core/DateText.h"
#include "core/Errors.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    fuzz::pickSettings(data[0]);
    const QString text = fuzz::textOf(data + 1, size - 1);

    QDate date;
    const bool isDate = datetext::tryStrToDate(text, date);
    try {
        const QDate thrown = datetext::strToDate(text);
        fuzz::check(isDate && thrown == date, "strToDate and tryStrToDate agree");
    } catch (const EConvertError &) {
        fuzz::check(!isDate, "strToDate and tryStrToDate agree");
    }
    if (isDate) {
        fuzz::check(date.isValid(), "a date that reads is a valid date");
        QDate back;
        fuzz::check(datetext::tryStrToDate(datetext::shortDate(date), back) && back == date,
                    "a written date reads back as the same date");
    }
    const QDate shown = isDate ? date : QDate(2024, 3, 15);
    datetext::formatDate(text, shown);
    datetext::formatDateTime(text, QDateTime(shown, QTime(13, 5, 9)));
    return 0;
}
