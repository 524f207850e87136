#pragma once
// The commands of the database administration tool. Each returns the exit
// status and writes what it did (or what is wrong) to the given streams.
#include <QString>
#include <QTextStream>

namespace notadb {
int init(const QString &file, const QString &user, const QString &password, QTextStream &out, QTextStream &err);
int check(const QString &file, QTextStream &out, QTextStream &err);
int backup(const QString &file, const QString &destination, QTextStream &out, QTextStream &err);
int sample(const QString &file, QTextStream &out, QTextStream &err);
} // namespace notadb
