#include "controls/DBGridModel.h"

#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"

namespace {
bool isNumeric(FieldKind kind)
{
    return kind == FieldKind::Float || kind == FieldKind::Integer || kind == FieldKind::AutoInc;
}

bool isTypable(FieldKind kind)
{
    return kind != FieldKind::AutoInc && kind != FieldKind::Graphic && kind != FieldKind::Memo;
}
} // namespace

DBGridModel::DBGridModel(QObject *parent) : QAbstractTableModel(parent), m_link(new DataLink(this))
{
    connect(m_link, &DataLink::activeChanged, this, [this] { resync(true); });
    connect(m_link, &DataLink::stateChanged, this, [this] { resync(false); });
    connect(m_link, &DataLink::recordChanged, this, [this] { resync(false); });
    connect(m_link, &DataLink::rowsChanged, this, [this] { resync(false); });
    connect(m_link, &DataLink::fieldChanged, this, [this] {
        if (m_current >= 0 && m_current < m_fetched && !m_columns.isEmpty())
            emit dataChanged(index(m_current, 0), index(m_current, int(m_columns.size()) - 1));
    });
}

DBGridModel::~DBGridModel() = default;

DataSet *DBGridModel::dataSet() const { return m_link->dataSet(); }

void DBGridModel::setDataSource(DataSource *source) { m_link->setDataSource(source); }

void DBGridModel::setFieldNames(const QStringList &names)
{
    m_fieldNames = names;
    resync(true);
}

void DBGridModel::setColumnVisible(const QString &fieldName, bool visible)
{
    m_visible.insert(fieldName.toLower(), visible);
    resync(true);
}

void DBGridModel::setColumnTitle(const QString &fieldName, const QString &title)
{
    m_titles.insert(fieldName.toLower(), title);
    const int column = columnOf(fieldName);
    if (column >= 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

void DBGridModel::setReadOnly(bool on)
{
    m_readOnly = on;
    if (m_fetched > 0 && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(m_fetched - 1, int(m_columns.size()) - 1));
}

Field *DBGridModel::fieldAt(int column) const { return m_columns.value(column, nullptr); }

int DBGridModel::columnOf(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i]->name().compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void DBGridModel::rebuildColumns()
{
    m_columns.clear();
    const DataSet *ds = dataSet();
    if (!ds || !ds->active())
        return;
    QList<Field *> candidates;
    if (m_fieldNames.isEmpty()) {
        candidates = ds->fields();
    } else {
        for (const QString &name : std::as_const(m_fieldNames)) {
            if (Field *f = ds->findField(name))
                candidates.append(f);
        }
    }
    for (Field *f : std::as_const(candidates)) {
        if (m_visible.value(f->name().toLower(), f->visible()))
            m_columns.append(f);
    }
}

void DBGridModel::resync(bool rebuild)
{
    const DataSet *ds = dataSet();
    if (!ds || !ds->active()) {
        if (m_fetched > 0 || !m_columns.isEmpty() || m_count > 0) {
            beginResetModel();
            m_columns.clear();
            m_count = m_fetched = 0;
            m_current = -1;
            endResetModel();
        }
        m_current = -1;
        emit currentRowChanged(-1);
        return;
    }
    const int count = ds->rowCount();
    const int current = ds->currentRow();
    if (rebuild || count != m_count) {
        beginResetModel();
        rebuildColumns();
        const int keep = rebuild ? 0 : m_fetched;
        m_count = count;
        m_fetched = qMin(count, qMax(qMax(keep, kBatch), current + 1));
        m_current = current;
        endResetModel();
    } else {
        const int previous = m_current;
        m_current = current;
        if (current >= m_fetched)
            fetchTo(current);
        if (m_fetched > 0 && !m_columns.isEmpty())
            emit dataChanged(index(0, 0), index(m_fetched - 1, int(m_columns.size()) - 1));
        if (previous >= 0 && previous < m_fetched)
            emit headerDataChanged(Qt::Vertical, previous, previous);
        if (current >= 0)
            emit headerDataChanged(Qt::Vertical, current, current);
    }
    emit currentRowChanged(m_current);
}

void DBGridModel::fetchTo(int row)
{
    row = qMin(row, m_count - 1);
    if (row < m_fetched)
        return;
    beginInsertRows(QModelIndex(), m_fetched, row);
    m_fetched = row + 1;
    endInsertRows();
}

QString DBGridModel::text(int row, Field *field, bool display) const
{
    const DataSet *ds = dataSet();
    if (!field || !ds || row < 0 || row >= m_count)
        return {};
    return display ? ds->displayTextAt(row, field->index()) : ds->textAt(row, field->index());
}

bool DBGridModel::writeCurrent(int column, const QString &text, bool reportErrors)
{
    Field *f = fieldAt(column);
    if (!f || m_current < 0)
        return false;
    try {
        m_link->beginEdit();
        f->setAsString(text);
    } catch (const EConvertError &) {
        if (reportErrors)
            throw;
        return false;
    }
    return true;
}

int DBGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_fetched; }

int DBGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DBGridModel::data(const QModelIndex &index, int role) const
{
    Field *f = fieldAt(index.column());
    if (!f || index.row() >= m_fetched)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), f, true);
    case Qt::EditRole:
        return text(index.row(), f, false);
    case Qt::TextAlignmentRole:
        return isNumeric(f->kind()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal) {
        Field *f = fieldAt(section);
        if (!f)
            return {};
        const auto title = m_titles.constFind(f->name().toLower());
        return title != m_titles.constEnd() ? *title : f->displayLabel();
    }
    // Row indicator: the current row shows the dataset's state.
    if (section != m_current)
        return QString();
    const DataSet *ds = dataSet();
    switch (ds ? ds->state() : DataSetState::Inactive) {
    case DataSetState::Edit:
        return QStringLiteral("I");
    case DataSetState::Insert:
        return QStringLiteral("*");
    default:
        return QStringLiteral("\u25B6");
    }
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    Field *f = fieldAt(index.column());
    if (f && !m_readOnly && m_link->canModify() && isTypable(f->kind()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DBGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.row() != m_current)
        return false;
    bool written = false;
    guard([&] { written = writeCurrent(index.column(), value.toString(), true); });
    return written;
}

bool DBGridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_fetched < m_count;
}

void DBGridModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_fetched >= m_count)
        return;
    const int n = qMin(kBatch, m_count - m_fetched);
    beginInsertRows(QModelIndex(), m_fetched, m_fetched + n - 1);
    m_fetched += n;
    endInsertRows();
}
