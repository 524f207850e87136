#include "controls/UserInterface.h"

#include "controls/DesktopInterface.h"

#include <QFileInfo>

namespace {
UserInterface *&installed()
{
    static UserInterface *current = nullptr;
    return current;
}
} // namespace

UserInterface::~UserInterface() = default;

QString UserInterface::chooseFile(const FileRequest &request, QWidget *parent)
{
    QString name = askForFile(request, parent);
    if (request.mode == FileRequest::Mode::Save && !name.isEmpty() && !request.defaultSuffix.isEmpty()
        && QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + request.defaultSuffix;
    return name;
}

UserInterface &ui()
{
    if (UserInterface *current = installed())
        return *current;
    static DesktopInterface desktop;
    return desktop;
}

UserInterface *installUserInterface(UserInterface *replacement)
{
    UserInterface *previous = installed();
    installed() = replacement;
    return previous;
}

MsgAnswer firstAnswer(MsgKind kind)
{
    return kind == MsgKind::YesNo || kind == MsgKind::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
}
