#include "data/DataSet.h"

#include "core/Errors.h"
#include "data/Connection.h"
#include "data/DataSetImpl.h"
#include "data/FieldText.h"

#include <algorithm>

void DataSet::addTextHolder(const void *holder, std::function<void()> write)
{
    removeTextHolder(holder);
    d->textHolders.emplace_back(holder, std::move(write));
}

void DataSet::removeTextHolder(const void *holder)
{
    std::erase_if(d->textHolders, [holder](const auto &h) { return h.first == holder; });
}

void DataSet::updateRecord()
{
    // A copy: a write may bind or unbind controls.
    const auto holders = d->textHolders;
    for (const auto &h : holders)
        h.second();
}

DataSet::DataSet(QObject *parent) : QObject(parent), d(std::make_unique<Impl>(this)) {}

DataSet::~DataSet()
{
    if (m_state != DataSetState::Inactive) {
        try {
            d->closeRows();
        } catch (...) {
        }
    }
}

void DataSet::narrowRows(RowSelection &) const {}

// ---------------------------------------------------------------- open and close

void DataSet::open()
{
    if (active())
        return;
    const TableDef &def = tableToOpen();
    d->conn = connection::ofAlias(databaseName());
    d->sets = DataSetsOnConnection::of(d->conn);
    try {
        d->checkStoredTable(def);
        d->source = &def;
        if (d->cachedUpdates)
            d->cache.start(d->conn, def);
        d->rebuildReader();
        d->openRows();
    } catch (...) {
        d->closeRows();
        throw;
    }
    d->sets->attach(d.get());
    m_state = DataSetState::Browse;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

void DataSet::close()
{
    if (!active())
        return;
    d->closeRows();
    m_state = DataSetState::Inactive;
    d->notify(Impl::Rows | Impl::Record | Impl::State);
}

// ---------------------------------------------------------------- cursor

void DataSet::first()
{
    d->checkActive();
    d->checkBrowseMode();
    const Row *row = d->rowAt(0);
    d->setCurrent(row ? std::optional<Row>(*row) : std::nullopt, 0);
    d->bof = true;
    d->eof = !d->cur;
    d->notify(Impl::Record);
}

void DataSet::last()
{
    d->checkActive();
    d->checkBrowseMode();
    std::vector<Row> rows = d->reader->before(nullptr, 1);
    const int known = d->rows.knownCount();
    d->setCurrent(rows.empty() ? std::nullopt : std::optional<Row>(std::move(rows.front())), known >= 0 ? known - 1 : -1);
    d->eof = true;
    d->bof = !d->cur;
    d->notify(Impl::Record);
}

void DataSet::next() { d->step(+1); }

void DataSet::prior() { d->step(-1); }

bool DataSet::bof() const { return d->bof; }
bool DataSet::eof() const { return d->eof; }

bool DataSet::isEmpty() const { return !d->cur && m_state != DataSetState::Insert; }

int DataSet::recNo() const
{
    if (!active())
        return 0;
    if (m_state == DataSetState::Insert)
        return d->insertIndex() + 1;
    return d->currentIndex() + 1;
}

void DataSet::setRecNo(int recNo)
{
    d->checkActive();
    d->checkBrowseMode();
    const int n = d->count();
    if (n == 0)
        return;
    const int index = std::clamp(recNo, 1, n) - 1;
    if (const Row *row = d->rowAt(index)) {
        d->setCurrent(*row, index);
        d->bof = index == 0;
        d->eof = false;
        d->notify(Impl::Record);
    }
}

int DataSet::recordCount() const { return active() ? d->count() : 0; }

bool DataSet::locate(const QString &fieldName, const QString &text)
{
    d->checkActive();
    Field *f = fieldByName(fieldName);
    d->checkBrowseMode();
    return d->seek(f->name(), fieldtext::searchValue(f->def(), text));
}

QVariant DataSet::bookmark() const
{
    if (!active() || !d->cur || m_state == DataSetState::Insert)
        return QVariant();
    return QVariant(d->cur->rowid);
}

bool DataSet::gotoBookmark(const QVariant &bookmark)
{
    d->checkActive();
    d->checkBrowseMode();
    if (!bookmark.isValid())
        return false;
    std::optional<Row> row = d->reader->byRowid(bookmark.toLongLong());
    if (!row)
        return false;
    d->setCurrent(std::move(row), -1);
    d->bof = d->eof = false;
    d->notify(Impl::Record);
    return true;
}

// ---------------------------------------------------------------- fields

QList<Field *> DataSet::fields() const { return d->fieldList; }

Field *DataSet::findField(const QString &name) const
{
    const int i = d->fieldOfColumn(name.trimmed());
    return i < 0 ? nullptr : d->fields[i].get();
}

Field *DataSet::fieldByName(const QString &name) const
{
    Field *f = findField(name);
    if (!f)
        throw EDatabaseError(QStringLiteral("Field '%1' tidak ditemukan").arg(name));
    return f;
}

// ---------------------------------------------------------------- editing

namespace {
void startInsert(DataSet::Impl &d, DataSet::Impl::InsertAt at)
{
    d.checkActive();
    d.checkCanModify();
    d.checkBrowseMode();
    d.insertAt = at;
    d.clearBuffer();
    d.setState(DataSetState::Insert);
    d.bof = false;
    d.eof = at == DataSet::Impl::InsertAt::End;
    d.notify(DataSet::Impl::Rows | DataSet::Impl::Record | DataSet::Impl::State);
}
} // namespace

void DataSet::append() { startInsert(*d, Impl::InsertAt::End); }

void DataSet::insert() { startInsert(*d, Impl::InsertAt::Current); }

void DataSet::edit()
{
    d->checkActive();
    if (m_state == DataSetState::Edit || m_state == DataSetState::Insert)
        return;
    d->checkCanModify();
    if (!d->cur) {
        append();
        return;
    }
    // Start from the record as stored now (another window may have changed it).
    bool reread = false;
    if (std::optional<Row> fresh = d->reader->byRowid(d->cur->rowid)) {
        const QVariantList shown = d->cur->values();
        d->setCurrent(std::move(fresh), d->curIndex);
        d->loadPicturesAsRead();
        reread = d->cur->values() != shown;
    } else {
        d->loadBuffer();
    }
    m_state = DataSetState::Edit;
    d->notify((reread ? Impl::Record : 0) | Impl::State);
}

void DataSet::post()
{
    d->checkActive();
    if (m_state == DataSetState::Browse)
        refuseOperation("Dataset tidak dalam keadaan ubah atau tambah");
    updateRecord();
    d->postRecord();
}

void DataSet::cancel()
{
    d->checkActive();
    if (m_state == DataSetState::Browse)
        return;
    const bool wasInserting = m_state == DataSetState::Insert;
    m_state = DataSetState::Browse;
    d->loadBuffer();
    d->notify((wasInserting ? Impl::Rows : 0) | Impl::Record | Impl::State);
}

void DataSet::deleteRecord()
{
    d->checkActive();
    d->checkCanModify();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    if (!d->cur)
        refuseOperation("Operasi ini tidak dapat dilakukan pada dataset kosong");
    d->deleteCurrent();
}

void DataSet::refresh()
{
    d->checkActive();
    d->checkBrowseMode();
    d->invalidateRows();
    if (d->cur) {
        const Row old = *d->cur;
        d->findAgain(old.rowid, &old);
    } else {
        d->openRows();
    }
    d->notify(Impl::Rows | Impl::Record);
}

bool DataSet::canModify() const { return active() && isWritable(); }

bool DataSet::modified() const { return d->modified; }

// ---------------------------------------------------------------- filter

QString DataSet::filter() const { return d->filterText; }

bool DataSet::filtered() const { return d->filtered; }

namespace {
void applyFilter(DataSet::Impl &d, const QString &text, bool on)
{
    // Checked before anything changes, so that a bad filter leaves the dataset as it was.
    RowSelection selection = d.makeSelection(text, on);
    d.checkBrowseMode();  // posting a record changes nothing the selection is made of
    d.filterText = text;
    d.filtered = on;
    d.rebuildReader(std::move(selection));
    // Callers switch the filter off only to set another: the unfiltered rows
    // get their first record, not a screenful.
    d.openRows(on ? 0 : 1);
    d.notify(DataSet::Impl::Rows | DataSet::Impl::Record);
}
} // namespace

void DataSet::setFilter(const QString &text)
{
    if (text == d->filterText)
        return;
    if (active() && d->filtered)
        applyFilter(*d, text, true);
    else
        d->filterText = text;
}

void DataSet::setFiltered(bool on)
{
    if (on == d->filtered)
        return;
    if (active())
        applyFilter(*d, d->filterText, on);
    else
        d->filtered = on;
}
