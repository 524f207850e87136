#include "data/QueryText.h"

#include "core/Errors.h"
#include "data/QuotedText.h"
#include "data/Schema.h"

namespace querytext {
namespace {
enum class Tok { Ident, Comma, Star, String, End };

struct Token {
    Tok kind = Tok::End;
    QString text;
};

[[noreturn]] void syntax(const QString &why)
{
    throw EDatabaseError(QStringLiteral("Query tidak sah: %1").arg(why));
}

QList<Token> tokenize(const QString &s)
{
    QList<Token> out;
    int i = 0;
    const int n = int(s.size());
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            const int start = i;
            while (i < n && (s[i].isLetterOrNumber() || s[i] == QLatin1Char('_')))
                ++i;
            out.append({Tok::Ident, s.mid(start, i - start)});
        } else if (c == QLatin1Char(',')) {
            out.append({Tok::Comma, QStringLiteral(",")});
            ++i;
        } else if (c == QLatin1Char('*')) {
            out.append({Tok::Star, QStringLiteral("*")});
            ++i;
        } else if (c == QLatin1Char('"')) {
            QString value;
            if (!quotedtext::read(s, i, QLatin1Char('"'), &value))
                syntax(QStringLiteral("pola tidak ditutup dengan tanda petik ganda"));
            out.append({Tok::String, value});
        } else {
            syntax(QStringLiteral("karakter '%1' tidak diharapkan").arg(c));
        }
    }
    out.append({Tok::End, QString()});
    return out;
}

class Parser {
public:
    explicit Parser(QList<Token> tokens) : m_tokens(std::move(tokens)) {}

    ParsedQuery run()
    {
        ParsedQuery q;
        keyword("SELECT");
        QStringList columnNames;
        bool star = false;
        if (peek().kind == Tok::Star) {
            take();
            star = true;
        } else {
            columnNames << ident(QStringLiteral("nama kolom"));
            while (peek().kind == Tok::Comma) {
                take();
                columnNames << ident(QStringLiteral("nama kolom"));
            }
        }
        keyword("FROM");
        const QString tableName = ident(QStringLiteral("nama tabel"));
        q.table = schema::findTable(tableName);
        if (!q.table)
            throw EDatabaseError(QStringLiteral("Query tidak sah: tabel '%1' tidak dikenal").arg(tableName));
        q.columns = star ? q.table->columnNames() : resolveAll(*q.table, columnNames);
        if (isKeyword("WHERE")) {
            take();
            q.likeColumn = resolve(*q.table, ident(QStringLiteral("nama kolom sesudah WHERE")));
            keyword("LIKE");
            if (peek().kind != Tok::String)
                syntax(QStringLiteral("sesudah LIKE diharapkan pola dalam tanda petik ganda, ditemukan %1").arg(describe(peek())));
            q.pattern = take().text;
            q.hasLike = true;
        }
        if (isKeyword("ORDER")) {
            take();
            keyword("BY");
            q.orderColumn = resolve(*q.table, ident(QStringLiteral("nama kolom sesudah ORDER BY")));
        }
        if (peek().kind != Tok::End)
            syntax(QStringLiteral("%1 tidak diharapkan").arg(describe(peek())));
        return q;
    }

private:
    static QString describe(const Token &t)
    {
        switch (t.kind) {
        case Tok::End: return QStringLiteral("akhir perintah");
        case Tok::String: return QStringLiteral("teks \"%1\"").arg(t.text);
        default: return QLatin1Char('\'') + t.text + QLatin1Char('\'');
        }
    }

    static QString resolve(const TableDef &table, const QString &name)
    {
        const ColumnDef *c = table.column(name);
        if (!c)
            throw EDatabaseError(QStringLiteral("Query tidak sah: kolom '%1' tidak ada di tabel '%2'").arg(name, table.name));
        return c->field.name;
    }

    static QStringList resolveAll(const TableDef &table, const QStringList &names)
    {
        QStringList out;
        for (const QString &n : names) {
            const QString resolved = resolve(table, n);
            if (out.contains(resolved))
                throw EDatabaseError(QStringLiteral("Query tidak sah: kolom '%1' dipilih dua kali").arg(n));
            out << resolved;
        }
        return out;
    }

    const Token &peek() const { return m_tokens[m_pos]; }
    Token take() { return m_tokens[m_pos < m_tokens.size() - 1 ? m_pos++ : m_pos]; }

    bool isKeyword(const char *word) const
    {
        return peek().kind == Tok::Ident && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    void keyword(const char *word)
    {
        if (!isKeyword(word))
            syntax(QStringLiteral("diharapkan %1, ditemukan %2").arg(QLatin1String(word), describe(peek())));
        take();
    }

    QString ident(const QString &what)
    {
        if (peek().kind != Tok::Ident)
            syntax(QStringLiteral("diharapkan %1, ditemukan %2").arg(what, describe(peek())));
        return take().text;
    }

    QList<Token> m_tokens;
    int m_pos = 0;
};
} // namespace

ParsedQuery parse(const QString &text)
{
    return Parser(tokenize(text)).run();
}
} // namespace querytext
