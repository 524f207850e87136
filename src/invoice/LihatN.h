#pragma once
#include "app/Windows.h"
#include "controls/Form.h"

class Table;

class TFlihatN : public TForm {
    Q_OBJECT
public:
    explicit TFlihatN(QWidget *parent = nullptr);

    Table *Table1;  // NotaUtama, by No_Nota: the stored invoice headers
    Table *Table2;  // Nota: the lines of the invoice shown

protected:
    void FormClose() override;
};
