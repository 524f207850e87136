#include "data/DataSource.h"

#include "data/DataSet.h"

DataSource::DataSource(QObject *parent) : QObject(parent) {}

void DataSource::setDataSet(DataSet *dataSet)
{
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (dataSet) {
        connect(dataSet, &DataSet::stateChanged, this, &DataSource::stateChanged);
        connect(dataSet, &DataSet::recordChanged, this, &DataSource::recordChanged);
        connect(dataSet, &DataSet::fieldChanged, this, &DataSource::fieldChanged);
        connect(dataSet, &DataSet::rowsChanged, this, &DataSource::rowsChanged);
    }
    emit dataSetChanged();
}
