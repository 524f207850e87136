// `notadb backup DEST` of a server database: PostgreSQL's own pg_dump, in its
// custom format (which pg_restore reads), written to a hidden file beside
// DEST and given DEST's name once pg_dump finished and the file is on disk.
// The password of the URI, if any, goes to pg_dump in its environment, never
// on its command line, where every user of the machine could read it;
// without one, ~/.pgpass, PGPASSFILE and the other PG* settings apply.
#include "Commands.h"
#include "PartialFile.h"
#include "ServerAccess.h"
#include "ServerPrograms.h"

#include "data/Connection.h"
#include "data/ServerUri.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace notadb {
namespace {
// The schemas a URI's options put on the search path ("-c search_path=a,b"):
// the tables of such a location live there, and only they are dumped.
QStringList searchPathSchemas(const QString &location)
{
    static const QRegularExpression setting(QStringLiteral("(?:-c\\s*|--)search_path=(\\S+)"));
    const QRegularExpressionMatch m = setting.match(connectionSetting(location, "options"));
    QStringList schemas;
    if (!m.hasMatch())
        return schemas;
    for (QString name : m.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        name = name.trimmed();
        if (name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')) && name.size() >= 2)
            name = name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        else
            name = name.toLower();  // as the server reads a name without quotes
        if (!name.isEmpty() && name != QLatin1String("$user") && name != QLatin1String("pg_catalog"))
            schemas << name;
    }
    return schemas;
}
} // namespace

int backupServer(const QString &location, const QString &destination, int waitMs, QTextStream &out, QTextStream &err)
{
    const QString shown = connection::printable(location);
    const QString pgDump = findServerProgram(QStringLiteral("pg_dump"));
    if (pgDump.isEmpty()) {
        err << "notadb: " << missingProgram(QStringLiteral("pg_dump"), QStringLiteral("pencadangan")) << "\n";
        return 1;
    }
    if (!openServer(location, err))
        return 1;
    PartialFile partial(destination);
    if (partial.path().isEmpty()) {
        err << "notadb: tidak dapat menulis " << destination << ": tidak dapat membuat berkas di "
            << QFileInfo(destination).absolutePath() << ": " << partial.error() << "\n";
        return 1;
    }
    QStringList args{QStringLiteral("--format=custom"), QStringLiteral("--no-password"),
                     QStringLiteral("--file=") + partial.path(),
                     QStringLiteral("--lock-wait-timeout=%1ms").arg(std::max(waitMs, 1))};
    for (const QString &schema : searchPathSchemas(location))
        args << QStringLiteral("--schema=\"%1\"").arg(QString(schema).replace(QStringLiteral("\""), QStringLiteral("\"\"")));
    args << QStringLiteral("--dbname=") + serveruri::masked(location, QString());

    QProcess dump;
    dump.setProcessEnvironment(serverProgramEnvironment(location));
    dump.setStandardInputFile(QProcess::nullDevice());
    dump.start(pgDump, args);
    if (!dump.waitForStarted()) {
        err << "notadb: tidak dapat menjalankan " << pgDump << ": " << dump.errorString() << "\n";
        return 1;
    }
    dump.waitForFinished(-1);
    const QString said = withoutPassword(location, QString::fromLocal8Bit(dump.readAllStandardError()).trimmed());
    if (dump.exitStatus() != QProcess::NormalExit || dump.exitCode() != 0) {
        err << "notadb: pg_dump tidak dapat mencadangkan " << shown << "; tidak ada yang ditulis"
            << (said.isEmpty() ? QString() : QStringLiteral(":\n") + said) << "\n";
        return 1;
    }
    const QString unpublished = partial.publish(destination);
    if (!unpublished.isEmpty()) {
        err << "notadb: tidak dapat menulis " << destination << ": " << unpublished << "\n";
        return 1;
    }
    out << shown << " dicadangkan dengan pg_dump ke " << destination << "\n";
    return 0;
}
} // namespace notadb
