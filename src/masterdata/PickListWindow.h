#pragma once
// What the group list and the part list windows share: one pick-list table
// in an editable grid with "Help" and a navigator under it, in a resizable
// window whose controls keep their size and place.
//
// The table keeps its changes in cached updates; every posted change, insert
// and delete is applied to the table as soon as the record is back in browse
// state, so that what the user stored survives the window and the pick-up
// window offers it. Closing with a changed row not yet posted asks whether to
// store it.
#include "controls/Form.h"

class DBGrid;
class DBNavigator;
class DataSource;
class QToolButton;
class Table;

class PickListWindow : public TForm {
    Q_OBJECT
public:
    DBGrid *DBGrid1;            // every field of the table, titled with its name
    QToolButton *SpeedButton1;  // "Help"
    DBNavigator *DBNavigator1;  // all ten buttons on Table1

    Table *Table1;              // the pick list, cached updates on
    DataSource *DataSource1;    // the grid's and the navigator's link to Table1

    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose() override;
    void SpeedButton1Click();

protected:
    // `outer` is the frame's size; the grid fills the client area above the button row.
    PickListWindow(const QString &name, const QString &caption, const QString &tableName, QSize outer,
                   QPoint place, QWidget *parent);

private:
    // Applies what was posted or deleted once the record is back in browse state.
    void applyPosted();
    bool m_applyQueued = false;
};
