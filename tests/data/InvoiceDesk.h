#pragma once
// One desk storing new invoices through the engine the way the new-invoice
// window must when several desks store at once:
//   1. the number is the last one in number order plus one, six digits;
//   2. the header is posted first, with a total of 0: a stored header owns
//      its number. When the post is refused as a duplicate, another desk
//      took the number meanwhile: the next one is picked and tried;
//   3. only then are the lines posted under the number this desk owns;
//   4. last, the header's total is set to the sum of its lines.
// So no line is ever stored under a number another desk owns. A desk that
// stops half way leaves its own header with a total short of its lines, as
// the window does while an invoice is being filled in.
// A write refused because other desks held the database for longer than the
// engine waits stored nothing: the desk writes it again, as a user told to
// try again would.
#include "data/Table.h"

#include <QList>
#include <QString>
#include <functional>

struct InvoiceLine {
    QString goodsCode;
    qint64 price = 0;         // a multiple of 100, so that every amount is whole
    int count = 0;
    int discountPercent = 0;

    // What the line is worth: price times count less the discount.
    qint64 amount() const;
};

class InvoiceDesk {
public:
    // Opens the invoice tables of the database `alias` names; `deskName` is
    // stored as the customer of every header and the shop code of every
    // line, so that a check can tell which desk stored what.
    InvoiceDesk(const QString &alias, QString deskName);

    // Stores one invoice and returns its number.
    QString store(const QList<InvoiceLine> &lines);

    // Numbers this desk picked and found taken by another desk.
    int numbersTakenMeanwhile() const { return m_taken; }
    // Writes refused as busy and made again.
    int busyRefusals() const { return m_busy; }

    // Called with the picked number just before it is reserved; a test lets
    // another desk act there.
    std::function<void(const QString &number)> beforeReserving;

private:
    QString nextNumber();
    // Posts the header with a total of 0; false when the number is taken.
    bool reserve(const QString &number);
    void storeLine(const QString &number, const InvoiceLine &line);
    void setTotal(const QString &number, qint64 total);
    void whenNotBusy(const std::function<void()> &write);

    QString m_deskName;
    Table m_headers;
    Table m_lines;
    int m_taken = 0;
    int m_busy = 0;
};
