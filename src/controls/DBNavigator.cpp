#include "controls/DBNavigator.h"

#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "data/DataSet.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

namespace {
const char *const kPictures[] = {"first", "prior", "next", "last", "insert",
                                 "delete", "edit", "post", "cancel", "refresh"};
} // namespace

QList<DBNavigator::Button> DBNavigator::allButtons()
{
    return {Button::First, Button::Prior,  Button::Next, Button::Last,   Button::Insert,
            Button::Delete, Button::Edit, Button::Post, Button::Cancel, Button::Refresh};
}

QString DBNavigator::hint(Button which)
{
    switch (which) {
    case Button::First: return QStringLiteral("Record pertama");
    case Button::Prior: return QStringLiteral("Record sebelumnya");
    case Button::Next: return QStringLiteral("Record berikutnya");
    case Button::Last: return QStringLiteral("Record terakhir");
    case Button::Insert: return QStringLiteral("Tambah record");
    case Button::Delete: return QStringLiteral("Hapus record");
    case Button::Edit: return QStringLiteral("Ubah record");
    case Button::Post: return QStringLiteral("Simpan perubahan");
    case Button::Cancel: return QStringLiteral("Batalkan perubahan");
    case Button::Refresh: return QStringLiteral("Muat ulang data");
    }
    return {};
}

DBNavigator::DBNavigator(QWidget *parent) : QWidget(parent), m_link(new DataLink(this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (Button which : allButtons()) {
        auto *b = new QToolButton(this);
        b->setIcon(QIcon(QStringLiteral(":/controls/nav-%1.svg").arg(QLatin1String(kPictures[int(which)]))));
        b->setIconSize(QSize(16, 16));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where it is
        b->setStatusTip(hint(which));
        b->setAccessibleName(hint(which));  // it shows only a picture
        b->setObjectName(QLatin1String(kPictures[int(which)]));
        connect(b, &QToolButton::clicked, this, [this, which] { click(which); });
        row->addWidget(b);
        m_buttons.append(b);
    }
    connect(m_link, &DataLink::dataChanged, this, &DBNavigator::updateButtons);
    connect(m_link, &DataLink::recordChanged, this, &DBNavigator::updateButtons);
    updateButtons();
}

DBNavigator::~DBNavigator() = default;

DataSource *DBNavigator::dataSource() const { return m_link->dataSource(); }
void DBNavigator::setDataSource(DataSource *source) { m_link->setDataSource(source); }

QList<DBNavigator::Button> DBNavigator::visibleButtons() const
{
    QList<Button> shown;
    for (Button which : allButtons()) {
        if (!button(which)->isHidden())
            shown.append(which);
    }
    return shown;
}

void DBNavigator::setVisibleButtons(const QList<Button> &buttons)
{
    for (Button which : allButtons())
        button(which)->setVisible(buttons.contains(which));
}

QToolButton *DBNavigator::button(Button which) const { return m_buttons.at(int(which)); }

void DBNavigator::setShowHint(bool on)
{
    for (Button which : allButtons())
        button(which)->setToolTip(on ? hint(which) : QString());
}

void DBNavigator::click(Button which)
{
    if (!button(which)->isEnabled())
        return;
    bool done = false;
    guard([&] {
        act(which);
        done = true;
    });
    if (done)
        emit clicked(which);
}

void DBNavigator::act(Button which)
{
    DataSet *ds = m_link->dataSet();
    if (!ds)
        return;
    switch (which) {
    case Button::Delete:
        if (!msg::confirmDelete())
            return;
        if (ds->state() == DataSetState::Insert)
            ds->cancel();  // the new record was never stored
        else
            ds->deleteRecord();
        return;
    case Button::Cancel:
        ds->cancel();
        return;
    default:
        break;
    }
    // Everything else stores what the bound controls hold first.
    ds->updateRecord();
    switch (which) {
    case Button::First: ds->first(); break;
    case Button::Prior: ds->prior(); break;
    case Button::Next: ds->next(); break;
    case Button::Last: ds->last(); break;
    case Button::Insert: ds->insert(); break;
    case Button::Edit: ds->edit(); break;
    case Button::Post: ds->post(); break;
    case Button::Refresh: ds->refresh(); break;
    default: break;
    }
}

void DBNavigator::updateButtons()
{
    const DataSet *ds = m_link->dataSet();
    const bool active = ds && ds->active();
    const bool editing = m_link->editing();
    const bool canModify = active && ds->canModify();
    const bool atFirst = !active || ds->isFirstRecord();
    const bool atLast = !active || ds->isLastRecord();
    const bool empty = !active || (ds->isEmpty() && ds->state() != DataSetState::Insert);

    button(Button::First)->setEnabled(active && !atFirst);
    button(Button::Prior)->setEnabled(active && !atFirst);
    button(Button::Next)->setEnabled(active && !atLast);
    button(Button::Last)->setEnabled(active && !atLast);
    button(Button::Insert)->setEnabled(canModify);
    button(Button::Delete)->setEnabled(canModify && !empty);
    button(Button::Edit)->setEnabled(canModify && !editing);
    button(Button::Post)->setEnabled(canModify && editing);
    button(Button::Cancel)->setEnabled(canModify && editing);
    button(Button::Refresh)->setEnabled(canModify);
}
