#pragma once
// A table of the database under an alias, in the order of IndexFieldNames
// (or the table's primary key when none is named).
#include "data/DataSet.h"

#include <QVariantList>

class Table : public DataSet {
    Q_OBJECT
public:
    explicit Table(QObject *parent = nullptr);
    ~Table() override;

    // File name as the windows give it ("Adm.db", "NotaUtama.DB"); the
    // extension is ignored and the name matched without regard to case.
    QString tableName() const;
    void setTableName(const QString &name);

    QString indexFieldNames() const;
    void setIndexFieldNames(const QString &field);  // may change while open

    // Key seek on the index field: a pending edit is posted (dropped when
    // unchanged) first; true and on the record whose key equals `key`
    // (exact comparison), or false with the position unchanged.
    bool findKey(const QString &key);

    // Pending changes are held in this object and shown by it until applied.
    bool cachedUpdates() const;
    void setCachedUpdates(bool on);
    void applyUpdates();   // writes the pending changes in one transaction
    void cancelUpdates();
    bool updatesPending() const;

protected:
    const TableDef &tableToOpen() override;
    QString orderColumn() const override;
    bool isWritable() const override { return true; }

private:
    QString m_tableName;
    const TableDef *m_def = nullptr;  // the schema's table of that name; nullptr when none
    QString m_indexField;
};
