#pragma once
#include "foundation/browser/BrowseRecord.h"

#include <cstdint>
#include <memory>

// Lets a dialog edit a list of records one at a time. Whatever the controls
// hold is read back and validated before every move, so the list only ever
// holds accepted records. Subclasses supply the records and the controls.
class TRecordBrowser {
public:
    TRecordBrowser() = default;
    TRecordBrowser(const TRecordBrowser& other);
    TRecordBrowser& operator=(const TRecordBrowser& other);
    virtual ~TRecordBrowser();

    virtual bool CloseOk();
    virtual void CloseCancel();
    virtual void Open(TBrowseEditor* editor);

    // Takes the list over and makes the record at index current.
    void SetRecords(std::unique_ptr<TBrowseRecord> list, int32_t index);

    // Reading while closed.
    int32_t GetCount() const;
    const TBrowseRecord* GetRecord() const;
    bool NextRecord();

    // Navigator buttons.
    void First();
    void Prior();
    void Next();
    void Last();
    void Insert();
    void Append();
    void Delete();
    void DeleteAll();
    void CopyRecord();
    void PasteRecord();

    int32_t GetCursor() const { return Cursor; }
    bool GetIsOpen() const { return IsOpen; }
    bool HasCopy() const { return copyHeld; }
    const TBrowseRecord* GetFirstRecord() const { return first.get(); }
    const TBrowseRecord* GetEditRecord() const { return EditBrowseRecord; }

protected:
    virtual void OnCloseOk() = 0;
    virtual void OnCloseCancel() = 0;
    virtual void OnOpen(TBrowseEditor* editor) = 0;
    virtual bool ApplyEdit();
    // Builds a new record from the controls; false when they hold no valid record.
    virtual bool ReadEdit(std::unique_ptr<TBrowseRecord>& record) = 0;
    virtual void ShowEdit(const TBrowseRecord& record) = 0;
    virtual void ClearEdit() = 0;
    virtual std::unique_ptr<TBrowseRecord> NewRecord() = 0;
    virtual void ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                               bool canPaste) = 0;
    virtual void OnDeleteRecord(TBrowseRecord& record);
    virtual bool CheckRecord(const TBrowseRecord& record);
    virtual void GoTo(int32_t index);

    void UpdateNavigator();

private:
    void CopyFrom(const TRecordBrowser& other);
    // Links record in between preceding (null: as the new head) and follower.
    void LinkBefore(std::unique_ptr<TBrowseRecord> record, TBrowseRecord* follower, TBrowseRecord* preceding);
    std::unique_ptr<TBrowseRecord> Unlink(TBrowseRecord* record);

    int32_t Cursor = 0;
    int32_t Count = 0;
    bool copyHeld = false;
    bool IsOpen = false;
    const TBrowseRecord* readPosition = nullptr;
    std::unique_ptr<TBrowseRecord> first;
    TBrowseRecord* EditBrowseRecord = nullptr;
    std::unique_ptr<TBrowseRecord> copy;
};
