#include "controls/Guard.h"

#include "controls/MessageBoxes.h"
#include "core/Errors.h"

void guard(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EError &e) {
        msg::errorDialog(e.message());
    } catch (const std::exception &e) {
        msg::errorDialog(QString::fromUtf8(e.what()));
    }
}
