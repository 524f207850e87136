#pragma once
// The customer list report: every customer as a block of labelled values,
// then the number of customers; over a customer table of its own.
#include "app/Windows.h"
#include "controls/Form.h"
#include "reports/ReportModel.h"

class Table;

class TFRPelanggan : public TForm {
    Q_OBJECT
public:
    explicit TFRPelanggan(QWidget *parent = nullptr);

    Table *Table1;             // Pelanggan, in its default order: the driving table
    ReportDefinition report;   // "Laporan Daftar Pelanggan"

    // Opens the report's own table and shows the list report in a
    // non-modal preview; returns when the preview window closes. The table
    // stays open: a later request finds it open.
    void Preview();
};
