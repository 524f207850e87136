#include "controls/DBMemo.h"

#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "data/DataSet.h"
#include "data/Field.h"

DBMemo::DBMemo(QWidget *parent) : QPlainTextEdit(parent), FieldBinding(this)
{
    connect(m_link, &DataLink::dataChanged, this, &DBMemo::showField);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_showing)
            guard([this] { userEdited(); });
    });
    showField();
}

DBMemo::~DBMemo() = default;


void DBMemo::setReadOnly(bool on)
{
    m_readOnly = on;
    showField();
}

void DBMemo::showField()
{
    if (m_writing)
        return;
    Field *f = m_link->field();
    QPlainTextEdit::setReadOnly(m_readOnly || !f || (m_writesBack && !m_link->canModify()));
    const QString shown = f ? f->asString() : QString();
    if (toPlainText() != shown) {
        m_showing = true;
        setPlainText(shown);
        m_showing = false;
    }
}

void DBMemo::userEdited()
{
    Field *f = m_link->field();
    if (!f || !m_writesBack)
        return;
    m_writing = true;
    try {
        m_link->beginEdit();
        f->setAsString(toPlainText());
    } catch (...) {
        m_writing = false;
        showField();
        throw;
    }
    m_writing = false;
}
