#pragma once
// The customer list report (FRPelanggan): every customer as a block of
// labelled values, then the number of customers.
#include "reports/ReportModel.h"

class Table;

// "Laporan Daftar Pelanggan" over `customers` (Pelanggan in its default
// order), the driving table.
ReportDefinition customerListReport(Table &customers);
