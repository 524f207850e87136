#include "ServerPrograms.h"

#include "ServerAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <QVersionNumber>

namespace notadb {
QString findServerProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    QList<QPair<QVersionNumber, QString>> installed;
    const QDir versions(QStringLiteral("/usr/lib/postgresql"));
    for (const QString &version : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString program = versions.filePath(version + QStringLiteral("/bin/") + name);
        if (QFileInfo(program).isExecutable())
            installed.append({QVersionNumber::fromString(version), program});
    }
    std::sort(installed.begin(), installed.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    return installed.isEmpty() ? QString() : installed.first().second;
}

QString withoutPasswordSetting(const QString &location)
{
    QUrl url(location);
    if (!url.isValid())
        return location;
    url.setPassword(QString());
    QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("password"))) {
        query.removeAllQueryItems(QStringLiteral("password"));
        url.setQuery(query);
    }
    return url.toString(QUrl::FullyEncoded);
}

QProcessEnvironment serverProgramEnvironment(const QString &location)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString password = connectionSetting(location, "password");
    if (!password.isEmpty())
        env.insert(QStringLiteral("PGPASSWORD"), password);
    if (!env.contains(QStringLiteral("PGCONNECT_TIMEOUT")))
        env.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("5"));
    return env;
}

QString runServerProgram(const QString &location, const QString &program, const QStringList &args, bool *ran)
{
    if (ran)
        *ran = false;
    QProcess process;
    process.setProcessEnvironment(serverProgramEnvironment(location));
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForStarted())
        return QStringLiteral("tidak dapat menjalankan %1: %2").arg(program, process.errorString());
    if (ran)
        *ran = true;
    process.waitForFinished(-1);
    const QString said = withoutPassword(location, QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    if (process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("%1 terhenti (%2)").arg(QFileInfo(program).fileName(), said);
    if (process.exitCode() != 0)
        return said.isEmpty() ? QStringLiteral("%1 gagal").arg(QFileInfo(program).fileName()) : said;
    return QString();
}
QString missingProgram(const QString &name, const QString &role)
{
    return QStringLiteral("%1, program %2 milik PostgreSQL, tidak ada di PATH maupun di /usr/lib/postgresql/*/bin; "
                          "pasang program klien PostgreSQL")
        .arg(name, role);
}

QString archiveProblem(const QString &location, const QString &archive)
{
    const QString pgRestore = findServerProgram(QStringLiteral("pg_restore"));
    if (pgRestore.isEmpty())
        return missingProgram(QStringLiteral("pg_restore"), QStringLiteral("pemulihan"));
    const QString said = runServerProgram(location, pgRestore, {QStringLiteral("--file=/dev/null"), archive});
    return said.isEmpty() ? QString() : QStringLiteral("%1 bukan cadangan yang dapat dibaca pg_restore: %2").arg(archive, said);
}
} // namespace notadb
