#pragma once
#include "foundation/xml/XMLItem.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TMDIChildQuarbel;
class TNoteStave;
class TUnitMuz;

// The four modeless dialogs by kind.
enum TModelessDialogKind : unsigned char {
    modelessDialogSelZoom = 0,
    modelessDialogMusStave = 1,
    modelessDialogMusTree = 2,
    modelessDialogEditName = 3,
};
inline constexpr int ModelessDialogKindCount = 4;

// Where a modeless dialog stands, as a project keeps it: Left and Top are the
// top left corner of its frame (title bar and borders included), Width and
// Height those of its client area. Which of the four numbers a kind keeps is
// ModelessDialogInfo(kind).numbers: Left and Top, then Width, then Height.
struct TDialogPlacement {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

struct TModelessDialogInfo {
    TModelessDialogKind kind;
    const char* element; // its element in a project's ModelessDialogs
    int numbers;         // 2 Left and Top, 3 with Width, 4 with Height
};
const TModelessDialogInfo& ModelessDialogInfo(TModelessDialogKind kind);

// The main window's owner of the modeless dialogs: it shows and hides them,
// passes activation and change notices on, and writes and reads their
// placement in a project. This base keeps only which dialogs are shown and
// where, without any window; the shell's dialogs override it.
class TModelessDialogs {
public:
    virtual ~TModelessDialogs() = default;

    virtual bool IsDialogVisible(TModelessDialogKind kind) const;
    // Shows the dialog (made on its first show) or hides it; a dialog already
    // in that state is left alone.
    virtual void ShowDialog(TModelessDialogKind kind, bool show);
    void ToggleDialog(TModelessDialogKind kind) { ShowDialog(kind, !IsDialogVisible(kind)); }

    virtual TDialogPlacement GetPlacement(TModelessDialogKind kind) const;
    // Only the numbers the kind keeps are taken.
    virtual void SetPlacement(TModelessDialogKind kind, const TDialogPlacement& placement);

    // Activation notices: every dialog that exists hears them, shown or not.
    virtual void WaveWindowActivated(TMDIChildQuarbel*) {}
    virtual void MusicWindowActivated(TMDIChildQuarbel*) {}
    virtual void FactoryWindowActivated(TMDIChildQuarbel*) {}
    virtual void PlayersWindowActivated(TMDIChildQuarbel*) {}
    virtual void NoWindowActivated() {}
    // Change notices: only a shown dialog of the matching kind hears them.
    virtual void UnitNameChanged(const std::string&) {}
    virtual void WaveSelectionChanged(TMDIChildQuarbel*) {}
    // Pane 1 (left) or 2 (right).
    virtual void WaveZoomChanged(TMDIChildQuarbel*, int /*pane*/) {}
    virtual void MusicStaveChanged(TNoteStave*) {}
    virtual void MusicPartsChanged(TUnitMuz*) {}

    // A project keeps each shown dialog's placement in an element of its own
    // (ModelessDialogInfo(kind).element) holding Left, Top and, by kind, Width
    // and Height. None for a dialog that cannot show.
    std::unique_ptr<TXMLItem> WriteProjectXml(TModelessDialogKind kind) const;
    // From a dialog's element in a project: shows the dialog and places it,
    // every number read before any is applied. A number that does not read
    // gives false with the message, and line and column at its element; the
    // dialog then stays where it was.
    bool ReadProjectXml(TModelessDialogKind kind, const TXMLItem& element, std::string& error, int32_t& line,
                        int32_t& column);

protected:
    // Whether the dialog of the kind can show at all (this base: every kind).
    virtual bool HasDialog(TModelessDialogKind) const { return true; }

private:
    std::array<bool, ModelessDialogKindCount> visible{};
    std::array<TDialogPlacement, ModelessDialogKindCount> placements{};
};
