#pragma once
// Records held in memory: a list of rows over named columns. Serves reports
// over data that is not in a table, and the layout's tests and benchmarks.
#include "reports/RecordSource.h"

#include <QStringList>
#include <QVariant>
#include <QVector>

class MemoryRecords : public RecordSource {
public:
    explicit MemoryRecords(QStringList columns = {});

    // Values by column: strings print as they are, floating-point numbers in
    // plain number text, integers as digits, images serve picture().
    void addRow(const QVariantList &values);
    int position() const { return m_position; }  // index of the current row

    void first() override { m_position = 0; }
    void next() override;
    bool eof() const override { return m_position >= m_rows.size(); }
    int recordCount() const override { return int(m_rows.size()); }
    QString text(const QString &field) const override;
    QImage picture(const QString &field) const override;

private:
    const QVariant *value(const QString &field) const;

    QStringList m_columns;
    QVector<QVariantList> m_rows;
    int m_position = 0;
};
