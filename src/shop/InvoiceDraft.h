#pragma once
// The invoice being written at a desk: its number (proposed after the largest
// stored one), its lines (stored in Nota as they are added), its total (the
// sum of the amounts of the lines stored under the number), its customer, and
// storing its header. Several desks may write invoices at once: a number
// another desk began or stored meanwhile is never shared; this invoice's own
// lines move to the next free number with its header instead.
//
// The new-invoice window and its item and customer windows show this state
// and call these operations; they read nothing of each other.
#include "core/NumberText.h"
#include "shop/InvoiceLine.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

class Table;

class InvoiceDraft : public QObject {
    Q_OBJECT
public:
    explicit InvoiceDraft(QObject *parent = nullptr);
    ~InvoiceDraft() override;

    Table &headers() const { return *m_headers; }      // NotaUtama, by No_Nota
    Table &lines() const { return *m_lines; }          // Nota, filtered to the number
    Table &customers() const { return *m_customers; }  // Pelanggan, by Nama: open only while looked in

    // A new invoice: opens the headers, proposes the number after the largest
    // stored one and shows the lines already under it. Returns how many there
    // are: lines without a header, left by an invoice never stored (a crash,
    // a window closed) or another desk's invoice in the making. The caller
    // asks the person whether to discardLines() or adoptLines().
    int start();
    // Closes the tables; the invoice is forgotten (its lines stay stored).
    void finish();

    QString number() const { return m_number; }
    // A number typed in place of the proposal, before the first line.
    void setNumber(const QString &number);
    bool numberFixed() const { return m_fixed; }
    bool isStored() const { return m_stored; }
    // A line was added or continued with, and the header is not stored yet.
    bool canStore() const { return m_fixed && m_hasBegun && !m_stored; }

    enum class NumberCheck {
        Free,         // fixed now: lines may be added under it
        Missing,      // no number typed
        Used,         // a stored invoice has it
        TakenMeanwhile,  // another desk began it since it was proposed: number() is the next free one
    };
    // The check before the first line: the number is fixed when free.
    NumberCheck fixNumber();
    QString replacedNumber() const { return m_replaced; }  // after TakenMeanwhile

    // The lines found under the number at start become this invoice's own
    // (the number is fixed with them), or are deleted.
    void adoptLines();
    void discardLines();
    // Lines of this invoice stored under its number while its header is not.
    int unstoredLines() const;

    // The message that refuses the line (empty when it passes); see invoiceline::refusal.
    static QString lineRefusal(const InvoiceLine &line) { return invoiceline::refusal(line); }
    // Stores the line under the fixed number and returns its amount. A line
    // the engine refuses is not left half made; the total is read again from
    // what is stored in every case.
    Money addLine(const InvoiceLine &line);
    // Deletes the line the line table stands on.
    void deleteCurrentLine();
    // The sum of the amounts of the lines stored under the number.
    Money total() const { return m_total; }

    void setCustomer(const QString &name, const QString &address);
    QString customerName() const { return m_customerName; }
    QString customerAddress() const { return m_customerAddress; }
    // The address of the customer of exactly this name; false when none has it.
    bool lookUpAddress(const QString &name, QString &address);

    // Stores the header (date, customer, address, total). When another desk
    // stored the number first, or stored lines under it too, `moveTo` is
    // asked (with the reason and the next free number in its text); yes moves
    // this invoice's lines and stores the header under the new number, all
    // or nothing. False when nothing was stored.
    bool store(const QDate &date, const std::function<bool(const QString &question)> &moveTo);

signals:
    void changed();          // number, lines, total or state
    void customerChanged();  // set by another window than the one typing

private:
    void showLinesOf(const QString &number);
    void showLines();        // of the number, with the total read again
    QList<QVariant> linesShown();
    QString largestNumber();
    QString nextFreeNumber();
    bool hasLines(const QString &number);
    void postHeader(const QDate &date);
    void moveOwnLines(const QString &to);

    Table *m_headers;
    Table *m_lines;
    Table *m_customers;
    QString m_number;
    QString m_proposed;        // the number proposed when started
    int m_linesAtProposal = 0; // lines already under it then
    QString m_replaced;
    bool m_fixed = false;
    bool m_stored = false;
    bool m_hasBegun = false;
    Money m_total = 0;
    QString m_customerName;
    QString m_customerAddress;
    // This invoice's lines: those under its number when it was fixed (or
    // adopted), and those stored since.
    QList<QVariant> m_ownLines;
};
