#include "controls/DataLink.h"

#include "data/DataSet.h"
#include "data/DataSource.h"

DataLink::DataLink(QObject *parent) : QObject(parent) {}

DataLink::~DataLink() { holdTextFor(nullptr); }

void DataLink::setUpdateData(std::function<void()> write)
{
    m_updateData = std::move(write);
    holdTextFor(dataSet());
}

// Any post or record move of the dataset first takes the text this link's
// control holds, also when a window's own button starts it.
void DataLink::holdTextFor(DataSet *bound)
{
    if (m_textHeldFor)
        m_textHeldFor->removeTextHolder(this);
    m_textHeldFor = m_updateData ? bound : nullptr;
    if (m_textHeldFor)
        m_textHeldFor->addTextHolder(this, [this] { m_updateData(); });
}

DataSource *DataLink::dataSource() const { return m_source; }

void DataLink::setDataSource(DataSource *source)
{
    if (m_source == source)
        return;
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &DataSource::dataSetChanged, this, &DataLink::rebind)
                      << connect(source, &DataSource::stateChanged, this, &DataLink::onStateChanged)
                      << connect(source, &DataSource::recordChanged, this, [this] {
                             emit recordChanged();
                             emit dataChanged();
                         })
                      << connect(source, &DataSource::fieldChanged, this, &DataLink::onFieldChanged)
                      << connect(source, &DataSource::rowsChanged, this, [this] {
                             emit rowsChanged();
                             emit dataChanged();
                         })
                      // At once: a grid must drop the fields it shows before its
                      // window, destroyed after the source, asks for them again.
                      << connect(source, &QObject::destroyed, this, &DataLink::rebind);
    }
    rebind();
}

void DataLink::setFieldName(const QString &name)
{
    if (m_fieldName == name)
        return;
    m_fieldName = name;
    emit dataChanged();
}

DataSet *DataLink::dataSet() const { return m_source ? m_source->dataSet() : nullptr; }

bool DataLink::active() const
{
    const DataSet *ds = dataSet();
    return ds && ds->active();
}

bool DataLink::editing() const
{
    const DataSet *ds = dataSet();
    return ds && (ds->state() == DataSetState::Edit || ds->state() == DataSetState::Insert);
}

bool DataLink::canModify() const
{
    const DataSet *ds = dataSet();
    return ds && ds->active() && ds->canModify();
}

Field *DataLink::field() const
{
    const DataSet *ds = dataSet();
    if (!ds || !ds->active() || m_fieldName.isEmpty())
        return nullptr;
    return ds->findField(m_fieldName);
}

void DataLink::beginEdit()
{
    DataSet *ds = dataSet();
    if (ds && ds->state() == DataSetState::Browse)
        ds->edit();
}

void DataLink::rebind()
{
    holdTextFor(dataSet());
    m_wasActive = active();
    emit activeChanged();
    emit dataChanged();
}

void DataLink::onStateChanged()
{
    const bool nowActive = active();
    if (nowActive != m_wasActive) {
        m_wasActive = nowActive;
        emit activeChanged();
    }
    emit stateChanged();
    emit dataChanged();
}

void DataLink::onFieldChanged(Field *changed)
{
    emit fieldChanged(changed);
    if (!changed || changed == field())
        emit dataChanged();
}
