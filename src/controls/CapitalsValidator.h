#pragma once
// Turns every letter typed or pasted into a line edit into a capital as it is
// typed: set it as the edit's validator. QLineEdit takes the changed text
// back from validate().
#include <QValidator>

class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)  // one for one, so the cursor stays in place
            c = c.toUpper();
        return Acceptable;
    }
};
