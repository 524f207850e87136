#include "controls/MessageBoxes.h"

#include "controls/Application.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

class DialogPresenter : public MessagePresenter {
public:
    MsgAnswer present(const MessageRecord &box) override
    {
        QMessageBox dialog(QApplication::activeWindow());
        dialog.setWindowTitle(box.caption);
        dialog.setText(box.text);
        dialog.setWindowModality(Qt::ApplicationModal);
        QPushButton *ok = nullptr;
        QPushButton *cancel = nullptr;
        switch (box.kind) {
        case MsgKind::Exclamation:
            dialog.setIcon(QMessageBox::Warning);
            ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MsgKind::Information:
            dialog.setIcon(QMessageBox::Information);
            ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MsgKind::Error:
            dialog.setIcon(QMessageBox::Critical);
            ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            break;
        case MsgKind::Question:
        case MsgKind::Confirm:
            dialog.setIcon(QMessageBox::Question);
            ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = dialog.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
            break;
        }
        dialog.setDefaultButton(ok);
        if (cancel)
            dialog.setEscapeButton(cancel);
        else
            dialog.setEscapeButton(ok);
        dialog.exec();
        return dialog.clickedButton() == ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
};

MessagePresenter *&activePresenter()
{
    static MessagePresenter *presenter = nullptr;
    return presenter;
}

} // namespace

namespace msg {

MsgAnswer show(const QString &text, const QString &caption, MsgKind kind)
{
    const MessageRecord box{text, caption, kind};
    if (MessagePresenter *p = activePresenter())
        return p->present(box);
    DialogPresenter dialogs;
    return dialogs.present(box);
}

void exclamation(const QString &text, const QString &caption) { show(text, caption, MsgKind::Exclamation); }

bool question(const QString &text, const QString &caption)
{
    return show(text, caption, MsgKind::Question) == MsgAnswer::Ok;
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

void setPresenter(MessagePresenter *presenter) { activePresenter() = presenter; }

} // namespace msg
