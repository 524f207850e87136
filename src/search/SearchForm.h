#pragma once
// What the goods search and the customer search share: the search line (the
// column chosen in a combo box and kept in the hidden Edit2, the search text,
// the picture button), the result grid on Query1 with its record count, the
// detail query Query2 narrowed to the record of the clicked row, and
// "Tutup". Each window adds its own detail controls, colours and texts.
//
// A search closes Query1, gives it the seven-line statement for the chosen
// column and the typed text, opens it, narrows the detail to the result's
// first row and shows the count. Closing the window empties only the search
// box: the next showing runs the last statement again and shows the last
// detail record afresh. A statement the engine refuses leaves Query1 closed
// and the count and detail as they were.
#include "controls/Form.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class DataSource;
class DBGrid;
class DBText;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class Query;

class SearchForm : public TForm {
    Q_OBJECT
public:
    struct SearchColumn {
        QString entry;  // the combo box's text
        QString field;  // the column searched
    };
    struct GridColumn {
        QString field;  // Query1's field
        QString title;  // the grid's title over it
    };
    struct Design {
        QString name;                  // the instance's name
        QString caption;
        QSize clientSize;
        QString listCaption;           // caption over the grid
        QString table;                 // as statements name it
        QString columns;               // the selected columns, one line
        QString startOrder;            // order column of the start statement
        QString searchOrder;           // order column of every search
        QString detailKey;             // Query1's field that picks the detail record
        QList<SearchColumn> searchColumns;  // the combo box's entries, in order
        QString startEntry;            // the combo box's text at start
        QList<GridColumn> gridColumns;      // Query1's fields, in grid order
        bool capitals = false;         // the search box turns letters into capitals
    };

    QLabel *Label1;             // "Seleksi Berdasarkan :"
    QComboBox *ComboBox1;       // the column to search, by its entry
    QLabel *Label2;             // "Kata atau Teks yang Dicari :"
    QLineEdit *Edit1;           // the search text
    QLineEdit *Edit2;           // hidden: field name of the column searched
    QPushButton *BitBtn1;       // search: a picture without caption
    QFrame *Shape1;             // thin bar under the search line
    QLabel *Label3;             // "Daftar ... :"
    DBGrid *DBGrid1;            // the result, read-only, on Query1
    QLabel *Label4;             // "Jumlah Record :"
    QLabel *Label5;             // rows in the result
    QToolButton *SpeedButton1;  // "Tutup"

    Query *Query1;              // the result list
    Query *Query2;              // the detail, narrowed by its Filter
    DataSource *DataSource1;    // Query1 -> grid
    DataSource *DataSource2;    // Query2 -> detail controls

    void FormShow() override;
    void FormClose() override;
    void ComboBox1Change();
    void BitBtn1Click();
    void DBGrid1CellClick();
    void SpeedButton1Click();

protected:
    SearchForm(const Design &design, QWidget *parent);

    // The caption labels the control and names it for a screen reader (a
    // grid or an editable combo box is not named by its label alone).
    static void nameBy(QLabel *caption, QWidget *control);
    // A caption of the detail area and the text bound to a field of Query2
    // beside it; the caption names the text for a screen reader.
    QLabel *detailCaption(const QString &name, const QString &text, const QRect &geometry);
    DBText *detailText(const QString &name, const QString &field, const QRect &geometry, QLabel *caption);

private:
    void refreshDetail();

    Design m_design;
};
