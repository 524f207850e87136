// `notadb sample`: the sample shop of the data layer, in the given file or
// server database.
#include "Commands.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "sampleshop/SampleShop.h"

namespace notadb {
int sample(const QString &file, QTextStream &out, QTextStream &err)
{
    sampleshop::Filled filled{};
    try {
        database::setAliasPath(QStringLiteral("KV"), file);
        connection::ofFile(file);
        filled = sampleshop::fill();
    } catch (const EError &e) {
        err << "notadb: " << connection::printable(file) << ": " << e.message() << "\n";
        return 1;
    }
    out << "Filled " << connection::printable(file) << " with " << filled.goods << " goods, " << filled.customers << " customers, "
        << filled.groups << " groups, " << filled.parts << " part kinds and " << filled.invoices << " invoices\n";
    return 0;
}
} // namespace notadb
