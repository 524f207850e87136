#pragma once
// Where the tests of the two item windows start: a fresh database with a few
// goods, the administrator logged in and the new-invoice window open on its
// first number, "000001".
#include "AccessFixture.h"

#include <QList>
#include <QString>
#include <QStringList>

class ItemFixture {
public:
    // The goods list; codes chosen so that the shop-code order (the table's
    // own) and the maker's-code order differ.
    struct Goods {
        QString kodeKervano, kodeBarang, nama, part, group, harga;
    };
    static const QList<Goods> &goods();

    void start();
    void stop();
    TempDatabase &db() { return m_access.db(); }

    // Every stored line (all invoices), each as its eight fields' text from
    // ID_Nota to Jumlah, in the order stored.
    static QList<QStringList> storedLines();

private:
    AccessFixture m_access;
};
