#pragma once
// What the master data windows ask when they close (close box, "Ke Main
// Menu", Escape) while their record holds changes not stored yet: typing is
// never lost without a question.
class DataSet;
class QString;

namespace masterui {
// True when the window may close. A record in edit or insert state with
// changes asks "Simpan perubahan?" under the window's caption: "Ya" posts it
// with the usual checks (what they raise keeps the window open and is shown
// as usual), "Tidak" drops the changes, "Batal" keeps the window open. A
// record without changes is dropped without a word.
bool mayClose(DataSet &table, const QString &caption);
} // namespace masterui
