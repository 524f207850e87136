// Sistem Nota: sets the title, offers to create the database when there is
// none yet, creates the window set, shows the login window and runs until
// the program is ended. The command line answers only --help and --version.
#include "access/Login.h"
#include "app/CommandLine.h"
#include "app/FirstRun.h"
#include "controls/Startup.h"
#include "app/WindowSet.h"
#include "controls/Application.h"
#include "controls/CleanEnd.h"
#include "shop/BackupAtEnd.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = commandline::answer(argc, argv))
        return *answered;
    // Window designs are in pixels at 96 dots per inch. The desktop's scale
    // (its DPI, QT_FONT_DPI or QT_SCALE_FACTOR) is left to the toolkit, which
    // turns it into a device pixel ratio: fonts and geometry grow together.
    NotaApplication app(argc, argv);
    // The desktop entry the installed program belongs to (its icon and name on the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("id.kervano.sistemnota"));
    startup::initialise();
    cleanend::install();
    // Started from the desktop on a machine without a database: offer to create it.
    if (!firstrun::ensureDatabase())
        return 0;
    backupatend::enable();
    windowset::create();
    FLogin->Show();
    const int code = app.exec();
    windowset::destroy();
    backupatend::finish();  // the windows are gone: waiting holds up nothing on the screen
    return code;
}
