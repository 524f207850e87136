#include "controls/DBLookupComboBox.h"

#include "controls/DBGridModel.h"
#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QKeyEvent>
#include <QListView>
#include <utility>

DBLookupComboBox::DBLookupComboBox(QWidget *parent) : QComboBox(parent), m_model(new DBGridModel(this))
{
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_model->setReadOnly(true);
    setModel(m_model);
    // Rows are one line each: the list lays out a hundred thousand of them
    // without asking every one for its size.
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setUniformItemSizes(true);
    // The model has re-read itself before these run.
    connect(m_model->link(), &DataLink::activeChanged, this, [this] { guard([this] { onActiveChanged(); }); });
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBLookupComboBox::showKey);
    // Rows re-read or put in another order: the picked row may sit elsewhere.
    connect(m_model->link(), &DataLink::rowsChanged, this, &DBLookupComboBox::showKey);
    connect(this, &QComboBox::activated, this, [this](int row) { guard([&] { pick(row); }); });
}

DBLookupComboBox::~DBLookupComboBox() = default;

DataSource *DBLookupComboBox::listSource() const { return m_model->link()->dataSource(); }
void DBLookupComboBox::setListSource(DataSource *source) { m_model->setDataSource(source); }

void DBLookupComboBox::setKeyField(const QString &fieldName)
{
    m_keyField = fieldName;
    applyFields();
}

void DBLookupComboBox::setListField(const QString &fieldName)
{
    m_listField = fieldName;
    applyFields();
}

void DBLookupComboBox::applyFields()
{
    const QString shown = m_listField.isEmpty() ? m_keyField : m_listField;
    m_model->setFieldNames(shown.isEmpty() ? QStringList() : QStringList{shown});
    setModelColumn(0);
}

QString DBLookupComboBox::keyName() const { return m_keyField.isEmpty() ? m_listField : m_keyField; }

void DBLookupComboBox::pick(int row)
{
    DataSet *ds = m_model->dataSet();
    if (!ds || !ds->active() || row < 0 || row >= m_model->rowCount())
        return;
    Field *key = ds->findField(keyName());
    if (!key)
        return;
    m_keyValue = m_model->text(row, key, false);
    m_hasKey = true;
    ds->updateRecord();
    ds->locate(key->name(), m_keyValue);  // the first record with that key
    showKey();
}

int DBLookupComboBox::rowOfKey() const
{
    // After a pick or a reopening the current record carries the key; otherwise
    // look among the rows read so far.
    const DataSet *ds = m_model->dataSet();
    Field *key = ds && ds->active() ? ds->findField(keyName()) : nullptr;
    if (!m_hasKey || !key)
        return -1;
    const int current = m_model->currentRow();
    if (current >= 0 && key->asString() == m_keyValue)
        return current;
    for (int r = 0; r < m_model->fetchedRowCount(); ++r) {
        if (m_model->text(r, key, false) == m_keyValue)
            return r;
    }
    return -1;
}

void DBLookupComboBox::onActiveChanged()
{
    // Opened again: go back to the record picked last, if its key is still there.
    DataSet *ds = m_model->dataSet();
    if (m_hasKey && ds && ds->active() && ds->findField(keyName()) && ds->locate(keyName(), m_keyValue))
        showKey();
}

void DBLookupComboBox::showKey()
{
    const int row = rowOfKey();
    if (row >= 0)
        m_model->fetchTo(row);
    if (currentIndex() != row)
        setCurrentIndex(row);
}

void DBLookupComboBox::showPopup()
{
    // Also an empty list, which does not open, closes up again.
    m_droppedDown = true;
    m_closedByEscape = false;
    view()->installEventFilter(this);  // Qt keeps one filter however often installed
    QComboBox::showPopup();
}

bool DBLookupComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
        m_closedByEscape = true;
    return QComboBox::eventFilter(watched, event);
}

void DBLookupComboBox::hidePopup()
{
    // The combo box hides its list whenever it is hidden itself, dropped or not.
    const bool droppedDown = std::exchange(m_droppedDown, false);
    QComboBox::hidePopup();
    if (!droppedDown)
        return;
    // A pick made in the list is handled when the list has closed; the
    // close-up follows it.
    QMetaObject::invokeMethod(this, [this] { emit closeUp(); }, Qt::QueuedConnection);
}
