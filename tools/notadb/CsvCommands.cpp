#include "CsvCommands.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/CsvTransfer.h"

namespace notadb {
namespace {
QString noun(csvtransfer::Records what) { return what == csvtransfer::Records::Goods ? QStringLiteral("barang") : QStringLiteral("pelanggan"); }
} // namespace

QString wrongCsvCall(const QString &command, const QString &what, const QString &picturesFolder)
{
    const std::optional<csvtransfer::Records> records = csvtransfer::recordsNamed(what);
    if (!records)
        return QStringLiteral("%1 goods atau customers, bukan '%2'").arg(command, what);
    if (command == QLatin1String("export") && *records == csvtransfer::Records::Customers && !picturesFolder.isEmpty())
        return QStringLiteral("pelanggan tidak punya gambar (--pictures hanya untuk goods)");
    return QString();
}

int exportCsv(const QString &file, const QString &what, const QString &csvFile, const QString &picturesFolder,
              QTextStream &out, QTextStream &err)
{
    if (const QString wrong = wrongCsvCall(QStringLiteral("export"), what, picturesFolder); !wrong.isEmpty()) {
        err << "notadb: " << wrong << "\n";
        return 2;
    }
    const std::optional<csvtransfer::Records> records = csvtransfer::recordsNamed(what);
    try {
        const csvtransfer::ExportSummary s = csvtransfer::exportFile(*connection::ofFile(file), *records, csvFile, picturesFolder);
        out << s.records << " " << noun(*records) << " ditulis ke " << csvFile;
        if (!picturesFolder.isEmpty())
            out << " dan " << s.pictures << " gambar ke " << picturesFolder;
        out << "\n";
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    return 0;
}

int importCsv(const QString &file, const QString &what, const QString &csvFile, const QString &picturesFolder,
              bool dryRun, QTextStream &out, QTextStream &err)
{
    if (const QString wrong = wrongCsvCall(QStringLiteral("import"), what, QString()); !wrong.isEmpty()) {
        err << "notadb: " << wrong << "\n";
        return 2;
    }
    const std::optional<csvtransfer::Records> records = csvtransfer::recordsNamed(what);
    csvtransfer::ImportSummary s;
    try {
        s = csvtransfer::importFile(*connection::ofFile(file), *records, csvFile, dryRun, picturesFolder);
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    if (!s.problems.isEmpty()) {
        err << "notadb: " << csvFile << " punya " << s.problemCount << " masalah; tidak ada yang disimpan:\n";
        for (const csv::Problem &p : s.problems)
            err << "  " << (p.line > 0 ? QStringLiteral("baris %1: ").arg(p.line) : QString()) << p.reason << "\n";
        if (s.problemCount > s.problems.size())
            err << "  ... dan " << s.problemCount - s.problems.size() << " lagi\n";
        return 1;
    }
    if (dryRun)
        out << s.records << " " << noun(*records) << " di " << csvFile << " sudah diperiksa: semuanya baik, tidak ada yang disimpan (--dry-run)\n";
    else if (s.firstNumber > 0)
        out << s.records << " " << noun(*records) << " dari " << csvFile << " disimpan dengan nomor " << s.firstNumber
            << " sampai " << s.lastNumber << "\n";
    else
        out << s.records << " " << noun(*records) << " dari " << csvFile << " disimpan\n";
    return 0;
}
} // namespace notadb
