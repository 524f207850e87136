#include "controls/DBGrid.h"

#include "controls/DBGridModel.h"
#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "data/DataSet.h"
#include "data/Field.h"
#include "data/FieldText.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

// The in-place editor: a line edit whose typing goes into the record at once.
class DBGridDelegate : public QStyledItemDelegate {
public:
    explicit DBGridDelegate(DBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        const Field *f = m_grid->m_model->fieldAt(index.column());
        if (f && f->kind() == FieldKind::Text && f->size() > 0)
            edit->setMaxLength(f->size());
        const QPersistentModelIndex at(index);
        DBGrid *grid = m_grid;
        QObject::connect(edit, &QLineEdit::textEdited, grid,
                         [grid, at](const QString &text) { grid->cellEdited(at, text); });
        grid->m_openEditor = edit;
        grid->m_editorIndex = index;
        grid->m_editorPending = false;
        return edit;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *edit = static_cast<QLineEdit *>(editor);
        if (edit->isModified())  // the user's own text stays while typed
            return;
        const QString value = index.data(Qt::EditRole).toString();
        if (edit->text() != value)
            edit->setText(value);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        Q_UNUSED(model);
        auto *edit = static_cast<QLineEdit *>(editor);
        if (edit->isModified())  // opened and left without typing writes nothing
            m_grid->commitEditor(index, edit->text());
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Delete && (key->modifiers() & Qt::ControlModifier)) {
                guard([this] { m_grid->deleteRow(); });
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DBGrid *m_grid;
};

DBGrid::DBGrid(QWidget *parent) : QTableView(parent), m_model(new DBGridModel(this))
{
    setModel(m_model);
    setItemDelegate(new DBGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    // The selected row stays shown when the grid has no focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);

    connect(m_model, &DBGridModel::currentRowChanged, this, &DBGrid::followDataSet);
    // A reset is always followed by currentRowChanged: until then the grid
    // does not act on its own selection.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QWidget *focus = QApplication::focusWidget();
        m_focusBeforeReset = focus && (focus == this || isAncestorOf(focus));
        m_columnBeforeReset = currentIndex().isValid() ? currentIndex().column() : 0;
        m_resetting = true;
    });
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::setColumnWidths);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column < m_model->columnCount() && !m_widthSignature.isEmpty())
            m_columnWidths[m_model->fieldAt(column)->name()] = width;
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit cellClick(index.column());
    });
    m_model->link()->setUpdateData([this] { flushEditor(); });
    applyEditTriggers();
}

DBGrid::~DBGrid() = default;

DataSource *DBGrid::dataSource() const { return m_model->link()->dataSource(); }
void DBGrid::setDataSource(DataSource *source) { m_model->setDataSource(source); }

void DBGrid::setReadOnly(bool on)
{
    m_readOnly = on;
    m_model->setReadOnly(on);
    applyEditTriggers();
}

void DBGrid::setRowSelect(bool on)
{
    m_rowSelect = on;
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    followDataSet(m_model->currentRow());
}

void DBGrid::setFieldNames(const QStringList &names) { m_model->setFieldNames(names); }
void DBGrid::setColumnVisible(const QString &fieldName, bool visible) { m_model->setColumnVisible(fieldName, visible); }
void DBGrid::setColumnTitle(const QString &fieldName, const QString &title) { m_model->setColumnTitle(fieldName, title); }

QString DBGrid::cellText(int row, int column) const { return m_model->index(row, column).data().toString(); }

QString DBGrid::columnTitle(int column) const { return m_model->headerData(column, Qt::Horizontal).toString(); }

