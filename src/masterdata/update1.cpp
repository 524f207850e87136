#include "masterdata/update1.h"

#include "access/Widgets.h"
#include "controls/DBLookupComboBox.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/Pictures.h"
#include "data/DataSource.h"
#include "data/Table.h"

#include <QLabel>
#include <QPushButton>

using namespace accessui;

namespace {
DBLookupComboBox *pickList(QWidget *parent, const QString &name, DataSource *source, const QString &key,
                           const QString &shown, const QString &caption)
{
    auto *list = new DBLookupComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(176, 14, 254, 23);
    list->setListSource(source);
    list->setKeyField(key);
    list->setListField(shown);
    list->setAccessibleName(caption);
    list->hide();
    return list;
}

QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &caption, const QString &picture,
                           const QRect &geometry)
{
    QPushButton *b = bitButton(parent, name, caption, pictures::icon(picture), geometry);
    b->setIconSize(QSize(18, 18));
    return b;
}
} // namespace

TFup1::TFup1(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("Fup1"));
    setCaption(QStringLiteral("Update"));
    setBorder(BorderStyle::Single, NoIcons);
    setClientSize(443, 88);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);
    // The window itself keeps the keyboard until the user picks a control.
    setFocusPolicy(Qt::ClickFocus);

    Table1 = accessui::table(this, QStringLiteral("Table1"), QStringLiteral("Group.db"));
    DataSource1 = new DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table1);
    Table2 = accessui::table(this, QStringLiteral("Table2"), QStringLiteral("Part.db"));
    DataSource2 = new DataSource(this);
    DataSource2->setObjectName(QStringLiteral("DataSource2"));
    DataSource2->setDataSet(Table2);

    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Update Dari List Group :"), QRect(12, 15, 160, 21));
    // The two lists share one place; the caller shows one of them.
    DBLookupComboBox1 = pickList(this, QStringLiteral("DBLookupComboBox1"), DataSource1, QStringLiteral("No"),
                                 QStringLiteral("Group"), QStringLiteral("Update Dari List Group :"));
    DBLookupComboBox2 = pickList(this, QStringLiteral("DBLookupComboBox2"), DataSource2, QStringLiteral("Part"),
                                 QStringLiteral("Part"), QStringLiteral("Update Dari List Part :"));

    // The two "OK" buttons share one place too; "Cancel" is always there.
    BitBtn1 = pictureButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK"), QStringLiteral(":/masterdata/doublecheck.svg"),
                            QRect(268, 52, 78, 27));
    BitBtn3 = pictureButton(this, QStringLiteral("BitBtn3"), QStringLiteral("OK"), QStringLiteral(":/masterdata/check.svg"),
                            QRect(268, 52, 78, 27));
    BitBtn2 = pictureButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Cancel"), QStringLiteral(":/masterdata/cross.svg"),
                            QRect(352, 52, 78, 27));
    BitBtn1->hide();
    BitBtn3->hide();
    BitBtn3->setDefault(true);

    QWidget *tabOrder[] = {DBLookupComboBox1, BitBtn1, BitBtn2, BitBtn3, DBLookupComboBox2};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(BitBtn1, &QPushButton::clicked, this, &TFup1::BitBtn1Click);
    onEvent(BitBtn3, &QPushButton::clicked, this, &TFup1::BitBtn3Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFup1::BitBtn2Click);
    // Enter presses the part kind's "OK" while it is shown; Escape does nothing.
    dialogkeys::install(this, BitBtn3, nullptr);
}

void TFup1::prepare(PickList list, Table &goods)
{
    m_goods = &goods;
    const bool group = list == PickList::Group;
    Label1->setText(group ? QStringLiteral("Update Dari List Group :") : QStringLiteral("Update Dari List Part :"));
    (group ? DBLookupComboBox1 : DBLookupComboBox2)->setVisible(true);
    (group ? BitBtn1 : BitBtn3)->setVisible(true);
    (group ? Table1 : Table2)->open();
}

void pickUpInto(Table &goods, PickList list)
{
    Fup1->prepare(list, goods);
    Fup1->ShowModal();
}

// No control is chosen for the keyboard: the window keeps it itself.
void TFup1::FormShow() { setFocus(Qt::OtherFocusReason); }

void TFup1::closeAfter(const std::function<void()> &action)
{
    guard(action);
    Close();
}

void TFup1::writeChoice(const QString &field, DBLookupComboBox *list, Table *table, QPushButton *ok)
{
    Table &goods = *m_goods;
    goods.edit();
    goods.fieldByName(field)->setAsString(list->text());
    goods.post();
    table->close();
    list->hide();
    ok->hide();
}

void TFup1::BitBtn1Click()
{
    closeAfter([this] { writeChoice(QStringLiteral("Group_Barang"), DBLookupComboBox1, Table1, BitBtn1); });
}

void TFup1::BitBtn3Click()
{
    closeAfter([this] { writeChoice(QStringLiteral("Part"), DBLookupComboBox2, Table2, BitBtn3); });
}

void TFup1::BitBtn2Click()
{
    closeAfter([this] {
        Table1->close();
        Table2->close();
        DBLookupComboBox1->hide();
        BitBtn1->hide();
        DBLookupComboBox2->hide();
        BitBtn3->hide();
    });
}
