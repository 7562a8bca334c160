#pragma once
#include <memory>

// One record of a browsed list. The list is doubly linked; each record owns
// the one after it, so the head owns the whole list.
class TBrowseRecord {
public:
    TBrowseRecord() = default;
    TBrowseRecord(const TBrowseRecord&) = delete;
    TBrowseRecord& operator=(const TBrowseRecord&) = delete;
    virtual ~TBrowseRecord();

    // A copy of this record followed by copies of all records after it; the
    // copy of this record has no previous record.
    virtual std::unique_ptr<TBrowseRecord> CloneList() const;
    // A copy of this one record, not linked.
    virtual std::unique_ptr<TBrowseRecord> Clone() const = 0;
    // Deletes all records after this one, then this one.
    static void DeleteList(std::unique_ptr<TBrowseRecord> head);

    TBrowseRecord* GetNext() const { return next.get(); }
    TBrowseRecord* GetPrev() const { return prev; }

private:
    friend class TRecordBrowser;
    std::unique_ptr<TBrowseRecord> next;
    TBrowseRecord* prev = nullptr;
};

// What a browser is opened on: the dialog whose edit controls show the
// current record. Subclasses of the browser know its real type.
class TBrowseEditor {
public:
    virtual ~TBrowseEditor() = default;
};
