#include "foundation/browser/RecordBrowser.h"

#include "platform/Assertions.h"

#include <cstddef>
#include <utility>

TRecordBrowser::TRecordBrowser(const TRecordBrowser& other)
{
    CopyFrom(other);
}

TRecordBrowser& TRecordBrowser::operator=(const TRecordBrowser& other)
{
    if (this != &other) {
        TBrowseRecord::DeleteList(std::move(first));
        EditBrowseRecord = nullptr;
        copy.reset();
        copyHeld = false;
        CopyFrom(other);
    }
    return *this;
}

TRecordBrowser::~TRecordBrowser()
{
    TBrowseRecord::DeleteList(std::move(first));
}

void TRecordBrowser::CopyFrom(const TRecordBrowser& other)
{
    first = other.first ? other.first->CloneList() : nullptr;
    Cursor = other.Cursor;
    IsOpen = other.IsOpen;
    Count = 0;
    EditBrowseRecord = nullptr;
    for (TBrowseRecord* r = first.get(); r; r = r->next.get()) {
        if (Count == Cursor)
            EditBrowseRecord = r;
        ++Count;
    }
    if (Count > 0)
        QB_ASSERT(EditBrowseRecord != NULL);
    QB_ASSERT(Count == other.Count);
    readPosition = first.get();
}

void TRecordBrowser::SetRecords(std::unique_ptr<TBrowseRecord> list, int32_t index)
{
    TBrowseRecord::DeleteList(std::move(first));
    first = std::move(list);
    if (first)
        first->prev = nullptr;
    Count = 0;
    for (TBrowseRecord* r = first.get(); r; r = r->next.get())
        ++Count;
    readPosition = first.get();
    EditBrowseRecord = first.get();
    Cursor = 0;
    if (Count > 0) {
        QB_ASSERT(index >= 0 && index < Count);
        GoTo(index);
    }
}

void TRecordBrowser::Open(TBrowseEditor* editor)
{
    OnOpen(editor);
    IsOpen = true;
    if (EditBrowseRecord)
        ShowEdit(*EditBrowseRecord);
    UpdateNavigator();
}

bool TRecordBrowser::CloseOk()
{
    if (!ApplyEdit())
        return false;
    OnCloseOk();
    IsOpen = false;
    readPosition = first.get();
    return true;
}

void TRecordBrowser::CloseCancel()
{
    IsOpen = false;
    OnCloseCancel();
    readPosition = first.get();
}

int32_t TRecordBrowser::GetCount() const
{
    QB_ASSERT(!IsOpen);
    return Count;
}

const TBrowseRecord* TRecordBrowser::GetRecord() const
{
    QB_ASSERT(!IsOpen);
    return readPosition;
}

bool TRecordBrowser::NextRecord()
{
    QB_ASSERT(!IsOpen);
    if (!readPosition || !readPosition->next)
        return false;
    readPosition = readPosition->next.get();
    return true;
}

void TRecordBrowser::LinkBefore(std::unique_ptr<TBrowseRecord> record, TBrowseRecord* follower,
                                TBrowseRecord* preceding)
{
    TBrowseRecord* raw = record.get();
    raw->prev = preceding;
    if (preceding) {
        raw->next = std::move(preceding->next);
        preceding->next = std::move(record);
    } else {
        raw->next = std::move(first);
        first = std::move(record);
    }
    if (follower)
        follower->prev = raw;
}

std::unique_ptr<TBrowseRecord> TRecordBrowser::Unlink(TBrowseRecord* record)
{
    TBrowseRecord* before = record->prev;
    std::unique_ptr<TBrowseRecord>& holder = before ? before->next : first;
    std::unique_ptr<TBrowseRecord> owned = std::move(holder);
    holder = std::move(owned->next);
    if (holder)
        holder->prev = before;
    owned->prev = nullptr;
    if (readPosition == record)
        readPosition = first.get();
    return owned;
}

bool TRecordBrowser::ApplyEdit()
{
    std::unique_ptr<TBrowseRecord> record;
    if (!ReadEdit(record) || !record)
        return false;
    if (!CheckRecord(*record))
        return false;
    if (!EditBrowseRecord) {
        // An empty list: the edit becomes its only record.
        first = std::move(record);
        first->prev = nullptr;
        EditBrowseRecord = first.get();
        Count = 1;
        Cursor = 0;
        readPosition = first.get();
        return true;
    }
    TBrowseRecord* old = EditBrowseRecord;
    TBrowseRecord* before = old->prev;
    TBrowseRecord* raw = record.get();
    std::unique_ptr<TBrowseRecord> owned = Unlink(old);
    TBrowseRecord* follower = before ? before->next.get() : first.get();
    LinkBefore(std::move(record), follower, before);
    EditBrowseRecord = raw;
    if (readPosition == nullptr)
        readPosition = first.get();
    owned.reset();
    return true;
}

