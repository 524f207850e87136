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
    out << connection::printable(file) << " diisi dengan " << filled.goods << " barang, " << filled.customers << " pelanggan, "
        << filled.groups << " grup, " << filled.parts << " jenis part, dan " << filled.invoices << " nota\n";
    return 0;
}
} // namespace notadb
