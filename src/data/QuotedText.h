#pragma once
// Quoted texts of the filter and query languages: the quote character
// opens and closes the text, and two of it stand for one.
#include <QString>

namespace quotedtext {
// Reads the quoted text whose opening quote is at `at`; moves `at` past the
// closing quote. False (with `at` at the end) when no quote closes it.
bool read(const QString &text, int &at, QChar quote, QString *value);
} // namespace quotedtext
