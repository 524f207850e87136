#pragma once
#include "controls/FieldBinding.h"
// A multi-line text bound to a field of a data source's current record (a
// memo or a text field). It follows the current record; typing puts the
// record into edit state and writes the text into the record buffer at once.
#include <QPlainTextEdit>

class DataSource;
class Field;

class DBMemo : public QPlainTextEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    ~DBMemo() override;


    QString text() const { return toPlainText(); }

    bool isReadOnlyByChoice() const { return m_readOnly; }
    void setReadOnly(bool on);
    // Off: the memo shows the field but typing stays in the memo; the record
    // is never changed (a copy to edit, e.g. an address for one invoice).
    void setWritesBack(bool on) { m_writesBack = on; }

private:
    void showField();
    void userEdited();

    bool m_readOnly = false;
    bool m_writesBack = true;
    bool m_showing = false;  // the text is being set from the record
    bool m_writing = false;  // our own write is under way: ignore the echo
};
