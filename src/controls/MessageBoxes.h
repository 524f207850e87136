#pragma once
// The one place that shows message boxes. Every box the system shows goes
// through msg::show, so tests can replace the presenter and read the words.
#include <QString>

enum class MsgKind {
    Exclamation,  // exclamation icon, OK: errors and refusals
    Question,     // question icon, OK and Cancel: OK means yes
    Information,  // information icon, OK: notices and results
    Error,        // error icon, OK: the default error dialog
    Confirm,      // question icon, "OK" and "Cancel": the navigator's delete question
};

enum class MsgAnswer { Ok, Cancel };

struct MessageRecord {
    QString text;
    QString caption;
    MsgKind kind;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MsgAnswer present(const MessageRecord &box) = 0;
};

namespace msg {

MsgAnswer show(const QString &text, const QString &caption, MsgKind kind);

void exclamation(const QString &text, const QString &caption);
bool question(const QString &text, const QString &caption);  // true on OK
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

// nullptr restores the real dialogs. The presenter is not owned.
void setPresenter(MessagePresenter *presenter);

} // namespace msg
