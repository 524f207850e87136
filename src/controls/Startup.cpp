#include "controls/Startup.h"

#include "controls/Application.h"
#include "controls/Fonts.h"
#include "controls/FormAccessible.h"

#include <QCoreApplication>
#include <QIcon>
#include <QTranslator>

static void initResources()
{
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(translations);
}

namespace {
// The toolkit's own texts (file, print and page dialogs, standard buttons,
// edit menus) in Indonesian. The program speaks Indonesian whatever the
// desktop's language, so the translation is always installed.
void installToolkitTexts()
{
    static QTranslator *texts = nullptr;
    if (texts)
        return;
    texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QStringLiteral(":/translations/sistemnota_id.qm")))
        QCoreApplication::installTranslator(texts);
}
} // namespace

namespace startup {
void initialise()
{
    initResources();
    installToolkitTexts();
    fonts::installSubstitutions();
    FormAccessible::install();
    NotaApplication::setTitle(QStringLiteral("Kervano Nota Application"));
    // The square application icon; the logo is not square.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app-icon.svg")));
}
} // namespace startup
