#pragma once
// The sales recap window "Laporan Penjualan": a range of days and a grouping
// (per day, month, goods or customer), the figures in a grid with the total
// and the number of invoices under it, a bar chart beside it, the printed
// report through the preview and the table as a CSV file. The figures come
// from sales::SalesRecap; the window only shows them.
#include "app/Windows.h"
#include "controls/Form.h"
#include "reports/ReportModel.h"
#include "shop/SalesRecap.h"

#include <optional>

class QButtonGroup;
class QChartView;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TFLaporanPenjualan : public TForm {
    Q_OBJECT
public:
    explicit TFLaporanPenjualan(QWidget *parent = nullptr);
    ~TFLaporanPenjualan() override;

    QLabel *Label1;               // "Dari Tanggal :"
    QDateEdit *DateTimePicker1;   // first day of the range
    QLabel *Label2;               // "Sampai Tanggal :"
    QDateEdit *DateTimePicker2;   // last day of the range
    QGroupBox *RadioGroup1;       // the grouping
    QRadioButton *RadioButton1;   // "Per Hari"
    QRadioButton *RadioButton2;   // "Per Bulan"
    QRadioButton *RadioButton3;   // "Per Barang"
    QRadioButton *RadioButton4;   // "Per Pelanggan"
    QButtonGroup *Grouping1;
    QPushButton *BitBtn1;         // "Tampilkan"
    QLabel *Label3;               // "Rekap Penjualan :"
    QTableWidget *StringGrid1;    // the figures, read-only
    QLabel *Label4;               // "Jumlah Nota :"
    QLabel *Label5;               // number of invoices
    QLabel *Label6;               // "Total :"
    QLabel *Label7;               // the total
    QChartView *Chart1;           // the bars
    QLabel *Label8;               // in the chart's place: no sales in the range
    QPushButton *BitBtn2;         // "Cetak"
    QPushButton *BitBtn3;         // "Simpan CSV"
    QPushButton *BitBtn4;         // "Tutup"

    ReportDefinition report;      // "Laporan Penjualan", made from the recap shown

    // The recap shown, if any.
    const std::optional<sales::SalesRecap> &recap() const { return m_recap; }
    sales::Grouping grouping() const;

    void FormShow() override;
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showRecap();
    void showChart();

    std::optional<sales::SalesRecap> m_recap;
};
