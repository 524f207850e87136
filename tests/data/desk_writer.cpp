// Helper of test_desks: one desk storing invoices, run beside other desks
// over the same database.
//   desk_writer <database file or server URI> <desk name> <invoices>
// It prints "ready" once its tables are open and starts when a line arrives
// on standard input, so that all desks start together. For each invoice
// stored it prints "<number> <lines> <total>"; at the end "done <n> <b>", n
// being the numbers it found taken by another desk, b the writes it made
// again after a busy refusal. An error is printed on
// standard error and ends it with exit code 1.
#include "InvoiceDesk.h"

#include "core/Errors.h"
#include "data/Database.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>

namespace {
// One to four lines; prices, counts and discounts vary with the desk and
// the invoice.
QList<InvoiceLine> linesOf(int variety, int invoice)
{
    QList<InvoiceLine> lines;
    for (int k = 0; k <= (variety + invoice) % 4; ++k) {
        static const int discounts[] = {0, 10, 25, 50};
        lines << InvoiceLine{QStringLiteral("B%1-%2").arg(invoice).arg(k), 100 * (5 + (variety * 7 + invoice * 3 + k) % 90),
                             1 + (invoice + k) % 5, discounts[(variety + k) % 4]};
    }
    return lines;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 4)
        return 2;
    database::setAliasPath(QStringLiteral("KV"), QString::fromLocal8Bit(argv[1]));
    const QString deskName = QString::fromLocal8Bit(argv[2]);
    const int invoices = QByteArray(argv[3]).toInt();
    int variety = 0;  // the same lines for the same desk name in every run
    for (QChar c : deskName)
        variety += c.unicode();
    try {
        InvoiceDesk desk(QStringLiteral("KV"), deskName);
        std::printf("ready\n");
        std::fflush(stdout);
        std::string go;
        std::getline(std::cin, go);
        for (int n = 1; n <= invoices; ++n) {
            const QList<InvoiceLine> lines = linesOf(variety, n);
            qint64 total = 0;
            for (const InvoiceLine &line : lines)
                total += line.amount();
            const QString number = desk.store(lines);
            std::printf("%s %d %lld\n", number.toUtf8().constData(), int(lines.size()), static_cast<long long>(total));
            std::fflush(stdout);
        }
        std::printf("done %d %d\n", desk.numbersTakenMeanwhile(), desk.busyRefusals());
        std::fflush(stdout);
    } catch (const EError &e) {
        std::fprintf(stderr, "%s: %s\n", deskName.toUtf8().constData(), e.what());
        return 1;
    }
    return 0;
}
