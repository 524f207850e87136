// notadb: creates, checks, backs up and fills the database of Sistem Nota.
// Each command is one row of the table below: its name, its arguments for the
// help text, and what it runs.
#include "AccountCommands.h"
#include "Commands.h"
#include "CsvCommands.h"
#include "data/Connection.h"
#include "data/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <functional>

namespace {
struct Command {
    QString name;
    QString synopsis;  // what follows the name, for the help text
    QString summary;
    int arguments;     // positional arguments after the name
    // Opens the database through the engine, which would make any file a
    // database: a file is looked at read-only first and left alone when it
    // is not a database of this program; a server database must hold the
    // seven tables.
    bool opensWithEngine;
    std::function<int(const QStringList &args)> run;
};

QString helpText(const QList<Command> &commands)
{
    QString text = QStringLiteral("Administration of the Sistem Nota database (alias KV).\n\nCommands:\n");
    for (const Command &c : commands)
        text += QStringLiteral("  %1 %2\n").arg((c.name + QLatin1Char(' ') + c.synopsis).leftJustified(46), c.summary);
    text += QStringLiteral("\nExit status: 0 done, 1 failed or problems found, 2 a wrong call.");
    return text;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("notadb"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOTA_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    const QCommandLineOption databaseOption(
        QStringLiteral("database"),
        QStringLiteral("Database file or server URI postgresql://USER@HOST:PORT/DB (default: what the alias KV names)."),
        QStringLiteral("file|uri"));
    const QCommandLineOption userOption(QStringLiteral("user"),
                                        QStringLiteral("The account's user name (init: the first account; passwd)."),
                                        QStringLiteral("name"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password"),
        QStringLiteral("First account's password (init), for scripts only: every user of the machine can read it in "
                       "the process list. Without it init asks on the terminal, or reads one line from standard input."),
        QStringLiteral("password"));
    const QCommandLineOption waitOption(
        QStringLiteral("wait"),
        QStringLiteral("Seconds to wait for another program's lock before giving up (default %1).").arg(notadb::kDefaultWaitMs / 1000),
        QStringLiteral("seconds"));
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Folder for the goods pictures as bitmap files (export; import reads them from there only)."),
                                            QStringLiteral("dir"));
    const QCommandLineOption repairOption(
        QStringLiteral("repair"),
        QStringLiteral("Add the search and read indexes the database lacks, when nothing else is wrong (check)."));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QStringLiteral("Only check the file (import)."));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("The database file to copy from (copy)."),
                                        QStringLiteral("file"));
    const QCommandLineOption toOption(
        QStringLiteral("to"),
        QStringLiteral("The server database to copy into (copy); the folder for a dated backup (backup, backups)."),
        QStringLiteral("uri|dir"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("one of the commands above"));
    for (const QCommandLineOption &o : {databaseOption, userOption, passwordOption, waitOption, picturesOption, repairOption, dryRunOption, fromOption,
                                    toOption})
        parser.addOption(o);

    QString file;
    int waitMs = notadb::kDefaultWaitMs;
    const QList<Command> commands = {
        {QStringLiteral("path"), QString(), QStringLiteral("print the database file or server the alias KV names"), 0,
         false,
         [&](const QStringList &) {
             out << connection::printable(file) << "\n";
             return 0;
         }},
        {QStringLiteral("init"), QStringLiteral("--user NAME [--password PASS]"),
         QStringLiteral("create the database with its first account"), 0, false,
         [&](const QStringList &) {
             return notadb::init(file, parser.value(userOption),
                                 parser.isSet(passwordOption) ? std::optional(parser.value(passwordOption)) : std::nullopt,
                                 out, err);
         }},
        {QStringLiteral("users"), QString(), QStringLiteral("list the accounts and their logins"), 0, true,
         [&](const QStringList &) { return notadb::users(file, out, err); }},
        {QStringLiteral("passwd"), QStringLiteral("--user NAME"),
         QStringLiteral("set a new password for an account (asked twice, or one line on stdin)"), 0, true,
         [&](const QStringList &) {
             if (parser.isSet(passwordOption)) {
                 err << "notadb: passwd asks for the password on the terminal or reads it from standard input, "
                        "never from --password\n";
                 return 2;
             }
             return notadb::passwd(file, parser.value(userOption), out, err);
         }},
        {QStringLiteral("check"), QStringLiteral("[--repair]"),
         QStringLiteral("verify integrity, tables, indexes and the values they hold"), 0, false,
         [&](const QStringList &) { return notadb::check(file, waitMs, parser.isSet(repairOption), out, err); }},
        {QStringLiteral("backup"), QStringLiteral("DEST | --to DIR"),
         QStringLiteral("copy the (live) database to the new file DEST, or a dated, checked backup into DIR"), 1, false,
         [&](const QStringList &args) {
             if (parser.isSet(toOption))
                 return notadb::backupInto(file, parser.value(toOption), waitMs, out, err);
             return notadb::backup(file, args.at(0), waitMs, out, err);
         }},
        {QStringLiteral("backups"), QStringLiteral("[--to DIR]"),
         QStringLiteral("list the dated backups with their sizes and checks"), 0, false,
         [&](const QStringList &) { return notadb::listBackups(file, parser.value(toOption), waitMs, out, err); }},
        {QStringLiteral("restore"), QStringLiteral("FILE"),
         QStringLiteral("put a backup in place of the database, keeping the one it replaces"), 1, false,
         [&](const QStringList &args) { return notadb::restore(file, args.at(0), waitMs, out, err); }},
        {QStringLiteral("sample"), QString(), QStringLiteral("fill the database with a small sample shop"), 0, true,
         [&](const QStringList &) { return notadb::sample(file, out, err); }},
        {QStringLiteral("export"), QStringLiteral("goods|customers FILE.csv"),
         QStringLiteral("write every record to a CSV file [--pictures DIR]"), 2, true,
         [&](const QStringList &args) {
             return notadb::exportCsv(file, args.at(0), args.at(1), parser.value(picturesOption), out, err);
         }},
        {QStringLiteral("import"), QStringLiteral("goods|customers FILE.csv"),
         QStringLiteral("add the records of a CSV file, all or none [--dry-run] [--pictures DIR]"), 2, true,
         [&](const QStringList &args) {
             return notadb::importCsv(file, args.at(0), args.at(1), parser.value(picturesOption), parser.isSet(dryRunOption),
                                      out, err);
         }},
        {QStringLiteral("copy"), QStringLiteral("--from FILE --to URI"),
         QStringLiteral("move a shop from its file into an empty server database"), 0, false,
         [&](const QStringList &) {
             if (!parser.isSet(fromOption) || !parser.isSet(toOption)) {
                 err << "notadb: usage: notadb copy --from FILE --to postgresql://USER@HOST:PORT/DB\n";
                 return 2;
             }
             return notadb::copyToServer(parser.value(fromOption), parser.value(toOption), waitMs, out, err);
         }},
    };
    parser.setApplicationDescription(helpText(commands));

    const auto usage = [&](const QString &text) {
        err << "notadb: " << text << "\n";
        return 2;
    };
    // Not process(): it ends a wrong call with status 1, the help promises 2.
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText() + QStringLiteral(" (notadb --help lists the options)"));
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "notadb " << QCoreApplication::applicationVersion() << "\n";
        return 0;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err << parser.helpText();
        return 2;
    }
    QStringList names;
    for (const Command &c : commands)
        names << c.name;
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const Command &c) { return c.name == args.first(); });
    if (command == commands.end())
        return usage(QStringLiteral("unknown command '%1' (%2)").arg(args.first(), names.join(QStringLiteral(", "))));
    // A dated backup into a folder needs no DEST.
    const bool dated = command->name == QLatin1String("backup") && parser.isSet(toOption);
    if (args.size() - 1 != command->arguments - (dated ? 1 : 0))
        return usage(QStringLiteral("usage: notadb %1 %2").arg(command->name, command->synopsis));
    if (parser.isSet(waitOption)) {
        bool ok = false;
        const double seconds = parser.value(waitOption).toDouble(&ok);
        if (!ok || seconds < 0 || seconds > 86400)
            return usage(QStringLiteral("--wait takes a number of seconds from 0 to 86400"));
        waitMs = int(seconds * 1000);
    }
    if (command->name == QLatin1String("export") || command->name == QLatin1String("import")) {
        if (const QString wrong = notadb::wrongCsvCall(command->name, args.at(1), parser.value(picturesOption)); !wrong.isEmpty())
            return usage(wrong);
    }
    file = parser.isSet(databaseOption) ? parser.value(databaseOption) : database::aliasPath(QStringLiteral("KV"));
    if (command->opensWithEngine) {
        if (const int refused = notadb::refuseUnlessOurDatabase(file, waitMs, err))
            return refused;
    }
    return command->run(args.mid(1));
}
