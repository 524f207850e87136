#include "core/TextCut.h"

namespace textcut {
QString cutToWidth(const QString &text, int width)
{
    if (width < 0 || text.size() <= width)
        return text;
    // A high surrogate followed by its low one is one character; a lone
    // surrogate counts as a character of its own and never takes its
    // neighbour along.
    qsizetype units = 0;
    for (int chars = 0; chars < width && units < text.size(); ++chars) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() && text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.left(units);
}
} // namespace textcut
