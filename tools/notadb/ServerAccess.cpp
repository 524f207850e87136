#include "ServerAccess.h"

#include "core/Errors.h"
#include "data/Schema.h"
#include "data/ServerProbe.h"
#include "data/ServerUri.h"

namespace notadb {
QString connectionSetting(const QString &location, const char *keyword)
{
    return serverprobe::setting(location, keyword);
}

QString withoutPassword(const QString &location, const QString &text)
{
    return serveruri::maskedMessage(location, text);
}

QString whyNoConnection(const QString &location, const QString &engineMessage)
{
    const QString shown = connection::printable(location);
    // The engine's message names the URI; here it follows it, so only the
    // server's or libpq's words are kept, on one line.
    QString detail = engineMessage;
    const QString opening = QStringLiteral("Database '%1' tidak dapat dibuka: ").arg(shown);
    if (detail.startsWith(opening))
        detail = detail.mid(opening.size());
    detail = detail.simplified();
    switch (serverprobe::ping(location)) {
    case serverprobe::Answer::Silent:
        return QStringLiteral("server basis data %1 tidak dapat dihubungi: tidak menjawab (%2)").arg(shown, detail);
    case serverprobe::Answer::Unusable:
        return QStringLiteral("%1 bukan URI sambungan yang dapat dipakai (%2)").arg(shown, detail);
    case serverprobe::Answer::Refusing:
        return QStringLiteral("server basis data %1 sedang tidak menerima sambungan (%2)").arg(shown, detail);
    case serverprobe::Answer::Ready: break;
    }
    QString database = connectionSetting(location, "dbname");
    if (database.isEmpty())
        database = connectionSetting(location, "user");
    if (!database.isEmpty() && serverprobe::hasDatabase(location, database) == false)
        return QStringLiteral("basis data '%1' tidak ada di server %2; administratornya perlu membuatnya dulu "
                              "(createdb)")
            .arg(database, shown);
    return engineMessage;
}

std::shared_ptr<connection::Connection> openServer(const QString &location, QTextStream &err)
{
    try {
        return connection::ofFile(location);
    } catch (const EError &e) {
        err << "notadb: " << withoutPassword(location, whyNoConnection(location, e.message())) << "\n";
        return nullptr;
    }
}

QStringList tablesHeld(connection::Connection &connection)
{
    QStringList held;
    for (const TableDef &t : schema::tables())
        if (!connection.storedColumns(t.name).isEmpty())
            held << t.name;
    return held;
}
} // namespace notadb
