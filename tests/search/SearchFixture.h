#pragma once
// Goods and customers for the search windows, written straight into a fresh
// database (one account, the window set, logged in), and the steps a user
// takes in a search window.
#include "AccessFixture.h"

#include <QString>
#include <QStringList>

class DBGrid;
class SearchForm;

class SearchFixture : public AccessFixture {
public:
    // Database, windows and login.
    void start();

    // A goods record; an empty text is stored as no value.
    void addGoods(const QString &shopCode, const QString &makerCode, const QString &name, const QString &part = {},
                  const QString &group = {}, double price = 1000, bool picture = false);
    // A customer; numbers are given in the order of adding, from 1.
    void addCustomer(const QString &name, const QString &address = {}, const QString &town = {},
                     const QString &postcode = {}, const QString &phone1 = {}, const QString &phone2 = {},
                     const QString &fax = {}, const QString &email = {});

    // The sample goods and customers the scenarios search.
    void addSampleGoods();
    void addSampleCustomers();

    // Picks a combo box entry from its list, as a mouse does.
    static void chooseEntry(SearchForm &window, const QString &entry);
    // Types into the search box (with the box's own letter rule) and presses the search button.
    static void search(SearchForm &window, const QString &typed);
    // Clicks a data cell of the result grid.
    static void clickRow(SearchForm &window, int row, int column = 0);
    // The texts of one grid column, top to bottom.
    static QStringList gridColumn(const DBGrid &grid, int column);

    // A bitmap file's bytes, as a goods picture.
    static QByteArray bitmap();
};
