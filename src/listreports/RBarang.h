#pragma once
// The goods list report (FRBarang): every goods record as a block with its
// picture, numbered, then the number of goods.
#include "reports/ReportModel.h"

class Table;

// "Laporan Daftar Barang" over `goods` (Barang in its default order), the
// driving table.
ReportDefinition goodsListReport(Table &goods);
