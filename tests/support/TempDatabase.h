#pragma once
// A fresh database provisioned as the admin tool does (the seven tables and
// one Adm account), with the alias KV pointing at it. Removed, and the alias
// restored, on destruction: declare it before the tables and windows that
// use it.
//
// The engine is the test run's choice: an SQLite file in a temporary folder,
// or, when NOTA_TEST_ENGINE=postgresql, a schema of its own in the server
// database NOTA_TEST_PG names (a missing server fails the test, loudly).
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVariantList>
#include <optional>

// Points an alias at a file for its lifetime; what the alias named before
// (set by another fixture or by configuration) is restored on destruction,
// also when a check fails half way.
class AliasOverride {
public:
    AliasOverride(const QString &alias, const QString &path);
    ~AliasOverride();
    AliasOverride(const AliasOverride &) = delete;
    AliasOverride &operator=(const AliasOverride &) = delete;

private:
    QString m_alias;
    std::optional<QString> m_previous;
};

class TempDatabase {
public:
    explicit TempDatabase(const QString &adminName = QStringLiteral("admin"),
                          const QString &adminPassword = QStringLiteral("admin"));
    ~TempDatabase();
    TempDatabase(const TempDatabase &) = delete;
    TempDatabase &operator=(const TempDatabase &) = delete;

    // The database: a file path, or a server URI.
    QString path() const { return m_path; }
    // A temporary folder for the test's own files.
    QString folder() const { return m_dir.path(); }
    static bool onServer();

    // Seeding and checking in plain SQL ("?" for each value), either engine.
    void exec(const QString &sql, const QVariantList &binds = {}) const;
    QVariant scalar(const QString &sql, const QVariantList &binds = {}) const;
    // The first column of every row, as text joined by commas (rows without a
    // value left out).
    QString joined(const QString &sql, const QVariantList &binds = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_schema;  // on a server: the schema that holds the tables
    std::optional<AliasOverride> m_alias;
};
