#include "access/Pass.h"

#include "access/AccountMessages.h"
#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "shop/Session.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace accessui;

namespace {

} // namespace

TFPass::TFPass(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FPass"));
    setCaption(QStringLiteral("Ganti Password"));
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(393, kChangingHeight - kFrameHeight);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);

    const int upperHeight = kConfirmingHeight - kFrameHeight;
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 393, upperHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = picture(Panel1, QStringLiteral("Image1"), QStringLiteral(":/access/key.svg"), QRect(14, 14, 49, 41));
    Label1 = label(Panel1, QStringLiteral("Label1"), QStringLiteral("User Name :"), QRect(80, 14, 95, 21));
    Label2 = label(Panel1, QStringLiteral("Label2"), QStringLiteral("Password :"), QRect(80, 42, 95, 21));
    Edit1 = edit(Panel1, QStringLiteral("Edit1"), QRect(180, 14, 198, 21));
    Edit2 = edit(Panel1, QStringLiteral("Edit2"), QRect(180, 42, 198, 21));
    BitBtn1 = bitButton(Panel1, QStringLiteral("BitBtn1"), QStringLiteral("Konfirmasi"),
                        standardIcon(QStyle::SP_DialogOkButton), QRect(278, 75, 100, 27));
    BitBtn1->setDefault(true);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, upperHeight, 393, height() - upperHeight);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label3 = label(Panel2, QStringLiteral("Label3"), QStringLiteral("User Name Baru :"), QRect(16, 14, 160, 21));
    Label4 = label(Panel2, QStringLiteral("Label4"), QStringLiteral("Ulangi User Name Baru :"), QRect(16, 42, 160, 21));
    Label5 = label(Panel2, QStringLiteral("Label5"), QStringLiteral("Password Baru :"), QRect(16, 70, 160, 21));
    Label6 = label(Panel2, QStringLiteral("Label6"), QStringLiteral("Ulangi Password Baru :"), QRect(16, 98, 160, 21));
    Edit3 = edit(Panel2, QStringLiteral("Edit3"), QRect(180, 14, 198, 21));
    Edit4 = edit(Panel2, QStringLiteral("Edit4"), QRect(180, 42, 198, 21));
    Edit5 = edit(Panel2, QStringLiteral("Edit5"), QRect(180, 70, 198, 21));
    Edit6 = edit(Panel2, QStringLiteral("Edit6"), QRect(180, 98, 198, 21));
    BitBtn2 = bitButton(Panel2, QStringLiteral("BitBtn2"), QStringLiteral("Ganti"),
                        QIcon(pixmap(QStringLiteral(":/access/doublecheck.svg"), QSize(18, 18))),
                        QRect(180, 134, 96, 27));
    BitBtn3 = bitButton(Panel2, QStringLiteral("BitBtn3"), QStringLiteral("Batal"),
                        standardIcon(QStyle::SP_DialogCancelButton), QRect(282, 134, 96, 27));

    for (QLineEdit *e : {Edit2, Edit5, Edit6}) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);
    Label4->setBuddy(Edit4);
    Label5->setBuddy(Edit5);
    Label6->setBuddy(Edit6);
    // What fits the account's fields whole, so what is stored is what was typed.
    for (QLineEdit *e : {Edit1, Edit3, Edit4})
        e->setMaxLength(accounts::nameWidth());
    for (QLineEdit *e : {Edit2, Edit5, Edit6})
        e->setMaxLength(accounts::kPasswordLength);

    QWidget *tabOrder[] = {Edit1, Edit2, BitBtn1, Edit3, Edit4, Edit5, Edit6, BitBtn2, BitBtn3};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(BitBtn1, &QPushButton::clicked, this, &TFPass::BitBtn1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFPass::BitBtn2Click);
    onEvent(BitBtn3, &QPushButton::clicked, this, &TFPass::BitBtn3Click);
    // "Konfirmasi" is the default button, "Batal" the cancel button.
    dialogkeys::install(this, BitBtn1, BitBtn3);

    showLowerPanel(false);
    setOuterHeight(kConfirmingHeight);
}

bool TFPass::confirming() const { return !Panel2->isEnabled(); }

// The lower panel is out of reach (mouse and keyboard) unless revealed.
void TFPass::showLowerPanel(bool shown)
{
    Panel2->setEnabled(shown);
    Panel2->setVisible(shown);
}

void TFPass::FormShow()
{
    showLowerPanel(false);
    setOuterHeight(kConfirmingHeight);
    Edit1->clear();
    Edit2->clear();
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    BitBtn1->setEnabled(true);
    Edit1->setFocus();
}

void TFPass::FormClose()
{
    for (QLineEdit *e : {Edit3, Edit4, Edit5, Edit6})
        e->clear();
}

// Confirmation: the logged-in account's own name and password only.
void TFPass::BitBtn1Click()
{
    if (Edit1->text().isEmpty() && Edit2->text().isEmpty())
        return;
    Session &session = currentSession();
    if (const qint64 waitMs = session.waitBeforeNextTry(); waitMs > 0) {
        msg::exclamation(accountmsg::tooSoon(waitMs), msg::kErrorCaption);
        return;
    }
    switch (session.confirm(Edit1->text(), Edit2->text())) {
    case Session::Outcome::Done:
        Edit1->setEnabled(false);
        Edit2->setEnabled(false);
        BitBtn1->setEnabled(false);
        showLowerPanel(true);
        setOuterHeight(kChangingHeight);
        Edit3->setFocus();
        return;
    case Session::Outcome::AccountGone:
        accountGone();
        return;
    default:
        Edit1->clear();
        Edit2->clear();
        msg::exclamation(QStringLiteral("UserName atau Password Salah!"), msg::kErrorCaption);
        Edit1->setFocus();
    }
}

// Change: the checks in order, then the new name and password through the session.
void TFPass::BitBtn2Click()
{
    if (Edit3->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom UserName Baru Masih Kosong!"), msg::kErrorCaption);
        return;
    }
    if (Edit4->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom Ulangi UserName Baru Masih Kosong!"), msg::kErrorCaption);
        return;
    }
    if (Edit5->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom Password Baru Masih Kosong!"), msg::kErrorCaption);
        return;
    }
    if (Edit6->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Kolom Ulangi Password Baru Masih Kosong!"), msg::kErrorCaption);
        return;
    }
    if (Edit3->text() != Edit4->text() || Edit5->text() != Edit6->text()) {
        msg::exclamation(QStringLiteral("Pengisian Kolom Salah!"), msg::kErrorCaption);
        for (QLineEdit *e : {Edit3, Edit4, Edit5, Edit6})
            e->clear();
        return;
    }
    switch (currentSession().change(Edit4->text(), Edit6->text())) {
    case Session::Outcome::Done:
        break;
    case Session::Outcome::AccountGone:
        accountGone();
        return;
    default:  // not confirmed (any more): back to the first stage
        FormShow();
        return;
    }
    msg::information(QStringLiteral("Username Dan Password Diubah!"), QStringLiteral("Ganti Password"));
    Close();
}

// The account was renamed or deleted at another desk: said plainly, nothing changed.
void TFPass::accountGone()
{
    msg::exclamation(accountmsg::gone(currentSession().userName()), msg::kErrorCaption);
    Close();
}

void TFPass::BitBtn3Click() { Close(); }

// Escape leaves the window in either stage: "Batal" takes it once in reach
// (the window's dialog keys), the window itself while confirming.
void TFPass::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Close();
        return;
    }
    TForm::keyPressEvent(event);
}
