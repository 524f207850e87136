// notadb: creates, checks, backs up and fills the database of Sistem Nota.
#include "Commands.h"
#include "CsvCommands.h"
#include "data/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("notadb"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Administration of the Sistem Nota database (alias KV).\n\n"
        "Commands:\n"
        "  path                                  print the database file the alias KV names\n"
        "  init --user NAME --password PASS      create the database with its first account\n"
        "  check                                 verify integrity and tables\n"
        "  backup DEST                           copy the (live) database to DEST\n"
        "  sample                                fill the database with a small sample shop\n"
        "  export goods|customers FILE.csv       write every record to a CSV file [--pictures DIR]\n"
        "  import goods|customers FILE.csv       add the records of a CSV file, all or none [--dry-run]"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("path, init, check, backup, sample, export or import"));
    const QCommandLineOption databaseOption(QStringLiteral("database"),
                                            QStringLiteral("Database file (default: the file of the alias KV)."),
                                            QStringLiteral("file"));
    const QCommandLineOption userOption(QStringLiteral("user"), QStringLiteral("First account's user name (init)."),
                                        QStringLiteral("name"));
    const QCommandLineOption passwordOption(QStringLiteral("password"), QStringLiteral("First account's password (init)."),
                                            QStringLiteral("password"));
    parser.addOption(databaseOption);
    parser.addOption(userOption);
    parser.addOption(passwordOption);
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
                                            QStringLiteral("Folder for the goods pictures as bitmap files (export)."),
                                            QStringLiteral("dir"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"), QStringLiteral("Only check the file (import)."));
    parser.addOption(picturesOption);
    parser.addOption(dryRunOption);
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        err << parser.helpText();
        return 2;
    }
    const QString command = args.first();
    const QString file = parser.isSet(databaseOption) ? parser.value(databaseOption) : database::aliasPath(QStringLiteral("KV"));
    const auto usage = [&](const QString &text) {
        err << "notadb: " << text << "\n";
        return 2;
    };

    if (command == QLatin1String("path")) {
        out << file << "\n";
        return 0;
    }
    if (command == QLatin1String("init")) {
        if (!parser.isSet(userOption) || !parser.isSet(passwordOption))
            return usage(QStringLiteral("init needs --user NAME and --password PASS"));
        return notadb::init(file, parser.value(userOption), parser.value(passwordOption), out, err);
    }
    if (command == QLatin1String("check"))
        return notadb::check(file, out, err);
    if (command == QLatin1String("backup")) {
        if (args.size() < 2)
            return usage(QStringLiteral("backup needs a destination file"));
        return notadb::backup(file, args.at(1), out, err);
    }
    if (command == QLatin1String("sample"))
        return notadb::sample(file, out, err);
    if (command == QLatin1String("export") || command == QLatin1String("import")) {
        if (args.size() != 3)
            return usage(QStringLiteral("%1 needs goods or customers and a CSV file").arg(command));
        if (command == QLatin1String("export"))
            return notadb::exportCsv(file, args.at(1), args.at(2), parser.value(picturesOption), out, err);
        return notadb::importCsv(file, args.at(1), args.at(2), parser.isSet(dryRunOption), out, err);
    }
    return usage(QStringLiteral("unknown command '%1' (path, init, check, backup, sample, export, import)").arg(command));
}
