#pragma once
// The preview's progress text: shown when the percentage has grown by at
// least five since it was last shown, and empty at 0 and at 100.
#include <QString>

class ProgressSteps {
public:
    static constexpr int kStep = 5;

    // Takes the latest percentage; true when the text changes.
    bool update(int percent);
    QString text() const { return m_text; }
    void reset();

private:
    int m_shown = 0;
    QString m_text;
};
