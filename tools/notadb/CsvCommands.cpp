#include "CsvCommands.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/CsvTransfer.h"

namespace notadb {
namespace {
QString noun(csvtransfer::Records what) { return what == csvtransfer::Records::Goods ? QStringLiteral("goods") : QStringLiteral("customers"); }
} // namespace

QString wrongCsvCall(const QString &command, const QString &what, const QString &picturesFolder)
{
    const std::optional<csvtransfer::Records> records = csvtransfer::recordsNamed(what);
    if (!records)
        return QStringLiteral("%1 goods or customers, not '%2'").arg(command, what);
    if (command == QLatin1String("export") && *records == csvtransfer::Records::Customers && !picturesFolder.isEmpty())
        return QStringLiteral("customers have no pictures (--pictures is for goods)");
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
        out << "Wrote " << s.records << " " << noun(*records) << " to " << csvFile;
        if (!picturesFolder.isEmpty())
            out << " and " << s.pictures << " pictures to " << picturesFolder;
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
        err << "notadb: " << csvFile << " has " << s.problemCount << " problem(s); nothing was stored:\n";
        for (const csv::Problem &p : s.problems)
            err << "  " << (p.line > 0 ? QStringLiteral("line %1: ").arg(p.line) : QString()) << p.reason << "\n";
        if (s.problemCount > s.problems.size())
            err << "  ... and " << s.problemCount - s.problems.size() << " more\n";
        return 1;
    }
    if (dryRun)
        out << "Checked " << s.records << " " << noun(*records) << " in " << csvFile << ": all good, nothing stored (dry run)\n";
    else if (s.firstNumber > 0)
        out << "Stored " << s.records << " " << noun(*records) << " from " << csvFile << " as numbers " << s.firstNumber
            << " to " << s.lastNumber << "\n";
    else
        out << "Stored " << s.records << " " << noun(*records) << " from " << csvFile << "\n";
    return 0;
}
} // namespace notadb
