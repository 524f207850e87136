// The toolkit's own texts the program shows (standard buttons, file, print
// and page dialogs, edit menus) are Indonesian once the program has started.
#include "TestMain.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
QString standardButton(QMessageBox::StandardButton which)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"), which);
    return box.button(which)->text();
}

QString boxButton(QDialogButtonBox::StandardButton which)
{
    QDialogButtonBox box(which);
    return box.button(which)->text();
}

QString fileDialogLabel(QFileDialog::AcceptMode mode, QFileDialog::DialogLabel label)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    return dialog.labelText(label);
}

QStringList editMenu(QWidget *box)
{
    QMenu *menu = nullptr;
    if (auto *line = qobject_cast<QLineEdit *>(box))
        menu = line->createStandardContextMenu();
    else
        menu = qobject_cast<QPlainTextEdit *>(box)->createStandardContextMenu();
    QStringList texts;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().section(QLatin1Char('\t'), 0, 0);
    delete menu;
    return texts;
}
} // namespace

class TestToolkitTexts : public QObject {
    Q_OBJECT
private slots:
    void shownTexts_data();
    void shownTexts();
    void editMenus();
    void dialogTitles();
};

void TestToolkitTexts::shownTexts_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("message box Yes") << standardButton(QMessageBox::Yes) << "&Ya";
    QTest::newRow("message box No") << standardButton(QMessageBox::No) << "&Tidak";
    QTest::newRow("message box OK") << standardButton(QMessageBox::Ok) << "OK";
    QTest::newRow("message box Cancel") << standardButton(QMessageBox::Cancel) << "Batal";
    QTest::newRow("message box Save") << standardButton(QMessageBox::Save) << "Simpan";
    QTest::newRow("message box Close") << standardButton(QMessageBox::Close) << "Tutup";
    QTest::newRow("message box Discard") << standardButton(QMessageBox::Discard) << "Buang";
    QTest::newRow("message box Retry") << standardButton(QMessageBox::Retry) << "Coba Lagi";
    QTest::newRow("button box Cancel") << boxButton(QDialogButtonBox::Cancel) << "Batal";
    QTest::newRow("button box Open") << boxButton(QDialogButtonBox::Open) << "Buka";
    QTest::newRow("button box Help") << boxButton(QDialogButtonBox::Help) << "Bantuan";
    using FD = QFileDialog;
    QTest::newRow("file dialog Look in") << fileDialogLabel(FD::AcceptOpen, FD::LookIn) << "Cari di:";
    QTest::newRow("file dialog File name") << fileDialogLabel(FD::AcceptOpen, FD::FileName) << "&Nama berkas:";
    QTest::newRow("file dialog Files of type") << fileDialogLabel(FD::AcceptOpen, FD::FileType) << "Jenis berkas:";
    QTest::newRow("file dialog Open") << fileDialogLabel(FD::AcceptOpen, FD::Accept) << "&Buka";
    QTest::newRow("file dialog Save") << fileDialogLabel(FD::AcceptSave, FD::Accept) << "&Simpan";
    QTest::newRow("file dialog Cancel") << fileDialogLabel(FD::AcceptOpen, FD::Reject) << "Batal";
}

void TestToolkitTexts::shownTexts()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void TestToolkitTexts::editMenus()
{
    const QStringList expected{"&Batalkan", "&Ulangi", "Po&tong", "&Salin", "&Tempel", "Hapus", "Pilih Semua"};
    QLineEdit line;
    QCOMPARE(editMenu(&line), expected);
    QPlainTextEdit memo;
    QCOMPARE(editMenu(&memo), expected);
}

void TestToolkitTexts::dialogTitles()
{
    QPrinter printer;
    QPrintDialog print(&printer);
    QCOMPARE(print.windowTitle(), QStringLiteral("Cetak"));
    QPageSetupDialog page(&printer);
    QCOMPARE(page.windowTitle(), QStringLiteral("Pengaturan Halaman"));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QVERIFY(files.findChild<QDialogButtonBox *>());
    for (QAbstractButton *b : files.findChild<QDialogButtonBox *>()->buttons())
        QVERIFY2(b->text() == QStringLiteral("&Buka") || b->text() == QStringLiteral("Batal"), qPrintable(b->text()));
}

NOTA_TEST_MAIN(TestToolkitTexts)
#include "test_toolkit_texts.moc"
