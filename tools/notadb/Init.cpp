// `notadb init`: a new database with its first account. The name and the
// password are checked before anything is created: a name the account field
// cannot hold whole would be stored cut and never log in, and an empty
// password would let anyone in with an empty password box.
#include "Commands.h"
#include "PasswordInput.h"

#include "core/Errors.h"
#include "data/Provision.h"
#include "data/Schema.h"

#include <QFileInfo>

namespace notadb {
int init(const QString &file, const QString &user, const std::optional<QString> &password, QTextStream &out,
         QTextStream &err)
{
    if (user.isEmpty()) {
        err << "notadb: the first account needs a user name (--user NAME)\n";
        return 2;
    }
    const int width = schema::findTable(QStringLiteral("Adm"))->column(QStringLiteral("NamaUser"))->field.size;
    const qsizetype length = user.toUcs4().size();  // characters, as a field's width counts them
    if (length > width) {
        err << "notadb: the user name '" << user << "' has " << length << " characters; an account name holds at most "
            << width << "\n";
        return 2;
    }
    if (QFileInfo::exists(file)) {
        err << "notadb: Database '" << QFileInfo(file).absoluteFilePath() << "' already exists\n";
        return 1;
    }
    QString problem;
    const std::optional<QString> given = password ? password : readPassword(user, problem);
    if (!given) {
        err << "notadb: " << problem << "; nothing was created\n";
        return 2;
    }
    if (given->isEmpty()) {
        err << "notadb: the first account needs a password that is not empty; nothing was created\n";
        return 2;
    }
    try {
        provision::createDatabase(file, user, *given);
    } catch (const EError &e) {
        err << "notadb: " << e.message() << "\n";
        return 1;
    }
    out << "Created " << QFileInfo(file).absoluteFilePath() << " with the account " << user << "\n";
    return 0;
}
} // namespace notadb
