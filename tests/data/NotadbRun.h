#pragma once
// Runs the admin tool as a separate program, as a person or a script would,
// for the admin tool's tests.
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

struct NotadbRun {
    int code = -1;  // exit status; -1 when it crashed or had to be stopped
    QString out;
    QString err;
};

// `input` goes to its standard input, which is then closed. `inChild` runs in
// the new process before the tool starts (dropping privileges, limits).
NotadbRun notadb(const QStringList &args, const QByteArray &input = {},
                 const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                 const std::function<void()> &inChild = {});

// Runs the tool on a new pseudo-terminal and types each line once its prompt
// has appeared, as a person at a terminal would. `out` of the result is
// everything the terminal showed.
NotadbRun notadbOnTerminal(const QStringList &args, const QList<QPair<QString, QByteArray>> &promptsAndLines);

// The names in `folder`, hidden ones included.
QStringList filesIn(const QString &folder);
QByteArray contentsOf(const QString &file);
