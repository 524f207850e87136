#pragma once
// The password of a server URI, kept out of everything a person or another
// program sees. The URI is taken apart as text, not by a URL parser, so that
// every form the server's client library accepts is handled alike: several
// hosts ("h1:5432,h2:5432"), a password with an unencoded "@" or ":" (the
// user information ends at the last "@" before the query), and a
// `password=` setting in the query.
#include <QString>
#include <QStringList>

namespace serveruri {
// The URI with every password replaced by `replacement`; an empty
// replacement drops the password together with its ":" or query setting.
QString masked(const QString &uri, const QString &replacement = QStringLiteral("xxxxx"));
// Each password the URI holds, as written and decoded, and each piece of it a
// client library could read as another part of the URI (the text after an
// unencoded "@"). Longest first.
QStringList secrets(const QString &uri);
// `message` with the URI shown masked and every secret of it replaced. A
// secret is replaced only where it stands on its own (not inside a longer
// word), so that a short password does not mangle the words around it.
QString maskedMessage(const QString &uri, const QString &message);
} // namespace serveruri
