#pragma once
// What every single-field data-aware control offers: the data source and the
// field it shows. The control owns the link (a child QObject of the control).
#include "controls/DataLink.h"

class FieldBinding {
public:
    DataSource *dataSource() const { return m_link->dataSource(); }
    void setDataSource(DataSource *source) { m_link->setDataSource(source); }
    QString dataField() const { return m_link->fieldName(); }
    void setDataField(const QString &fieldName) { m_link->setFieldName(fieldName); }
    Field *field() const { return m_link->field(); }

protected:
    explicit FieldBinding(QObject *control) : m_link(new DataLink(control)) {}
    ~FieldBinding() = default;

    DataLink *m_link;
};
