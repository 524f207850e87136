#pragma once
// Goods and customers to and from CSV files, as a shop keeps its lists in a
// spreadsheet. A file starts with a header row of field names (any letter
// case, any column order). Numbers are plain number text; on reading, the
// decimal mark is the file's own (see decimalMark).
//
// Reading checks every row as typing it in would: the required shop code,
// unique codes (in the file and against the table), numbers that convert,
// text no longer than its field. Either every row is stored, in one
// transaction, or none, and each bad row is listed with its line and reason.
#include "data/CsvText.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace connection {
class Connection;
}

namespace csvtransfer {

enum class Records { Goods, Customers };

// "goods" or "customers".
std::optional<Records> recordsNamed(const QString &word);

struct ExportSummary {
    int records = 0;
    int pictures = 0;
};

// Writes every record in key order: a byte-order mark, the header row, one row
// per record (text cells guarded against formulas, see csv::guarded); the separator is ";" where the desktop writes decimal commas and
// "," elsewhere. Pictures are left out unless `picturesFolder` is given: then
// each goods picture is written there as a numbered bitmap file whose name,
// relative to the CSV file's folder, stands in the column Gambar. Refuses an
// existing file (a link too, even to nothing) and a pictures folder that is
// not empty; raises EError.
ExportSummary exportFile(connection::Connection &db, Records what, const QString &csvFile,
                         const QString &picturesFolder = {});

struct ImportSummary {
    int records = 0;                  // rows read (stored unless dry run or problems)
    QList<csv::Problem> problems;     // in line order, the first kMostProblemsListed of them
    int problemCount = 0;             // all that were found
    bool stored = false;
    qint64 firstNumber = 0, lastNumber = 0;  // customer numbers given, when stored
};
// A file where every row is bad lists no more than this many.
constexpr int kMostProblemsListed = 1000;

// Reads a file written by exportFile or a spreadsheet program, one record at
// a time (twice: first for the decimal mark of its numbers). A Gambar cell
// names a bitmap file relative to the CSV file's folder, which must be a
// regular file inside `picturesFolder` (by default the CSV file's folder) and
// a bitmap the picture box would show. Customers get new numbers: a
// ID_Pelanggan column is read past. With `dryRun` nothing is written, not
// even for a while. Text cells lose the apostrophe exportFile guards
// formulas with.
//
// Raises EError when the file cannot be read, and when the engine fails in a
// way that is no fault of a row (a full disk, an I/O error, a lost
// connection, another program's lock): the import stops at once and nothing
// is stored.
ImportSummary importFile(connection::Connection &db, Records what, const QString &csvFile, bool dryRun,
                         const QString &picturesFolder = {});

// The decimal mark of a file's numbers: the one that goes with its separator
// ("," with ";", "." with ","), unless no number uses it and one plainly uses
// the other (a mark followed by other than three digits, which could be a
// thousands separator).
QChar decimalMark(QChar separator, const QStringList &numberTexts);

} // namespace csvtransfer
