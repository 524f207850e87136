#include "controls/DBText.h"

#include "controls/DataLink.h"
#include "data/Field.h"

DBText::DBText(QWidget *parent) : QLabel(parent), m_link(new DataLink(this))
{
    setTextFormat(Qt::PlainText);
    connect(m_link, &DataLink::dataChanged, this, &DBText::showField);
}

DBText::~DBText() = default;

DataSource *DBText::dataSource() const { return m_link->dataSource(); }
void DBText::setDataSource(DataSource *source) { m_link->setDataSource(source); }
QString DBText::dataField() const { return m_link->fieldName(); }
void DBText::setDataField(const QString &fieldName) { m_link->setFieldName(fieldName); }
Field *DBText::field() const { return m_link->field(); }

void DBText::showField()
{
    Field *f = m_link->field();
    setText(f ? f->displayText() : QString());
}
