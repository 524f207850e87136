// Statements of the small query language. A statement that reads names a
// table of the schema, and every column it names is one of that table's.
#include "FuzzSupport.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/QueryText.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ParsedQuery query;
    try {
        query = querytext::parse(fuzz::textOf(data, size));
    } catch (const EDatabaseError &) {
        return 0;
    }
    fuzz::check(query.table != nullptr, "a statement that reads names a table");
    const QStringList columns = query.table->columnNames();
    fuzz::check(!query.columns.isEmpty(), "a statement that reads selects columns");
    for (const QString &c : query.columns)
        fuzz::check(columns.contains(c), "every selected column is the table's");
    fuzz::check(!query.hasLike || columns.contains(query.likeColumn), "the LIKE column is the table's");
    fuzz::check(query.orderColumn.isEmpty() || columns.contains(query.orderColumn), "the ORDER BY column is the table's");
    return 0;
}
