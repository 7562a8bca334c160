#pragma once
#include <cstdint>
#include <string>
#include <vector>

class TDocumentKindFiles;
class TFileUnit;
class TModelessDialogs;

// The window states a project records.
enum TWindowState : uint8_t { windowStateNormal = 0, windowStateMinimized = 1, windowStateMaximized = 2 };

// Where a window stands, in pixels, and its state.
struct TWindowPlacement {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    TWindowState State = windowStateNormal;

    bool operator==(const TWindowPlacement&) const = default;
};

// The open workspace as a project writes and restores it: the main window,
// the modeless dialogs and the document windows. The main window fills it in;
// tests and the fuzz target use fakes.
class TProjectWorkspace {
public:
    virtual ~TProjectWorkspace() = default;

    virtual TWindowPlacement GetFramePlacement() const = 0;
    virtual void SetFramePlacement(const TWindowPlacement& placement) = 0;
    virtual TModelessDialogs& GetModelessDialogs() = 0;

    // The open documents in the order a project lists their windows: the least
    // recently activated first, so that reading them back in this order leaves
    // the same window active.
    virtual std::vector<TFileUnit*> ProjectDocuments() const = 0;
    virtual TWindowPlacement GetWindowPlacement(const TFileUnit& unit) const = 0;
    virtual void SetWindowPlacement(TFileUnit& unit, const TWindowPlacement& placement) = 0;

    // The file commands and project parts of a document kind (1 wave, 2 music,
    // 3 factory, 4 players); null for a kind that is not built.
    virtual TDocumentKindFiles* KindFiles(uint8_t kind) = 0;

    // Closes every document window without a question (after a read that failed).
    virtual void CloseAllWindowsQuietly() = 0;
    // The name of the document just opened, for the Edit Name dialog.
    virtual void UnitNameChanged(const std::string& name) = 0;
};
