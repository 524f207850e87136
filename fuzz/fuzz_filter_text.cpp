// Filter texts (Field='value') as a user or a program types them. A text
// that reads gives a field and a value that, made into a filter text again,
// read back the same.
#include "FuzzSupport.h"

#include "core/Errors.h"
#include "data/FilterText.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::textOf(data, size);
    FilterTerm term;
    try {
        term = filtertext::parse(text);
    } catch (const EDatabaseError &) {
        return 0;
    }
    fuzz::check(!term.field.isEmpty(), "a filter that reads names a field");
    const FilterTerm again = filtertext::parse(filtertext::make(term.field, term.value));
    fuzz::check(again.field == term.field && again.value == term.value, "a filter made from a term reads back as it");
    return 0;
}
