#include "foundation/browser/BrowseRecord.h"

TBrowseRecord::~TBrowseRecord()
{
    // Unlink iteratively so a long list cannot exhaust the stack.
    std::unique_ptr<TBrowseRecord> rest = std::move(next);
    while (rest)
        rest = std::move(rest->next);
}

std::unique_ptr<TBrowseRecord> TBrowseRecord::CloneList() const
{
    std::unique_ptr<TBrowseRecord> head = Clone();
    TBrowseRecord* tail = head.get();
    for (const TBrowseRecord* r = next.get(); r; r = r->next.get()) {
        tail->next = r->Clone();
        tail->next->prev = tail;
        tail = tail->next.get();
    }
    return head;
}

void TBrowseRecord::DeleteList(std::unique_ptr<TBrowseRecord> head)
{
    head.reset();
}
