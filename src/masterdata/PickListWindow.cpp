#include "masterdata/PickListWindow.h"

#include "access/Widgets.h"
#include "app/Windows.h"
#include "controls/DBGrid.h"
#include "controls/DBNavigator.h"
#include "controls/Guard.h"
#include "data/DataSource.h"
#include "data/Table.h"
#include "masterdata/CloseQuestion.h"
#include "masterdata/RecordNavigator.h"

#include <QToolButton>

using namespace accessui;

PickListWindow::PickListWindow(const QString &name, const QString &caption, const QString &tableName, QSize outer,
                               QPoint place, QWidget *parent)
    : TForm(parent)
{
    setObjectName(name);
    setCaption(caption);
    setBorder(BorderStyle::Sizeable, SystemMenu | Minimize | Maximize);
    setOuterSize(outer.width(), outer.height());
    setPlacement(Placement::Designed, place);
    setFormFont(QStringLiteral("Tahoma"), 8);

    Table1 = new Table(this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setTableName(tableName);
    Table1->setCachedUpdates(true);
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);

    // Placed once at their design size: resizing the window moves nothing.
    const QSize client = size();
    DBGrid1 = new DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(8, 8, client.width() - 16, client.height() - 52);
    DBGrid1->setDataSource(DataSource1);
    DBGrid1->setAccessibleName(caption);

    const int row = client.height() - 36;
    SpeedButton1 = speedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Help"), QString(),
                               QRect(8, row, 56, 26));
    setTextColour(SpeedButton1, kBlue);
    DBNavigator1 = masterui::recordNavigator(this, DataSource1, QRect(70, row, 230, 26),
                                             QStringLiteral("Navigasi ") + caption);

    setTabOrder(DBGrid1, DBNavigator1->button(DBNavigator::Button::First));

    onEvent(SpeedButton1, &QToolButton::clicked, this, &PickListWindow::SpeedButton1Click);
    // Posts and deletes, from the grid's keys or the navigator, end in one of these.
    for (auto signal : {&DataSet::stateChanged, &DataSet::rowsChanged}) {
        connect(Table1, signal, this, [this] {
            if (m_applyQueued)
                return;
            m_applyQueued = true;
            // Once the action under way has finished with the table.
            QMetaObject::invokeMethod(this, [this] { guard([this] { applyPosted(); }); }, Qt::QueuedConnection);
        });
    }
}

void PickListWindow::applyPosted()
{
    m_applyQueued = false;
    if (Table1->state() == DataSetState::Browse && Table1->updatesPending())
        Table1->applyUpdates();
}

void PickListWindow::FormShow() { Table1->open(); }

bool PickListWindow::FormCloseQuery() { return masterui::mayClose(*Table1, caption()); }

void PickListWindow::FormClose()
{
    if (Table1->active()) {
        Table1->cancel();  // an edit without changes, or one the user chose to drop
        guard([this] { applyPosted(); });
    }
    Table1->close();
    windows::form(FMain)->Show();
}

void PickListWindow::SpeedButton1Click() { windows::form(FHelp1)->ShowModal(); }
