#pragma once
// The message boxes the system shows. Every box goes through msg::show and
// so through ui().message: tests read the words and answer in the person's place.
#include "controls/UserInterface.h"

namespace msg {

// The caption of a box that refuses what was typed or asked.
inline const QString kErrorCaption = QStringLiteral("Kesalahan");

MsgAnswer show(const QString &text, const QString &caption, MsgKind kind);

void exclamation(const QString &text, const QString &caption);
bool question(const QString &text, const QString &caption);  // true on OK
bool yesNo(const QString &text, const QString &caption);     // true on "Ya"
// "Ya", "Tidak" or "Batal" (Escape): MsgAnswer::Yes, No or Cancel.
MsgAnswer yesNoCancel(const QString &text, const QString &caption);
void information(const QString &text, const QString &caption);

// The record navigator's question before a delete: "Confirm" / "Delete record?".
bool confirmDelete();

// Default error dialog: application title as caption, error icon, the text
// with a full stop appended by withFullStop().
void errorDialog(const QString &text);

// A full stop is appended when the last character comes after "." in
// character-code order (letters, digits, "?", ":"); not after ".", "!", ",",
// a blank; an empty text stays empty.
QString withFullStop(const QString &text);

} // namespace msg
