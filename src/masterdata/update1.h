#pragma once
// The pick-up window: the goods list window shows one pick list (groups or
// part kinds) with its "OK"; "OK" writes the chosen value into the goods
// list's current record and posts it, "Cancel" leaves the record untouched.
// Every button closes the window, also when its action fails, and hides what
// the caller made visible.
#include "app/Windows.h"
#include "controls/Form.h"
#include "masterdata/PickUp.h"

#include <functional>

class DBLookupComboBox;
class DataSource;
class QLabel;
class QPushButton;
class Table;

class TFup1 : public TForm {
    Q_OBJECT
public:
    explicit TFup1(QWidget *parent = nullptr);

    QLabel *Label1;                       // "Update Dari List Group :" or "... Part :"
    DBLookupComboBox *DBLookupComboBox1;  // Group values, keyed by No
    DBLookupComboBox *DBLookupComboBox2;  // Part values, keyed by Part
    QPushButton *BitBtn1;                 // "OK" for the group
    QPushButton *BitBtn3;                 // "OK" for the part kind, the default button
    QPushButton *BitBtn2;                 // "Cancel"

    Table *Table1;                        // Group
    DataSource *DataSource1;
    Table *Table2;                        // Part
    DataSource *DataSource2;

    // Shows `list` with its "OK", whose choice goes into `goods`' record.
    void prepare(PickList list, Table &goods);

    void FormShow() override;
    void BitBtn1Click();
    void BitBtn3Click();
    void BitBtn2Click();

private:
    Table *m_goods = nullptr;  // the goods list's table, while shown for it
    // Writes the pick list's text into `field` of the goods record and posts
    // it; then closes the pick-list table and hides the list and its button.
    void writeChoice(const QString &field, DBLookupComboBox *list, Table *table, QPushButton *ok);
    // Runs `action`, reporting what it raises, and closes the window in any case.
    void closeAfter(const std::function<void()> &action);
};