// The conditions are written with NULL: they are the texts a failure shows.
void TRecordBrowser::GoTo(int32_t index)
{
    while (Cursor < index) {
        QB_ASSERT(EditBrowseRecord != NULL);
        EditBrowseRecord = EditBrowseRecord->next.get();
        ++Cursor;
    }
    while (Cursor > index) {
        QB_ASSERT(EditBrowseRecord != NULL);
        EditBrowseRecord = EditBrowseRecord->prev;
        --Cursor;
    }
    QB_ASSERT(EditBrowseRecord != NULL);
    ShowEdit(*EditBrowseRecord);
    UpdateNavigator();
}

void TRecordBrowser::UpdateNavigator()
{
    ShowNavigator(Count, Cursor + 1, Cursor > 0, Cursor < Count - 1, Count >= 2, copyHeld);
}

void TRecordBrowser::First()
{
    if (ApplyEdit())
        GoTo(0);
}

void TRecordBrowser::Prior()
{
    QB_ASSERT(Cursor > 0);
    if (ApplyEdit())
        GoTo(Cursor - 1);
}

void TRecordBrowser::Next()
{
    QB_ASSERT(Cursor < Count - 1);
    if (ApplyEdit())
        GoTo(Cursor + 1);
}

void TRecordBrowser::Last()
{
    if (ApplyEdit())
        GoTo(Count - 1);
}

void TRecordBrowser::Insert()
{
    if (!ApplyEdit())
        return;
    ClearEdit();
    std::unique_ptr<TBrowseRecord> record = NewRecord();
    TBrowseRecord* raw = record.get();
    LinkBefore(std::move(record), EditBrowseRecord, EditBrowseRecord ? EditBrowseRecord->prev : nullptr);
    EditBrowseRecord = raw;
    ++Count;
    readPosition = first.get();
    UpdateNavigator();
}

void TRecordBrowser::Append()
{
    if (!ApplyEdit())
        return;
    ClearEdit();
    std::unique_ptr<TBrowseRecord> record = NewRecord();
    TBrowseRecord* raw = record.get();
    TBrowseRecord* after = EditBrowseRecord;
    LinkBefore(std::move(record), after ? after->next.get() : nullptr, after);
    if (after)
        ++Cursor;
    EditBrowseRecord = raw;
    ++Count;
    readPosition = first.get();
    UpdateNavigator();
}

void TRecordBrowser::Delete()
{
    // The list never becomes empty; the navigator offers delete only from two records.
    if (!EditBrowseRecord || Count < 2)
        return;
    TBrowseRecord* old = EditBrowseRecord;
    TBrowseRecord* following = old->next.get();
    TBrowseRecord* preceding = old->prev;
    std::unique_ptr<TBrowseRecord> owned = Unlink(old);
    OnDeleteRecord(*owned);
    owned.reset();
    --Count;
    if (following) {
        EditBrowseRecord = following;
    } else {
        EditBrowseRecord = preceding;
        if (Cursor > 0)
            --Cursor;
    }
    ShowEdit(*EditBrowseRecord);
    UpdateNavigator();
}

void TRecordBrowser::DeleteAll()
{
    TBrowseRecord::DeleteList(std::move(first));
    first = NewRecord();
    first->prev = nullptr;
    EditBrowseRecord = first.get();
    readPosition = first.get();
    Cursor = 0;
    Count = 1;
    ShowEdit(*EditBrowseRecord);
    UpdateNavigator();
}

void TRecordBrowser::CopyRecord()
{
    copy.reset();
    copyHeld = false;
    std::unique_ptr<TBrowseRecord> record;
    if (ReadEdit(record) && record) {
        copy = std::move(record);
        copyHeld = true;
    }
    UpdateNavigator();
}

void TRecordBrowser::PasteRecord()
{
    if (copyHeld && copy)
        ShowEdit(*copy);
}

void TRecordBrowser::OnDeleteRecord(TBrowseRecord&) {}

bool TRecordBrowser::CheckRecord(const TBrowseRecord&)
{
    return true;
}
