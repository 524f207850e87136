#include "masterdata/CloseQuestion.h"

#include "controls/MessageBoxes.h"
#include "data/DataSet.h"

namespace masterui {
bool mayClose(DataSet &table, const QString &caption)
{
    if (table.state() != DataSetState::Edit && table.state() != DataSetState::Insert)
        return true;
    table.updateRecord();  // text a control still holds counts as typed
    if (!table.modified())
        return true;
    const MsgAnswer answer = msg::yesNoCancel(QStringLiteral("Simpan perubahan?"), caption);
    if (answer == MsgAnswer::Yes)
        table.post();
    else if (answer == MsgAnswer::No)
        table.cancel();
    return answer != MsgAnswer::Cancel;
}
} // namespace masterui
