#pragma once
// The rows of a data source's dataset as a table model for the grid and the
// lookup list. Rows are taken on demand: the model announces them in batches
// as the view scrolls (canFetchMore/fetchMore) and reads a cell only when the
// view paints it, so a table of any size opens at once.
//
// Columns are the dataset's visible fields in field order (or the fields named
// by setFieldNames()), titled with the field's display label; a column can be
// hidden or given another title. The current record's row shows the record
// buffer, so unposted typing and a new record show.
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

class DataLink;
class DataSet;
class DataSource;
class Field;

class DBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kBatch = 100;

    explicit DBGridModel(QObject *parent = nullptr);
    ~DBGridModel() override;

    DataLink *link() const { return m_link; }
    DataSet *dataSet() const;
    void setDataSource(DataSource *source);

    // Only these fields, in this order; empty: every field of the dataset.
    void setFieldNames(const QStringList &names);
    // Shown or not, whatever the field's own visible flag says.
    void setColumnVisible(const QString &fieldName, bool visible);
    void setColumnTitle(const QString &fieldName, const QString &title);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool on);

    Field *fieldAt(int column) const;
    int columnOf(const QString &fieldName) const;  // -1 when not shown
    // The dataset's current record as a row, -1 when none.
    int currentRow() const { return m_current; }
    // Rows announced to the view so far.
    int fetchedRowCount() const { return m_fetched; }
    // Announces rows up to and including `row`.
    void fetchTo(int row);

    // Text of a field in a row, as shown (display) or as edited (asString).
    QString text(int row, Field *field, bool display) const;
    // Writes `text` into a field of the current row, putting the record into
    // edit state. With reportErrors false a conversion error is swallowed
    // (the text is still being typed); returns whether the text was written.
    bool writeCurrent(int column, const QString &text, bool reportErrors);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // The dataset's current record is now `row` (after any reset).
    void currentRowChanged(int row);

private:
    void resync(bool rebuild);
    void rebuildColumns();

    DataLink *m_link;
    QStringList m_fieldNames;
    QHash<QString, bool> m_visible;   // lower-case field name -> shown (overrides the field)
    QHash<QString, QString> m_titles; // lower-case field name -> title
    QList<Field *> m_columns;
    bool m_readOnly = false;
    int m_count = 0;     // rows of the dataset at the last look
    int m_fetched = 0;   // rows announced to the view
    int m_current = -1;
};
