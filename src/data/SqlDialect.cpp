#include "data/SqlDialect.h"

#include "core/Errors.h"
#include "data/QuotedText.h"
#include "data/Schema.h"

namespace sqldialect {
namespace {
enum class Tok { Ident, Comma, Star, String, End };

struct Token {
    Tok kind = Tok::End;
    QString text;
};

[[noreturn]] void syntax(const QString &why)
{
    throw EDatabaseError(QStringLiteral("Invalid query: %1").arg(why));
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
                syntax(QStringLiteral("the pattern is not closed by a double quote"));
            out.append({Tok::String, value});
        } else {
            syntax(QStringLiteral("unexpected character '%1'").arg(c));
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
            columnNames << ident(QStringLiteral("a column name"));
            while (peek().kind == Tok::Comma) {
                take();
                columnNames << ident(QStringLiteral("a column name"));
            }
        }
        keyword("FROM");
        const QString tableName = ident(QStringLiteral("a table name"));
        q.table = schema::findTable(tableName);
        if (!q.table)
            throw EDatabaseError(QStringLiteral("Invalid query: unknown table '%1'").arg(tableName));
        q.columns = star ? q.table->columnNames() : resolveAll(*q.table, columnNames);
        if (isKeyword("WHERE")) {
            take();
            q.likeColumn = resolve(*q.table, ident(QStringLiteral("a column name after WHERE")));
            keyword("LIKE");
            if (peek().kind != Tok::String)
                syntax(QStringLiteral("a pattern in double quotes is expected after LIKE, found %1").arg(describe(peek())));
            q.pattern = take().text;
            q.hasLike = true;
        }
        if (isKeyword("ORDER")) {
            take();
            keyword("BY");
            q.orderColumn = resolve(*q.table, ident(QStringLiteral("a column name after ORDER BY")));
        }
        if (peek().kind != Tok::End)
            syntax(QStringLiteral("unexpected %1").arg(describe(peek())));
        return q;
    }

private:
    static QString describe(const Token &t)
    {
        switch (t.kind) {
        case Tok::End: return QStringLiteral("end of statement");
        case Tok::String: return QStringLiteral("text \"%1\"").arg(t.text);
        default: return QLatin1Char('\'') + t.text + QLatin1Char('\'');
        }
    }

    static QString resolve(const TableDef &table, const QString &name)
    {
        const ColumnDef *c = table.column(name);
        if (!c)
            throw EDatabaseError(QStringLiteral("Invalid query: unknown column '%1' in table '%2'").arg(name, table.name));
        return c->field.name;
    }

    static QStringList resolveAll(const TableDef &table, const QStringList &names)
    {
        QStringList out;
        for (const QString &n : names) {
            const QString resolved = resolve(table, n);
            if (out.contains(resolved))
                throw EDatabaseError(QStringLiteral("Invalid query: column '%1' is selected twice").arg(n));
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
            syntax(QStringLiteral("%1 is expected, found %2").arg(QLatin1String(word), describe(peek())));
        take();
    }

    QString ident(const QString &what)
    {
        if (peek().kind != Tok::Ident)
            syntax(QStringLiteral("%1 is expected, found %2").arg(what, describe(peek())));
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
} // namespace sqldialect
