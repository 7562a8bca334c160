#pragma once
#include <string>

// What a document asks of the window that owns it. The shell's document
// windows implement it; tests use fakes.
class DocumentWindowAccess {
public:
    virtual ~DocumentWindowAccess() = default;
    // After a rename: the window rebuilds its caption.
    virtual void NameChanged(const std::string& oldName) = 0;
    // After the file name changed.
    virtual void UpdateChildCaption() = 0;
    // Shows the hand-drawing cursor.
    virtual void SetDrawCursor() = 0;
};
