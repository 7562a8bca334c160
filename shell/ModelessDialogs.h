#pragma once
#include <array>
#include <string>

class TMDIChildQuarbel;

// The four modeless dialogs by kind.
enum TModelessDialogKind : unsigned char {
    modelessDialogSelZoom = 0,
    modelessDialogMusStave = 1,
    modelessDialogMusTree = 2,
    modelessDialogEditName = 3,
};

// The main window's owner of the modeless dialogs: it shows and hides them and
// passes activation and change notices on. This base keeps only which dialogs
// are shown; the dialogs themselves join with their issues by overriding it.
class TModelessDialogs {
public:
    virtual ~TModelessDialogs() = default;

    virtual void ToggleDialog(TModelessDialogKind kind) { visible[kind] = !visible[kind]; }
    virtual bool IsDialogVisible(TModelessDialogKind kind) const { return visible[kind]; }
    // A dialog closed by its own close box.
    virtual void DialogClosed(TModelessDialogKind kind) { visible[kind] = false; }

    virtual void WaveWindowActivated(TMDIChildQuarbel*) {}
    virtual void MusicWindowActivated(TMDIChildQuarbel*) {}
    virtual void FactoryWindowActivated(TMDIChildQuarbel*) {}
    virtual void PlayersWindowActivated(TMDIChildQuarbel*) {}
    virtual void NoWindowActivated() {}
    virtual void UnitNameChanged(const std::string&) {}
    virtual void WaveSelectionChanged(TMDIChildQuarbel*) {}
    virtual void WaveZoomChanged(TMDIChildQuarbel*, int) {}

private:
    std::array<bool, 4> visible{};
};
