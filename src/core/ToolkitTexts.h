#pragma once
// The toolkit's own texts (dialogs, standard buttons, edit menus, the command
// line parser's help and refusals) in Indonesian, from the project's
// translation built into every program. Both programs speak Indonesian
// whatever the desktop's language, so the translation is always installed.
namespace toolkittexts {
// Installs the translation once into the running application.
void install();
} // namespace toolkittexts
