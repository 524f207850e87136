#pragma once
#include "controls/FieldBinding.h"
// A label showing a field of a data source's current record as a grid shows
// it (with the field's display format); empty while there is no record.
#include <QLabel>

class DataSource;
class Field;

class DBText : public QLabel, public FieldBinding {
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    ~DBText() override;


private:
    void showField();

};
