#pragma once
// A fresh database in a temporary folder, provisioned as the admin tool does
// (the seven tables and one Adm account), with the alias KV pointing at it.
// Removed, and the alias restored, on destruction: declare it before the
// tables and windows that use it.
#include <QSqlDatabase>
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

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Direct access for seeding and checking, bypassing the engine.
    QSqlDatabase db() const;
    void exec(const QString &sql, const QVariantList &binds = {}) const;
    QVariant scalar(const QString &sql, const QVariantList &binds = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::optional<AliasOverride> m_alias;
};
