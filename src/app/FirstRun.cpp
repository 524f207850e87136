#include "app/FirstRun.h"

#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "core/Errors.h"
#include "data/Connection.h"
#include "data/Database.h"
#include "data/Provision.h"
#include "sampleshop/SampleShop.h"
#include "shop/Accounts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace accessui;

namespace {
const QString kCaption = QStringLiteral("Database Baru");

} // namespace

TFFirstRun::TFFirstRun(QWidget *parent) : TForm(parent), m_file(database::aliasPath(QStringLiteral("KV")))
{
    setObjectName(QStringLiteral("FFirstRun"));
    setCaption(kCaption);
    setBorder(BorderStyle::Single, SystemMenu);
    setClientSize(417, 236);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 8);

    Panel1 = panel(this, QStringLiteral("Panel1"), QRect(0, 0, 417, 62), kLightGreen);
    Label1 = label(Panel1, QStringLiteral("Label1"), QStringLiteral("Sistem Nota belum mempunyai database. Buat sekarang?"),
                   QRect(10, 8, 397, 18));
    applyFont(Label1, QStringLiteral("Tahoma"), 8, true);
    Label2 = label(Panel1, QStringLiteral("Label2"), QFileInfo(m_file).absoluteFilePath(), QRect(10, 28, 397, 30));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Image1 = picture(this, QStringLiteral("Image1"), QStringLiteral(":/access/key.svg"), QRect(20, 76, 49, 41));
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("User Name :"), QRect(84, 76, 110, 21));
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Password :"), QRect(84, 104, 110, 21));
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Ulangi Password :"), QRect(84, 132, 110, 21));
    for (QLabel *l : {Label3, Label4, Label5})
        applyFont(l, QStringLiteral("Tahoma"), 8, true);
    Edit1 = edit(this, QStringLiteral("Edit1"), QRect(200, 76, 198, 21));
    Edit2 = edit(this, QStringLiteral("Edit2"), QRect(200, 104, 198, 21));
    Edit3 = edit(this, QStringLiteral("Edit3"), QRect(200, 132, 198, 21));
    // What the account keeps whole and the login window takes.
    Edit1->setMaxLength(accounts::nameWidth());
    for (QLineEdit *e : {Edit2, Edit3}) {
        e->setMaxLength(accounts::kPasswordLength);
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    Label3->setBuddy(Edit1);
    Label4->setBuddy(Edit2);
    Label5->setBuddy(Edit3);

    CheckBox1 = new QCheckBox(QStringLiteral("Isi dengan data toko contoh"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(84, 164, 320, 21);

    BitBtn1 = bitButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Buat"),
                        standardIcon(QStyle::SP_DialogOkButton), QRect(200, 198, 96, 27));
    BitBtn2 = bitButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Batal"),
                        standardIcon(QStyle::SP_DialogCancelButton), QRect(302, 198, 96, 27));
    BitBtn1->setDefault(true);

    QWidget *tabOrder[] = {Edit1, Edit2, Edit3, CheckBox1, BitBtn1, BitBtn2};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    onEvent(BitBtn1, &QPushButton::clicked, this, &TFFirstRun::BitBtn1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFFirstRun::BitBtn2Click);
    dialogkeys::install(this, BitBtn1, BitBtn2);
}

void TFFirstRun::FormShow() { Edit1->setFocus(); }

void TFFirstRun::BitBtn1Click()
{
    // The name is compared exactly at login: blanks around it are not kept.
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty()) {
        msg::exclamation(QStringLiteral("User Name tidak boleh kosong!"), msg::kErrorCaption);
        Edit1->setFocus();
        return;
    }
    if (Edit2->text().isEmpty()) {
        msg::exclamation(QStringLiteral("Password tidak boleh kosong!"), msg::kErrorCaption);
        Edit2->setFocus();
        return;
    }
    if (Edit2->text() != Edit3->text()) {
        msg::exclamation(QStringLiteral("Password dan ulangan password tidak sama!"), msg::kErrorCaption);
        Edit2->clear();
        Edit3->clear();
        Edit2->setFocus();
        return;
    }
    try {
        provision::createDatabase(m_file, name, Edit2->text());
    } catch (const EError &e) {
        msg::exclamation(QStringLiteral("Database tidak dapat dibuat: %1").arg(e.message()), msg::kErrorCaption);
        return;
    }
    m_created = true;
    Edit2->clear();
    Edit3->clear();
    try {
        if (CheckBox1->isChecked())
            sampleshop::fill();  // the database the alias names, just created
        msg::information(QStringLiteral("Database dibuat. Silakan login sebagai %1.").arg(name), kCaption);
    } catch (const EError &e) {
        msg::exclamation(QStringLiteral("Database dibuat, tetapi data contoh tidak dapat diisi: %1").arg(e.message()), msg::kErrorCaption);
    }
    Close();
}

void TFFirstRun::BitBtn2Click() { Close(); }

namespace firstrun {
bool ensureDatabase()
{
    const QString file = database::aliasPath(QStringLiteral("KV"));
    // A server database is its administrator's to create; when it is missing
    // the first table opened says so.
    if (file.isEmpty() || connection::isServer(file) || QFileInfo::exists(file))
        return true;
    TFFirstRun window;
    window.ShowModal();
    return window.created();
}
} // namespace firstrun
