#include "shop/InvoiceNumber.h"

namespace invoicenumber {
namespace {
constexpr int kWidth = 6;

QStringView significant(const QString &number)
{
    qsizetype zeros = 0;
    while (zeros < number.size() - 1 && number.at(zeros) == QLatin1Char('0'))
        ++zeros;
    return QStringView(number).mid(zeros);
}
} // namespace

QString after(const QString &largest)
{
    QString digits = largest.isEmpty() ? QStringLiteral("0") : significant(largest).toString();
    qsizetype i = digits.size() - 1;
    while (i >= 0 && digits.at(i) == QLatin1Char('9'))
        digits[i--] = QLatin1Char('0');
    if (i < 0)
        digits.prepend(QLatin1Char('1'));
    else
        digits[i] = QChar(digits.at(i).unicode() + 1);
    if (digits.size() < kWidth)
        digits.prepend(QString(kWidth - digits.size(), QLatin1Char('0')));
    return digits;
}

} // namespace invoicenumber
