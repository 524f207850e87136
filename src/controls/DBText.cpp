#include "controls/DBText.h"

#include "controls/DataLink.h"
#include "data/Field.h"

DBText::DBText(QWidget *parent) : QLabel(parent), FieldBinding(this)
{
    setTextFormat(Qt::PlainText);
    connect(m_link, &DataLink::dataChanged, this, &DBText::showField);
}

DBText::~DBText() = default;


void DBText::showField()
{
    Field *f = m_link->field();
    setText(f ? f->displayText() : QString());
}
