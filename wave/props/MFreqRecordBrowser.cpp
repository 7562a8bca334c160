#include "wave/props/MFreqRecordBrowser.h"

#include "platform/Assertions.h"

#include <cstddef>

TMFreqRecordBrowser::TMFreqRecordBrowser()
{
    SetRecords(std::make_unique<TMFreqBrowseRecord>(), 0);
}

void TMFreqRecordBrowser::OnOpen(TBrowseEditor* editor)
{
    DlgMFreqProps = dynamic_cast<TMFreqRecordEditor*>(editor);
}

void TMFreqRecordBrowser::OnCloseOk()
{
    DlgMFreqProps = nullptr;
}

void TMFreqRecordBrowser::OnCloseCancel()
{
    DlgMFreqProps = nullptr;
}

// The conditions are written with NULL: they are the texts the failure shows.
bool TMFreqRecordBrowser::ReadEdit(std::unique_ptr<TBrowseRecord>& record)
{
    QB_ASSERT(DlgMFreqProps != NULL);
    std::unique_ptr<TMFreqBrowseRecord> read;
    if (!DlgMFreqProps->ReadRecordEdits(read) || !read)
        return false;
    record = std::move(read);
    return true;
}

void TMFreqRecordBrowser::ShowEdit(const TBrowseRecord& record)
{
    if (DlgMFreqProps)
        DlgMFreqProps->ShowRecordEdits(static_cast<const TMFreqBrowseRecord&>(record));
}

void TMFreqRecordBrowser::ClearEdit()
{
    QB_ASSERT(DlgMFreqProps != NULL);
    DlgMFreqProps->ClearRecordEdits();
}

std::unique_ptr<TBrowseRecord> TMFreqRecordBrowser::NewRecord()
{
    return std::make_unique<TMFreqBrowseRecord>();
}

void TMFreqRecordBrowser::ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward,
                                        bool canDelete, bool canPaste)
{
    if (DlgMFreqProps)
        DlgMFreqProps->ShowNavigator(count, position, canBack, canForward, canDelete, canPaste);
}
