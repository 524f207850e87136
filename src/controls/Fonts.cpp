#include "controls/Fonts.h"

#include <QFont>
#include <QStringList>

namespace fonts {
void installSubstitutions()
{
    const struct {
        const char *family;
        QStringList faces;
    } table[] = {
        {"Arial", {"Liberation Sans", "DejaVu Sans"}},
        {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
        {"Tahoma", {"DejaVu Sans", "Liberation Sans"}},
        {"MS Sans Serif", {"DejaVu Sans", "Liberation Sans"}},
        {"Garamond", {"DejaVu Serif", "Liberation Serif"}},
        {"Georgia", {"DejaVu Serif", "Liberation Serif"}},
        {"Terminal", {"DejaVu Sans Mono", "Liberation Mono"}},
    };
    for (const auto &row : table)
        QFont::insertSubstitutions(QString::fromLatin1(row.family), row.faces);
}
} // namespace fonts
