#include "listreports/LaporanPenjualan.h"

#include "access/Widgets.h"
#include "controls/DialogKeys.h"
#include "controls/Guard.h"
#include "controls/MessageBoxes.h"
#include "core/Errors.h"
#include "listreports/SalesChart.h"
#include "listreports/SalesReport.h"
#include "reports/ReportPreview.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace accessui;

namespace {
constexpr int kWidth = 860;
constexpr int kHeight = 560;

QDateEdit *datePicker(QWidget *parent, const QString &name, const QRect &geometry, QLabel *caption)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setGeometry(geometry);
    picker->setCalendarPopup(true);
    picker->setLocale(QLocale::system());
    picker->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
    caption->setBuddy(picker);
    picker->setAccessibleName(caption->text());
    return picker;
}

QLabel *valueLabel(QWidget *parent, const QString &name, QLabel *caption, const QRect &geometry)
{
    QLabel *value = label(parent, name, QString(), geometry);
    applyFont(value, QStringLiteral("Tahoma"), 10, true);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setBuddy(value);
    return value;
}

bool isDark(const QPalette &palette) { return palette.color(QPalette::Window).lightness() < 128; }

// Maroon values as in the other windows; a light red on a dark desktop.
void colourValues(const QPalette &palette, std::initializer_list<QLabel *> values)
{
    for (QLabel *value : values)
        setTextColour(value, isDark(palette) ? QColor(0xff, 0x9a, 0x8a) : kMaroon);
}
} // namespace

