// CSV files as they come from spreadsheet programs and from anyone else:
// reading never fails, records come in line order, what was read is written
// and read back as the same fields, a guarded cell reads back as itself, and
// what a message shows of a value holds no control character.
#include "FuzzSupport.h"

#include "data/CsvText.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const csv::Document doc = csv::parse(bytes);
    int line = 0;
    for (const csv::Record &r : doc.records) {
        fuzz::check(r.line > line, "records come in line order");
        line = r.line;
        for (const QString &field : r.fields) {
            fuzz::check(csv::unguarded(csv::guarded(field)) == field, "a guarded cell reads back as itself");
            const QString shown = csv::shown(field, 20);
            fuzz::check(std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }),
                        "a shown value holds no control character");
        }
    }
    for (const csv::Problem &p : doc.problems)
        fuzz::check(p.line >= 0, "a problem names a line or the whole file");

    QString written;
    for (const csv::Record &r : doc.records)
        written += csv::record(r.fields, doc.separator);
    if (csv::detectSeparator(written) != doc.separator)
        return 0;  // the header reads differently without the quotes the input had
    const csv::Document again = csv::parse(written.toUtf8());
    fuzz::check(again.records.size() == doc.records.size(), "written records read back, as many");
    for (qsizetype i = 0; i < doc.records.size(); ++i)
        fuzz::check(again.records[i].fields == doc.records[i].fields, "written records read back, the same fields");
    return 0;
}
