#include "controls/MessageBoxes.h"

#include "controls/Application.h"

namespace msg {

MsgAnswer show(const QString &text, const QString &caption, MsgKind kind)
{
    return ui().message(MessageRecord{text, caption, kind});
}

void exclamation(const QString &text, const QString &caption) { show(text, caption, MsgKind::Exclamation); }

bool question(const QString &text, const QString &caption)
{
    return show(text, caption, MsgKind::Question) == MsgAnswer::Ok;
}

bool yesNo(const QString &text, const QString &caption)
{
    return show(text, caption, MsgKind::YesNo) == MsgAnswer::Yes;
}

MsgAnswer yesNoCancel(const QString &text, const QString &caption)
{
    return show(text, caption, MsgKind::YesNoCancel);
}

void information(const QString &text, const QString &caption) { show(text, caption, MsgKind::Information); }

bool confirmDelete()
{
    return show(QStringLiteral("Delete record?"), QStringLiteral("Confirm"), MsgKind::Confirm) == MsgAnswer::Ok;
}

QString withFullStop(const QString &text)
{
    if (!text.isEmpty() && text.back().unicode() > u'.')
        return text + QLatin1Char('.');
    return text;
}

void errorDialog(const QString &text)
{
    show(withFullStop(text), NotaApplication::title(), MsgKind::Error);
}

} // namespace msg
