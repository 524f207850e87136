#include "controls/DBEdit.h"

#include "controls/DataLink.h"
#include "controls/Guard.h"
#include "core/Errors.h"
#include "data/DataSet.h"
#include "data/Field.h"

#include <QKeyEvent>
#include <QValidator>

namespace {
// Turns every letter of what is typed or pasted into a capital. QLineEdit
// takes the changed text back from validate().
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)  // one for one, so the cursor stays in place
            c = c.toUpper();
        return Acceptable;
    }
};
} // namespace

DBEdit::DBEdit(QWidget *parent) : QLineEdit(parent), FieldBinding(this)
{
    connect(m_link, &DataLink::dataChanged, this, &DBEdit::showField);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) { guard([&] { userEdited(text); }); });
    connect(this, &QLineEdit::editingFinished, this, [this] { guard([this] { leaveEdit(); }); });
    m_link->setUpdateData([this] { writePending(true); });
    showField();
}

DBEdit::~DBEdit() = default;


void DBEdit::setCapitals(bool on)
{
    m_capitals = on;
    setValidator(on ? new CapitalsValidator(this) : nullptr);
}

void DBEdit::setReadOnly(bool on)
{
    m_readOnly = on;
    showField();
}

void DBEdit::showField()
{
    if (m_writing)
        return;
    Field *f = m_link->field();
    const bool typable = f && m_link->canModify() && f->kind() != FieldKind::AutoInc
                         && f->kind() != FieldKind::Graphic;
    QLineEdit::setReadOnly(m_readOnly || !typable);
    setMaxLength(f && f->kind() == FieldKind::Text && f->size() > 0 ? f->size() : 32767);
    const QString shown = f ? f->asString() : QString();
    if (text() != shown) {
        // Shown as stored: capitals apply to typing only.
        const QValidator *capitals = validator();
        setValidator(nullptr);
        setText(shown);
        setValidator(capitals);
    }
    m_pending = false;
}

void DBEdit::userEdited(const QString &)
{
    if (!m_link->field())
        return;
    m_pending = true;
    try {
        m_writing = true;
        m_link->beginEdit();
        m_writing = false;
    } catch (...) {
        m_writing = false;
        showField();
        throw;
    }
    writePending(false);
}

void DBEdit::writePending(bool reportErrors)
{
    Field *f = m_link->field();
    if (!f || !m_pending)
        return;
    m_writing = true;
    try {
        f->setAsString(text());
        m_pending = false;
    } catch (const EConvertError &) {
        m_writing = false;
        if (reportErrors) {
            setFocus();
            throw;
        }
        return;
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void DBEdit::leaveEdit() { writePending(true); }

void DBEdit::keyPressEvent(QKeyEvent *event)
{
    // Escape gives back the value the record holds and drops the typing that
    // was not written yet.
    if (event->key() == Qt::Key_Escape && m_pending) {
        m_pending = false;
        showField();
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
