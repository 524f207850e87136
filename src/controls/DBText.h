#pragma once
// A label showing a field of a data source's current record as a grid shows
// it (with the field's display format); empty while there is no record.
#include <QLabel>

class DataLink;
class DataSource;
class Field;

class DBText : public QLabel {
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    ~DBText() override;

    DataSource *dataSource() const;
    void setDataSource(DataSource *source);
    QString dataField() const;
    void setDataField(const QString &fieldName);
    Field *field() const;

private:
    void showField();

    DataLink *m_link;
};
