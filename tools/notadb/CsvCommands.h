#pragma once
// `notadb export` and `notadb import`: goods and customers to and from CSV
// files. Each returns the exit status (2 for a wrong call, 1 for a failure or
// a file with bad rows) and writes what it did, or every bad row, to the streams.
#include <QString>
#include <QTextStream>

namespace notadb {
// Why a call of `command` (export or import) with these arguments is wrong,
// or nothing: told before the database is looked at.
QString wrongCsvCall(const QString &command, const QString &what, const QString &picturesFolder);
int exportCsv(const QString &file, const QString &what, const QString &csvFile, const QString &picturesFolder,
              QTextStream &out, QTextStream &err);
// Pictures are read from `picturesFolder` only (empty: the CSV file's folder).
int importCsv(const QString &file, const QString &what, const QString &csvFile, const QString &picturesFolder,
              bool dryRun, QTextStream &out, QTextStream &err);
} // namespace notadb
