// `notadb init`: a new database with its first account. The name and the
// password are checked before anything is created: a name the account field
// cannot hold whole would be stored cut and never log in, a password longer
// than the login window takes could never be typed there, and an empty
// password would let anyone in with an empty password box.
//
// A file is created; on a server the database must exist and be empty (its
// administrator creates it), and only the tables and the account are made.
// The server is asked first, so that nobody types a password for nothing.
#include "AccountCommands.h"
#include "Commands.h"
#include "PasswordInput.h"
#include "ServerAccess.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Provision.h"

#include <QFileInfo>

namespace notadb {
int init(const QString &file, const QString &user, const std::optional<QString> &password, QTextStream &out,
         QTextStream &err)
{
    if (user.isEmpty()) {
        err << "notadb: akun pertama memerlukan nama user (--user NAME)\n";
        return 2;
    }
    if (const QString why = unfitName(user); !why.isEmpty()) {
        err << "notadb: " << why << "\n";
        return 2;
    }
    const bool onServer = connection::isServer(file);
    if (onServer) {
        try {
            const std::shared_ptr<connection::Connection> server = openServer(file, err);
            if (!server)
                return 1;
            const QStringList held = tablesHeld(*server);
            if (!held.isEmpty()) {
                err << "notadb: " << connection::printable(file) << " tidak kosong: sudah memuat tabel "
                    << held.join(QStringLiteral(", ")) << "; init mengisi basis data yang kosong\n";
                return 1;
            }
        } catch (const EError &e) {
            err << "notadb: " << e.message() << "\n";
            return 1;
        }
    } else if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) {
        // A link, even to nothing, is not a free name: the database would be made where it points.
        err << "notadb: Basis data '" << QFileInfo(file).absoluteFilePath() << "' sudah ada"
            << (QFileInfo(file).isSymLink() ? QStringLiteral(" sebagai tautan ke '%1'").arg(QFileInfo(file).symLinkTarget()) : QString())
            << "\n";
        return 1;
    }
    QString problem;
    const std::optional<QString> given = password ? password : readPassword(user, problem);
    if (!given) {
        err << "notadb: " << problem << "; tidak ada yang dibuat\n";
        return 2;
    }
    if (given->isEmpty()) {
        err << "notadb: akun pertama memerlukan kata sandi yang tidak kosong; tidak ada yang dibuat\n";
        return 2;
    }
    if (const QString why = unfitPassword(*given); !why.isEmpty()) {
        err << "notadb: " << why << "; tidak ada yang dibuat\n";
        return 2;
    }
    try {
        provision::createDatabase(file, user, *given);
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    if (onServer)
        out << "Tabel-tabel dibuat di " << connection::printable(file) << " dengan akun " << user << "\n";
    else
        out << QFileInfo(file).absoluteFilePath() << " dibuat dengan akun " << user << "\n";
    return 0;
}
} // namespace notadb
