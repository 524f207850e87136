#pragma once
// The tie between one data-aware control and its data source: which dataset,
// which field, and the data source's notifications passed on to the control.
//
// Single-field controls listen to dataChanged() and show field() again;
// controls over many rows (grid, lookup list, navigator) listen to the finer
// signals. Controls hand over text they hold but have not written yet through
// setUpdateData(); the bound dataset runs those (DataSet::updateRecord())
// before it posts or moves, and the navigator or the grid before it acts, so
// a conversion error stops the action and the record stays in edit state.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class DataSet;
class DataSource;
class Field;

class DataLink : public QObject {
    Q_OBJECT
public:
    explicit DataLink(QObject *parent = nullptr);
    ~DataLink() override;

    DataSource *dataSource() const;
    void setDataSource(DataSource *source);
    const QString &fieldName() const { return m_fieldName; }
    void setFieldName(const QString &name);

    DataSet *dataSet() const;
    bool active() const;      // bound to an open dataset
    bool editing() const;     // the dataset is in Edit or Insert state
    bool canModify() const;   // open and changeable
    Field *field() const;     // the bound field of the open dataset, nullptr when none

    // Typing started: a browsing dataset goes into edit state (on an empty
    // table the engine starts a new record). Raises what the engine raises.
    void beginEdit();

    // `write` hands over text the control holds but has not written yet; it
    // may raise (a conversion error). Empty function: nothing pending.
    void setUpdateData(std::function<void()> write);

signals:
    void dataChanged();              // anything a single-field control shows may have changed
    void activeChanged();            // opened, closed or bound to another dataset
    void stateChanged();
    void recordChanged();            // cursor moved or rows re-read
    void fieldChanged(Field *field); // a field of the current record was written
    void rowsChanged();

private:
    void rebind();
    void onStateChanged();
    void onFieldChanged(Field *field);
    void holdTextFor(DataSet *bound);

    QPointer<DataSource> m_source;
    QString m_fieldName;
    QMetaObject::Connection m_dataSetConnection;
    QList<QMetaObject::Connection> m_connections;
    bool m_wasActive = false;
    std::function<void()> m_updateData;
    QPointer<DataSet> m_textHeldFor;  // the dataset this link's write is registered with
};