void DBGrid::applyEditTriggers()
{
    setEditTriggers(m_readOnly ? QAbstractItemView::NoEditTriggers
                               : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                                     | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

bool DBGrid::editable() const { return !m_readOnly && m_model->link()->canModify(); }

namespace {
// The widest value a shop plausibly shows in a numeric column: money up to a
// billion rupiah, counts and discounts up to six digits.
QVariant widestValue(const Field &f)
{
    switch (f.kind()) {
    case FieldKind::Float:
        return f.displayFormat().isEmpty() ? QVariant(999999.0) : QVariant(999999999.0);
    case FieldKind::Integer:
    case FieldKind::AutoInc:
        return QVariant(9999999);
    default:
        return {};
    }
}
} // namespace

int DBGrid::availableWidth() const
{
    // Known before the grid is first shown, when the viewport has no size yet.
    int width = this->width() - 2 * frameWidth();
    if (!verticalHeader()->isHidden())
        width -= qMax(verticalHeader()->sizeHint().width(), verticalHeader()->minimumSectionSize());
    if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return width;
}

void DBGrid::setColumnWidths()
{
    // Widths follow the fields, set once for each set of columns so that what
    // the user resized stays, also while the data set is closed.
    if (m_model->columnCount() == 0)
        return;
    QStringList signature;
    for (int c = 0; c < m_model->columnCount(); ++c)
        signature << m_model->fieldAt(c)->name();
    if (signature == m_widthSignature) {
        // The same columns again (the data set reopened): as they were left.
        for (int c = 0; c < m_model->columnCount(); ++c)
            if (const auto width = m_columnWidths.constFind(signature.at(c)); width != m_columnWidths.cend())
                setColumnWidth(c, *width);
        return;
    }
    m_widthSignature = signature;
    const int charWidth = fontMetrics().averageCharWidth();
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 10;
    const int count = m_model->columnCount();
    // A number or date column's least width is its width: only texts shrink.
    QList<int> widths(count), least(count);
    for (int c = 0; c < count; ++c) {
        const Field *f = m_model->fieldAt(c);
        const int title = horizontalHeader()->fontMetrics().horizontalAdvance(columnTitle(c)) + padding;
        const QVariant widest = widestValue(*f);
        if (widest.isValid()) {
            // Numbers are never cut.
            const int value = fontMetrics().horizontalAdvance(fieldtext::displayText(f->def(), widest, true));
            widths[c] = least[c] = qMax(title, value + padding);
            continue;
        }
        if (f->kind() == FieldKind::Date) {
            widths[c] = least[c] = qMax(title, 12 * charWidth + 10);
            continue;
        }
        const int chars = f->kind() == FieldKind::Text ? qBound(4, f->size(), 30) : 10;
        widths[c] = qMax(title, chars * charWidth + 10);
        least[c] = qMax(title, 4 * charWidth + 10);
    }
    // Every column in view at the grid's size: texts give up width, in
    // proportion to what each has above its least.
    int total = 0, spare = 0;
    for (int c = 0; c < count; ++c) {
        total += widths[c];
        spare += widths[c] - least[c];
    }
    const int excess = total - availableWidth();
    if (excess > 0 && spare > 0) {
        const double keep = qMax(0.0, 1.0 - double(excess) / spare);
        for (int c = 0; c < count; ++c)
            widths[c] = least[c] + int((widths[c] - least[c]) * keep);
    }
    for (int c = 0; c < count; ++c)
        setColumnWidth(c, widths[c]);
}

void DBGrid::followDataSet(int row)
{
    m_syncing = true;
    if (m_resetting) {
        m_resetting = false;
        // The reset took away an open editor; the keyboard stays with the grid.
        if (m_focusBeforeReset && !hasFocus())
            setFocus();
        m_focusBeforeReset = false;
    }
    if (row < 0) {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    } else if (m_model->columnCount() > 0) {
        m_model->fetchTo(row);
        // A reset (a post, an append) keeps the column the user was in.
        const int column = currentIndex().isValid() ? currentIndex().column() : m_columnBeforeReset;
        const QModelIndex target = m_model->index(row, qMin(column, m_model->columnCount() - 1));
        if (currentIndex() != target || !selectionModel()->isSelected(target)) {
            QItemSelectionModel::SelectionFlags how = QItemSelectionModel::ClearAndSelect;
            if (m_rowSelect)
                how |= QItemSelectionModel::Rows;
            selectionModel()->setCurrentIndex(target, how);
        }
        scrollTo(target);
    }
    m_syncing = false;
}

void DBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);  // commits an open editor
    const bool refused = std::exchange(m_writeFailed, false);
    if (m_syncing || m_resetting || !current.isValid() || current.row() == m_model->currentRow())
        return;
    if (!refused) {
        guard([&] {
            DataSet *ds = m_model->dataSet();
            if (!ds)
                return;
            ds->updateRecord();
            // Rows after a record being inserted are stored rows one further on.
            int recNo = current.row() + 1;
            if (ds->state() == DataSetState::Insert && current.row() > ds->currentRow())
                --recNo;
            ds->setRecNo(recNo);  // posts a changed record first
        });
    }
    // A refused post or move leaves the dataset where it was; so does the grid.
    if (m_model->currentRow() != current.row())
        followDataSet(m_model->currentRow());
}

void DBGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_openEditor) {
        m_openEditor = nullptr;
        m_editorPending = false;
    }
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache && editable())
        guard([this] { cancelRow(); });
}

void DBGrid::cellEdited(const QModelIndex &index, const QString &text)
{
    if (!index.isValid() || index.row() != m_model->currentRow())
        return;
    guard([&] { m_editorPending = !m_model->writeCurrent(index.column(), text, false); });
}

void DBGrid::commitEditor(const QModelIndex &index, const QString &text)
{
    if (!index.isValid() || index.row() != m_model->currentRow())
        return;
    bool written = false;
    guard([&] { written = m_model->writeCurrent(index.column(), text, true); });
    if (written) {
        m_editorPending = false;
        return;
    }
    // Refused (reported already): the row stays where it is and its editor
    // comes back with the text, as it was typed.
    m_writeFailed = true;
    const QPersistentModelIndex at(index);
    QMetaObject::invokeMethod(
        this,
        [this, at, text] {
            m_writeFailed = false;
            if (!at.isValid() || at.row() != m_model->currentRow() || !m_model->link()->editing())
                return;
            setCurrentIndex(at);
            setFocus();
            edit(at);
            if (m_openEditor) {
                m_openEditor->setText(text);
                m_openEditor->setModified(true);
                m_editorPending = true;
            }
        },
        Qt::QueuedConnection);
}

void DBGrid::flushEditor()
{
    if (!m_openEditor || !m_editorPending)
        return;
    m_model->writeCurrent(m_editorIndex.column(), m_openEditor->text(), true);
    m_editorPending = false;
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (editable()) {
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            guard([this] { insertRow(); });
            return;
        }
        if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier
            && m_model->currentRow() == m_model->rowCount() - 1 && !m_model->canFetchMore(QModelIndex())) {
            guard([this] { appendPastEnd(); });
            return;
        }
        if (event->key() == Qt::Key_Delete && ctrl) {
            guard([this] { deleteRow(); });
            return;
        }
        if (event->key() == Qt::Key_Escape && m_model->link()->editing()) {
            guard([this] { cancelRow(); });
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void DBGrid::insertRow()
{
    DataSet *ds = m_model->dataSet();
    if (!ds)
        return;
    ds->updateRecord();
    ds->insert();
}

void DBGrid::appendPastEnd()
{
    DataSet *ds = m_model->dataSet();
    if (!ds || (ds->state() == DataSetState::Insert && !ds->modified()))
        return;  // the new empty row is already there
    ds->updateRecord();
    ds->next();  // posts a changed record, drops an unchanged edit
    if (ds->isLastRecord())
        ds->append();
}

void DBGrid::cancelRow()
{
    DataSet *ds = m_model->dataSet();
    if (ds && (ds->state() == DataSetState::Edit || ds->state() == DataSetState::Insert))
        ds->cancel();
}

void DBGrid::deleteRow()
{
    DataSet *ds = m_model->dataSet();
    if (!ds || !editable() || (ds->state() != DataSetState::Insert && ds->isEmpty()))
        return;
    if (!msg::confirmDelete())
        return;
    if (ds->state() == DataSetState::Insert)
        ds->cancel();  // the new row was never stored
    else
        ds->deleteRecord();
}
