#include "search/SearchForm.h"

#include "access/Widgets.h"
#include "controls/DBGrid.h"
#include "controls/DBText.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "data/DataSource.h"
#include "data/Query.h"
#include "search/SearchText.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QValidator>

using namespace accessui;

namespace {
// Turns every letter typed or pasted into a capital as it comes in.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QString startStatement(const QString &columns, const QString &table, const QString &order)
{
    return QStringList{QStringLiteral("SELECT "), columns, QStringLiteral("FROM"), table,
                       QStringLiteral("ORDER BY ") + order}
        .join(QLatin1Char('\n'));
}
} // namespace

SearchForm::SearchForm(const Design &design, QWidget *parent) : TForm(parent), m_design(design)
{
    setObjectName(design.name);
    setCaption(design.caption);
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(design.clientSize.width(), design.clientSize.height());
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    Query1 = new Query(this);
    Query1->setObjectName(QStringLiteral("Query1"));
    Query1->setSql(startStatement(design.columns, design.table, design.startOrder));
    Query2 = new Query(this);
    Query2->setObjectName(QStringLiteral("Query2"));
    Query2->setSql(Query1->sql());
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Query1);
    DataSource2 = new DataSource(this);
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Query2);

    // The search line.
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Seleksi Berdasarkan :"), QRect(16, 14, 210, 22));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(232, 12, 200, 26);
    ComboBox1->setEditable(true);
    // The list keeps its entries, and typed text stays as typed: only an
    // exact entry chooses a column.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setMaxVisibleItems(int(design.searchColumns.size()));
    for (const SearchColumn &c : design.searchColumns)
        ComboBox1->addItem(c.entry);
    ComboBox1->setCurrentIndex(ComboBox1->findText(design.startEntry, Qt::MatchExactly | Qt::MatchCaseSensitive));
    nameBy(Label1, ComboBox1);

    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Kata atau Teks yang Dicari :"), QRect(16, 50, 210, 22));
    Edit1 = edit(this, QStringLiteral("Edit1"), QRect(232, 48, 300, 26));
    if (design.capitals)
        Edit1->setValidator(new CapitalsValidator(Edit1));
    nameBy(Label2, Edit1);
    for (QLabel *l : {Label1, Label2})
        applyFont(l, QStringLiteral("Tahoma"), 10, true);

    Edit2 = edit(this, QStringLiteral("Edit2"), QRect(540, 12, 120, 24));
    for (const SearchColumn &c : design.searchColumns)
        if (c.entry == design.startEntry)
            Edit2->setText(c.field);
    Edit2->hide();

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(544, 40, 78, 40);
    BitBtn1->setIcon(QIcon(pixmap(QStringLiteral(":/search/search-button.svg"), QSize(68, 32))));
    BitBtn1->setIconSize(QSize(68, 32));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setAccessibleName(QStringLiteral("Cari"));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, 88, width(), 3);
    Shape1->setAutoFillBackground(true);

    // The result.
    Label3 = label(this, QStringLiteral("Label3"), design.listCaption, QRect(8, 96, 300, 20));
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 118, width() - 16, 190);
    DBGrid1->setReadOnly(true);
    DBGrid1->setRowSelect(true);
    QStringList fields;
    for (const GridColumn &c : design.gridColumns)
        fields << c.field;
    DBGrid1->setFieldNames(fields);
    for (const GridColumn &c : design.gridColumns)
        DBGrid1->setColumnTitle(c.field, c.title);
    DBGrid1->setDataSource(DataSource1);
    nameBy(Label3, DBGrid1);

    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Jumlah Record :"), QRect(width() - 228, 312, 130, 20));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("0"), QRect(width() - 92, 312, 84, 20));
    Label4->setBuddy(Label5);

    SpeedButton1 = speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Tutup"), QString(),
                               QRect(width() - 108, height() - 40, 100, 34));
    SpeedButton1->setIcon(QIcon(pixmap(QStringLiteral(":/search/no-entry.svg"), QSize(25, 24))));
    SpeedButton1->setIconSize(QSize(25, 24));

    // Enter presses the search button only while it has the focus: there is
    // no default button, so Enter in the search box does not search.
    dialogkeys::install(this, nullptr, nullptr);
    setTabOrder(ComboBox1, Edit1);
    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, DBGrid1);

    onEvent(ComboBox1, &QComboBox::editTextChanged, this, &SearchForm::ComboBox1Change);
    onEvent(BitBtn1, &QPushButton::clicked, this, &SearchForm::BitBtn1Click);
    onEvent(DBGrid1, &DBGrid::cellClick, this, &SearchForm::DBGrid1CellClick);
    onEvent(SpeedButton1, &QToolButton::clicked, this, &SearchForm::SpeedButton1Click);
}

void SearchForm::nameBy(QLabel *caption, QWidget *control)
{
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
}

QLabel *SearchForm::detailCaption(const QString &name, const QString &text, const QRect &geometry)
{
    return label(this, name, text, geometry);
}

DBText *SearchForm::detailText(const QString &name, const QString &field, const QRect &geometry, QLabel *caption)
{
    auto *value = new DBText(this);
    value->setObjectName(name);
    value->setGeometry(geometry);
    value->setDataSource(DataSource2);
    value->setDataField(field);
    caption->setBuddy(value);
    return value;
}

void SearchForm::FormShow()
{
    // A statement the engine refuses stops the showing here, before the
    // detail opens and the count changes.
    Query1->open();
    Query2->open();
    Label5->setText(QString::number(Query1->recordCount()));
    Edit1->setFocus();
}

void SearchForm::FormClose()
{
    Query1->close();
    Query2->close();
    Edit1->clear();
}

void SearchForm::ComboBox1Change()
{
    const QString text = ComboBox1->currentText();
    for (const SearchColumn &c : m_design.searchColumns) {
        if (text == c.entry) {
            Edit2->setText(c.field);
            return;
        }
    }
}

void SearchForm::BitBtn1Click()
{
    Query1->close();
    Query1->setSql(searchtext::statement(m_design.columns, m_design.table, Edit2->text(), Edit1->text(),
                                         m_design.searchOrder));
    Query1->open();
    refreshDetail();
    Label5->setText(QString::number(Query1->recordCount()));
}

void SearchForm::DBGrid1CellClick() { refreshDetail(); }

void SearchForm::refreshDetail()
{
    const QString key = Query1->fieldByName(m_design.detailKey)->asString();
    // The detail is closed only after a showing stopped by a refused
    // statement; a search that then succeeds shows its detail again.
    Query2->open();
    if (Query2->filtered())
        Query2->setFiltered(false);
    Query2->setFilter(searchtext::equalsFilter(m_design.detailKey, key));
    Query2->setFiltered(true);
}

void SearchForm::SpeedButton1Click() { Close(); }
