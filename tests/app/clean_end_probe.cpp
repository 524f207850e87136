// The program's way of running and ending in miniature, for test_clean_end:
// the clean end installed as main() does, a database file written through
// the engine (its journal then holds the records), the event loop, and the
// return of its status.
//   clean_end_probe FILE
#include "controls/CleanEnd.h"
#include "data/Connection.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    cleanend::install();
    const std::shared_ptr<connection::Connection> db = connection::ofFile(QCoreApplication::arguments().at(1));
    db->exec(QStringLiteral("CREATE TABLE Catatan (Nomor INTEGER, Isi TEXT)"));
    for (int i = 1; i <= 100; ++i)
        db->run(QStringLiteral("INSERT INTO Catatan VALUES (?, ?)"), {i, QStringLiteral("baris %1").arg(i)}, nullptr);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
