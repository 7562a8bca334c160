#pragma once
#include "foundation/browser/RecordBrowser.h"
#include "wave/props/MFreqBrowseRecord.h"

// The controls of the Multi Frequency dialog as the component browser uses them.
class TMFreqRecordEditor : public TBrowseEditor {
public:
    // A new component from the five edits; false (message shown) when one is refused.
    virtual bool ReadRecordEdits(std::unique_ptr<TMFreqBrowseRecord>& record) = 0;
    virtual void ShowRecordEdits(const TMFreqBrowseRecord& record) = 0;
    // Empties the edits whose Default flag is clear.
    virtual void ClearRecordEdits() = 0;
    virtual void ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                               bool canPaste) = 0;
};

// The list of components of a multi-frequency setting; while its dialog is
// open it reads and shows the dialog's edits.
class TMFreqRecordBrowser : public TRecordBrowser {
public:
    TMFreqRecordBrowser();
    TMFreqRecordBrowser(const TMFreqRecordBrowser&) = default;
    TMFreqRecordBrowser& operator=(const TMFreqRecordBrowser&) = default;

protected:
    void OnOpen(TBrowseEditor* editor) override;
    void OnCloseOk() override;
    void OnCloseCancel() override;
    bool ReadEdit(std::unique_ptr<TBrowseRecord>& record) override;
    void ShowEdit(const TBrowseRecord& record) override;
    void ClearEdit() override;
    std::unique_ptr<TBrowseRecord> NewRecord() override;
    void ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                       bool canPaste) override;

private:
    TMFreqRecordEditor* DlgMFreqProps = nullptr;
};
