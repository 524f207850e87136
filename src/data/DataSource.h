#pragma once
// Connects data-aware controls to a dataset and tells them when the record,
// a field or the state changes.
#include <QObject>
#include <QPointer>

class DataSet;
class Field;

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    DataSet *dataSet() const { return m_dataSet; }
    void setDataSet(DataSet *dataSet);

signals:
    void dataSetChanged();         // bound to another dataset
    void stateChanged();
    void recordChanged();
    void fieldChanged(Field *field);
    void rowsChanged();

private:
    QPointer<DataSet> m_dataSet;
};
