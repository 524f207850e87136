#include "controls/Startup.h"

#include "controls/Application.h"
#include "controls/Fonts.h"
#include "controls/FormAccessible.h"

#include <QIcon>

static void initResources() { Q_INIT_RESOURCE(assets); }

namespace startup {
void initialise()
{
    initResources();
    fonts::installSubstitutions();
    FormAccessible::install();
    NotaApplication::setTitle(QStringLiteral("Kervano Nota Application"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/logo.svg")));
}
} // namespace startup
