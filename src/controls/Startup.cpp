#include "controls/Startup.h"

#include "controls/Application.h"
#include "controls/Fonts.h"
#include "controls/FormAccessible.h"
#include "core/ToolkitTexts.h"

#include <QCoreApplication>
#include <QIcon>

static void initResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace startup {
void initialise()
{
    initResources();
    toolkittexts::install();
    fonts::installSubstitutions();
    FormAccessible::install();
    NotaApplication::setTitle(QStringLiteral("Kervano Nota Application"));
    // The square application icon; the logo is not square.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app-icon.svg")));
}
} // namespace startup
