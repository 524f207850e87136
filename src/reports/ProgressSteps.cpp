#include "reports/ProgressSteps.h"

bool ProgressSteps::update(int percent)
{
    QString text = m_text;
    if (percent <= 0 || percent >= 100) {
        m_shown = percent >= 100 ? 100 : 0;
        text.clear();
    } else if (percent - m_shown >= kStep) {
        m_shown = percent;
        text = QStringLiteral("%1%").arg(percent);
    }
    if (text == m_text)
        return false;
    m_text = text;
    return true;
}

void ProgressSteps::reset()
{
    m_shown = 0;
    m_text.clear();
}
