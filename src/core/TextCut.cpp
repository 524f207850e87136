#include "core/TextCut.h"

namespace textcut {
QString cutToWidth(const QString &text, int width)
{
    if (width < 0 || text.size() <= width)
        return text;
    int units = 0;
    for (int chars = 0; chars < width && units < text.size(); ++chars)
        units += (text[units].isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return text.left(units);
}
} // namespace textcut
