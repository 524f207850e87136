#pragma once
#include "controls/FieldBinding.h"
// A one-line edit bound to a field of a data source's current record. It shows
// the field as text and follows the current record; typing puts the record
// into edit state and writes the text into the record buffer at once, so a
// post or a move right after typing stores it. Text that does not convert yet
// (a number being typed) is written as soon as it converts; if it still does
// not when the edit is left or the navigator acts, the conversion error is
// reported and the record stays in edit state.
#include <QLineEdit>

class DataSource;
class Field;

class DBEdit : public QLineEdit, public FieldBinding {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    ~DBEdit() override;


    // Capitals: every letter typed (or pasted) becomes a capital as it is typed.
    // Values shown from the record stay as stored.
    bool capitals() const { return m_capitals; }
    void setCapitals(bool on);

    // Read-only by choice; the edit is read-only anyway while the dataset is
    // closed or cannot be changed.
    bool isReadOnlyByChoice() const { return m_readOnly; }
    void setReadOnly(bool on);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showField();
    void userEdited(const QString &text);
    void writePending(bool reportErrors);
    void leaveEdit();

    bool m_capitals = false;
    bool m_readOnly = false;
    bool m_writing = false;  // our own write is under way: ignore the echo
    bool m_pending = false;  // typed text not yet in the record buffer
};
