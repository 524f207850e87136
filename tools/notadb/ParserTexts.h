#pragma once
// The command-line parser's own texts (usage line, headings, the help and
// version options, its refusals) in Indonesian, like everything else notadb
// says. Installed before the parser is set up; the parser asks for its texts
// when it adds an option and when it writes the help or an error.
#include <QTranslator>

namespace notadb {
class ParserTexts : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
} // namespace notadb
