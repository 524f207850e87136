#pragma once
// A grid over a data source's dataset: one column per shown field, titled
// with the field's title and showing its display format (memo and picture
// columns show "(MEMO)"/"(Memo)" and "(GRAPHIC)"/"(Graphic)"). Rows are read
// on demand. The selected row is the dataset's current record both ways: the
// grid follows the dataset, and choosing a row moves the dataset (posting a
// changed record first).
//
// Editable (not read-only, on a dataset that can be changed): typing into a
// cell edits the current row (the record goes into edit state and the text is
// written at once); Insert inserts an empty row at the current one; moving
// down past the last row appends an empty row; Escape drops the current row's
// changes; Ctrl+Delete deletes the current row after the "Delete record?"
// question.
#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

class DBGridModel;
class DataSource;
class Field;
class QLineEdit;

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget *parent = nullptr);
    ~DBGrid() override;

    DataSource *dataSource() const;
    void setDataSource(DataSource *source);
    DBGridModel *gridModel() const { return m_model; }

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool on);
    // Whole-row selection (the read-only lists) or one cell at a time.
    bool rowSelect() const { return m_rowSelect; }
    void setRowSelect(bool on);

    // Only these fields, in this order; empty: every field of the dataset.
    void setFieldNames(const QStringList &names);
    void setColumnVisible(const QString &fieldName, bool visible);
    void setColumnTitle(const QString &fieldName, const QString &title);

    // What a cell shows, for callers that read the grid.
    QString cellText(int row, int column) const;
    QString columnTitle(int column) const;

signals:
    // A click on a data cell; the clicked row is already the current record.
    void cellClick(int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class DBGridDelegate;
    void followDataSet(int row);
    void applyEditTriggers();
    void setColumnWidths();
    int availableWidth() const;
    bool editable() const;
    void cellEdited(const QModelIndex &index, const QString &text);
    void commitEditor(const QModelIndex &index, const QString &text);
    void flushEditor();
    // Keyboard actions of the editable grid.
    void insertRow();
    void appendPastEnd();
    void cancelRow();
    void deleteRow();

    DBGridModel *m_model;
    bool m_readOnly = false;
    bool m_rowSelect = false;
    bool m_syncing = false;     // the grid itself moves its selection
    bool m_writeFailed = false;     // the editor's text was refused; the row stays
    bool m_focusBeforeReset = false;
    int m_columnBeforeReset = 0;
    bool m_resetting = false;       // between a model reset and the row it ends on
    QPointer<QLineEdit> m_openEditor;
    QPersistentModelIndex m_editorIndex;
    bool m_editorPending = false;  // typed text the record buffer does not hold yet
    QStringList m_widthSignature;
    QHash<QString, int> m_columnWidths;  // by field name, as last set or resized
};
