#pragma once
// The goods list report: every goods record as a block with its picture,
// numbered, then the number of goods; over a goods table of its own.
#include "app/Windows.h"
#include "controls/Form.h"
#include "reports/ReportModel.h"

class Table;

class TFRBarang : public TForm {
    Q_OBJECT
public:
    explicit TFRBarang(QWidget *parent = nullptr);

    Table *Table1;             // Barang, in its default order: the driving table
    ReportDefinition report;   // "Laporan Daftar Barang"

    // Opens the report's own table and shows the list report in a
    // non-modal preview; returns when the preview window closes. The table
    // stays open: a later request finds it open.
    void Preview();
};