TFLaporanPenjualan::TFLaporanPenjualan(QWidget *parent) : TForm(parent)
{
    setObjectName(QStringLiteral("FLaporanPenjualan"));
    setCaption(QStringLiteral("Laporan Penjualan"));
    setBorder(BorderStyle::Single, SystemMenu | Minimize);
    setClientSize(kWidth, kHeight);
    setPlacement(Placement::ScreenCenter);
    setFormFont(QStringLiteral("Tahoma"), 10);

    // The range and the grouping.
    Label1 = label(this, QStringLiteral("Label1"), QStringLiteral("Dari Tanggal :"), QRect(16, 16, 130, 24));
    DateTimePicker1 = datePicker(this, QStringLiteral("DateTimePicker1"), QRect(150, 16, 150, 26), Label1);
    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Sampai Tanggal :"), QRect(16, 50, 130, 24));
    DateTimePicker2 = datePicker(this, QStringLiteral("DateTimePicker2"), QRect(150, 50, 150, 26), Label2);
    for (QLabel *l : {Label1, Label2})
        applyFont(l, QStringLiteral("Tahoma"), 10, true);

    RadioGroup1 = new QGroupBox(QStringLiteral("Kelompok"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(320, 6, 390, 74);
    RadioGroup1->setAccessibleName(RadioGroup1->title());
    Grouping1 = new QButtonGroup(this);
    const struct {
        QRadioButton *&button;
        const char *name;
        const char *caption;
        sales::Grouping grouping;
        QPoint at;
    } choices[] = {
        {RadioButton1, "RadioButton1", "Per Hari", sales::Grouping::PerDay, {12, 22}},
        {RadioButton2, "RadioButton2", "Per Bulan", sales::Grouping::PerMonth, {12, 46}},
        {RadioButton3, "RadioButton3", "Per Barang", sales::Grouping::PerGoods, {190, 22}},
        {RadioButton4, "RadioButton4", "Per Pelanggan", sales::Grouping::PerCustomer, {190, 46}},
    };
    for (const auto &c : choices) {
        c.button = new QRadioButton(QString::fromLatin1(c.caption), RadioGroup1);
        c.button->setObjectName(QString::fromLatin1(c.name));
        c.button->setGeometry(QRect(c.at, QSize(170, 22)));
        Grouping1->addButton(c.button, int(c.grouping));
    }
    RadioButton1->setChecked(true);

    BitBtn1 = handButton(this, QStringLiteral("BitBtn1"), QStringLiteral("&Tampilkan"),
                         standardIcon(QStyle::SP_BrowserReload), QRect(726, 28, 120, 36));
    applyFont(BitBtn1, QStringLiteral("Tahoma"), 10, true);

    // The figures at the left, the chart at the right.
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Rekap Penjualan :"), QRect(8, 92, 300, 20));
    applyFont(Label3, QStringLiteral("Tahoma"), 10, true);
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(8, 114, 500, 340);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setAlternatingRowColors(true);
    StringGrid1->horizontalHeader()->setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    StringGrid1->setFont(QFont(QStringLiteral("Tahoma"), 9));
    StringGrid1->setWordWrap(false);
    Label3->setBuddy(StringGrid1);
    StringGrid1->setAccessibleName(Label3->text());

    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Jumlah Nota :"), QRect(8, 460, 120, 22));
    Label5 = valueLabel(this, QStringLiteral("Label5"), Label4, QRect(130, 460, 80, 22));
    Label6 = label(this, QStringLiteral("Label6"), QStringLiteral("Total :"), QRect(220, 460, 60, 22));
    Label7 = valueLabel(this, QStringLiteral("Label7"), Label6, QRect(280, 460, 228, 22));
    for (QLabel *l : {Label4, Label6}) {
        applyFont(l, QStringLiteral("Tahoma"), 10, true);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    colourValues(palette(), {Label5, Label7});

    Chart1 = new QChartView(this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(516, 92, 336, 390);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setAccessibleName(QStringLiteral("Grafik Penjualan"));
    Label8 = label(this, QStringLiteral("Label8"), QString(), QRect(516, 92, 336, 390));
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setWordWrap(true);
    applyFont(Label8, QStringLiteral("Tahoma"), 11, true);
    Label8->hide();

    BitBtn2 = handButton(this, QStringLiteral("BitBtn2"), QStringLiteral("&Cetak"), standardIcon(QStyle::SP_FileDialogDetailedView),
                         QRect(456, 508, 120, 36));
    BitBtn3 = handButton(this, QStringLiteral("BitBtn3"), QStringLiteral("&Simpan CSV"),
                         standardIcon(QStyle::SP_DialogSaveButton), QRect(584, 508, 140, 36));
    BitBtn4 = handButton(this, QStringLiteral("BitBtn4"), QStringLiteral("T&utup"), standardIcon(QStyle::SP_DialogCloseButton),
                         QRect(732, 508, 120, 36));
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);

    dialogkeys::install(this, BitBtn1, BitBtn4);
    setTabOrder(DateTimePicker1, DateTimePicker2);
    setTabOrder(DateTimePicker2, RadioButton1);
    setTabOrder(RadioButton4, BitBtn1);
    setTabOrder(BitBtn1, StringGrid1);

    onEvent(BitBtn1, &QPushButton::clicked, this, &TFLaporanPenjualan::BitBtn1Click);
    onEvent(BitBtn2, &QPushButton::clicked, this, &TFLaporanPenjualan::BitBtn2Click);
    onEvent(BitBtn3, &QPushButton::clicked, this, &TFLaporanPenjualan::BitBtn3Click);
    onEvent(BitBtn4, &QPushButton::clicked, this, &TFLaporanPenjualan::BitBtn4Click);
}

TFLaporanPenjualan::~TFLaporanPenjualan() = default;

sales::Grouping TFLaporanPenjualan::grouping() const { return sales::Grouping(Grouping1->checkedId()); }

// Each showing starts at this month so far, per day.
void TFLaporanPenjualan::FormShow()
{
    const QDate today = QDate::currentDate();
    DateTimePicker1->setDate(QDate(today.year(), today.month(), 1));
    DateTimePicker2->setDate(today);
    RadioButton1->setChecked(true);
    BitBtn1Click();
}

void TFLaporanPenjualan::BitBtn1Click()
{
    const QDate from = DateTimePicker1->date(), to = DateTimePicker2->date();
    const QString problem = sales::SalesRecap::rangeProblem(from, to, grouping());
    if (!problem.isEmpty()) {
        msg::exclamation(problem, msg::kErrorCaption);
        DateTimePicker1->setFocus();
        return;
    }
    m_recap.reset();
    showRecap();  // a failing read leaves nothing of the last recap shown
    m_recap = sales::SalesRecap::read(grouping(), from, to);
    showRecap();
}

void TFLaporanPenjualan::showRecap()
{
    StringGrid1->clear();
    StringGrid1->setRowCount(0);
    const bool shown = m_recap && !m_recap->isEmpty();
    BitBtn2->setEnabled(shown);
    BitBtn3->setEnabled(shown);
    if (!m_recap) {
        StringGrid1->setColumnCount(0);
        Label5->clear();
        Label7->clear();
        showChart();
        return;
    }
    const QStringList titles = m_recap->titles();
    const QList<bool> numeric = m_recap->numericColumns();
    StringGrid1->setColumnCount(int(titles.size()));
    StringGrid1->setHorizontalHeaderLabels(titles);
    StringGrid1->setRowCount(int(m_recap->rows().size()));
    for (int r = 0; r < m_recap->rows().size(); ++r) {
        const QStringList cells = m_recap->cells(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(Qt::AlignVCenter | (numeric.value(c) ? Qt::AlignRight : Qt::AlignLeft));
            StringGrid1->setItem(r, c, item);
        }
    }
    // The names take the room the numbers and codes leave.
    const int names = m_recap->grouping() == sales::Grouping::PerGoods ? 2 : 0;
    for (int c = 0; c < titles.size(); ++c)
        StringGrid1->horizontalHeader()->setSectionResizeMode(c, c == names ? QHeaderView::Stretch
                                                                             : QHeaderView::ResizeToContents);
    Label5->setText(QString::number(m_recap->invoices()));
    Label7->setText(m_recap->totalText());
    showChart();
}

// No sales: the words take the chart's place.
void TFLaporanPenjualan::showChart()
{
    QChart *old = Chart1->chart();
    const bool empty = !m_recap || m_recap->isEmpty();
    Chart1->setChart(empty ? new QChart : saleschart::build(*m_recap, isDark(palette())));
    delete old;
    Chart1->setVisible(!empty);
    Label8->setText(m_recap ? m_recap->emptyText() : QString());
    Label8->setVisible(m_recap && empty);
}

void TFLaporanPenjualan::changeEvent(QEvent *event)
{
    TForm::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        guard([this] {
            colourValues(palette(), {Label5, Label7});
            showChart();
        });
}

void TFLaporanPenjualan::BitBtn2Click()
{
    if (!m_recap || m_recap->isEmpty())
        return;
    report = ReportDefinition();
    salesreport::define(report, *m_recap);
    reports::preview(report);
}

void TFLaporanPenjualan::BitBtn3Click()
{
    if (!m_recap || m_recap->isEmpty())
        return;
    const QString suggestion = QStringLiteral("Laporan Penjualan %1 %2 s.d. %3.csv")
                                   .arg(m_recap->groupingText(), m_recap->from().toString(Qt::ISODate),
                                        m_recap->to().toString(Qt::ISODate));
    const QString file = ui().chooseFile({FileRequest::Mode::Save, QStringLiteral("Simpan CSV"), suggestion,
                                          QStringLiteral("File CSV (*.csv);;Semua file (*)"), QStringLiteral("csv")},
                                         this);
    if (file.isEmpty())
        return;
    try {
        m_recap->writeCsv(file);
    } catch (const EError &) {
        msg::exclamation(QStringLiteral("File %1 tidak dapat disimpan.").arg(file), msg::kErrorCaption);
        return;
    }
    msg::information(QStringLiteral("Laporan disimpan di %1.").arg(file), QStringLiteral("Informasi"));
}

void TFLaporanPenjualan::BitBtn4Click() { Close(); }
