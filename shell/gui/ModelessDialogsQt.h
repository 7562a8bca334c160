#pragma once
#include "shell/ModelessDialogs.h"

#include <QPoint>
#include <QPointer>

#include <array>
#include <optional>

class QObject;
class QWidget;
class TDlgEditName;
class TDlgMusTree;
class TDlgMusic;
class TDlgSelZoom;
class TMDIChildMuz;
class TMainForm;

// The modeless dialogs as windows of the main window: each is made the first
// time it is shown and then only hidden and shown again until the main
// window goes, which owns them. The music dialogs (kinds 1 and 2) join with
// the music windows; until then they never show. A dialog shown before the
// main window is on the screen (Edit Name, shown at start) waits for it and
// counts as shown meanwhile: shown on its own, the window manager would take
// it for nobody's and the main window would cover it. A place a project
// gives is the top left corner of the dialog's frame.
class TModelessDialogsQt : public TModelessDialogs {
public:
    explicit TModelessDialogsQt(TMainForm& mainForm);
    ~TModelessDialogsQt() override;
    TModelessDialogsQt(const TModelessDialogsQt&) = delete;
    TModelessDialogsQt& operator=(const TModelessDialogsQt&) = delete;

    bool IsDialogVisible(TModelessDialogKind kind) const override;
    void ShowDialog(TModelessDialogKind kind, bool show) override;
    TDialogPlacement GetPlacement(TModelessDialogKind kind) const override;
    void SetPlacement(TModelessDialogKind kind, const TDialogPlacement& placement) override;

    void WaveWindowActivated(TMDIChildQuarbel* window) override;
    void MusicWindowActivated(TMDIChildQuarbel* window) override;
    void FactoryWindowActivated(TMDIChildQuarbel* window) override;
    void PlayersWindowActivated(TMDIChildQuarbel* window) override;
    void NoWindowActivated() override;
    void UnitNameChanged(const std::string& name) override;
    void WaveSelectionChanged(TMDIChildQuarbel* window) override;
    void WaveZoomChanged(TMDIChildQuarbel* window, int pane) override;
    void MusicStaveChanged(TNoteStave* stave) override;
    void MusicPartsChanged(TUnitMuz* unit) override;

    // Null until first shown.
    TDlgSelZoom* GetSelZoomDialog() const { return SelZoomDialog; }
    TDlgEditName* GetEditNameDialog() const { return EditNameDialog; }
    TDlgMusic* GetMusicDialog() const { return MusicDialog; }
    TDlgMusTree* GetMusTreeDialog() const { return MusTreeDialog; }

protected:
    bool HasDialog(TModelessDialogKind kind) const override { return Dialog(kind) != nullptr; }

private:
    QWidget* Dialog(TModelessDialogKind kind) const;
    // Both music dialogs follow the active music window (none for another kind).
    void TellMusicDialogs(TMDIChildMuz* window);
    // Makes the dialog of the kind if it is not there yet; null for a kind without one.
    QWidget* CreateDialog(TModelessDialogKind kind);
    void ShowWaitingDialogs();

    TMainForm& Main;
    // Watches the main window until it is on the screen.
    QPointer<QObject> MainFormWatch;
    std::array<bool, ModelessDialogKindCount> WaitingForMainForm{};
    // A project's place for a dialog that waits, taken once it is shown.
    std::array<std::optional<QPoint>, ModelessDialogKindCount> WaitingCorner{};
    TDlgSelZoom* SelZoomDialog = nullptr;
    TDlgEditName* EditNameDialog = nullptr;
    TDlgMusic* MusicDialog = nullptr;
    TDlgMusTree* MusTreeDialog = nullptr;
};
