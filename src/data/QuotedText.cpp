#include "data/QuotedText.h"

namespace quotedtext {
bool read(const QString &text, int &at, QChar quote, QString *value)
{
    const int n = int(text.size());
    ++at;  // the opening quote
    while (at < n) {
        if (text[at] == quote) {
            if (at + 1 < n && text[at + 1] == quote) {
                *value += quote;
                at += 2;
                continue;
            }
            ++at;
            return true;
        }
        *value += text[at++];
    }
    return false;
}
} // namespace quotedtext
