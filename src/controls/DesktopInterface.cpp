#include "controls/DesktopInterface.h"

#include "controls/Form.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

MsgAnswer DesktopInterface::message(const MessageRecord &box)
{
    QMessageBox dialog(QApplication::activeWindow());
    dialog.setWindowTitle(box.caption);
    dialog.setText(box.text);
    dialog.setWindowModality(Qt::ApplicationModal);
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *no = nullptr;
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
    case MsgKind::YesNo:
    case MsgKind::YesNoCancel:
        dialog.setIcon(QMessageBox::Question);
        ok = dialog.addButton(QStringLiteral("Ya"), QMessageBox::YesRole);
        no = dialog.addButton(QStringLiteral("Tidak"), QMessageBox::NoRole);
        if (box.kind == MsgKind::YesNoCancel)
            cancel = dialog.addButton(QStringLiteral("Batal"), QMessageBox::RejectRole);
        break;
    }
    dialog.setDefaultButton(ok);
    dialog.setEscapeButton(cancel ? cancel : no ? no : ok);
    dialog.exec();
    const bool yesNo = no != nullptr;
    if (dialog.clickedButton() == ok)
        return yesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    if (yesNo && dialog.clickedButton() == no)
        return MsgAnswer::No;
    return MsgAnswer::Cancel;
}

void DesktopInterface::runUntilClosed(TForm &window, QEventLoop &loop)
{
    if (window.isVisible())
        loop.exec(window.isShowingModal() ? QEventLoop::DialogExec : QEventLoop::AllEvents);
}

QString DesktopInterface::askForFile(const FileRequest &request, QWidget *parent)
{
    // The toolkit's own dialog, which speaks the program's Indonesian; the
    // desktop's would follow the desktop's language.
    const auto options = QFileDialog::DontUseNativeDialog;
    if (request.mode == FileRequest::Mode::Save)
        return QFileDialog::getSaveFileName(parent, request.caption, request.suggestion, request.filter, nullptr, options);
    return QFileDialog::getOpenFileName(parent, request.caption, request.suggestion, request.filter, nullptr, options);
}

void DesktopInterface::wait(int ms, QObject *context, std::function<void()> then)
{
    QTimer::singleShot(ms, context, std::move(then));
}

void DesktopInterface::endProgram() { QCoreApplication::exit(0); }
