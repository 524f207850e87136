#pragma once
#include "controls/FieldBinding.h"
// A one-line edit bound to a field of a data source's current record. It shows
// the field as text and follows the current record; typing puts the record
// into edit state and writes the text into the record buffer at once, so a
// post or a move right after typing stores it. Text that does not convert yet
// (a number being typed) is written as soon as it converts.
//
// Text that still does not convert cannot be left behind: Return, leaving
// the edit (Tab, a click into another control), closing its window, or any
// post or record move of its dataset reports the conversion error once and
// is refused. The edit keeps its text and the keyboard, the record stays in
// edit state where it is, and a click that tried to take the keyboard away
// does nothing more.
#include <QLineEdit>
#include <QPointer>

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
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showField();
    void userEdited(const QString &text);
    void writePending(bool reportErrors);
    bool leaveEdit();
    void watchWindowClose();

    bool m_capitals = false;
    bool m_readOnly = false;
    bool m_writing = false;  // our own write is under way: ignore the echo
    bool m_pending = false;  // typed text not yet in the record buffer
    QPointer<QWidget> m_watchedWindow;  // its closing is refused while the text does not convert
};
