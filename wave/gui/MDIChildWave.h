#pragma once
#include "foundation/xml/DTDItem.h"
#include "wave/document/WaveWindowAccess.h"
#include "wave/gui/ViewWaveOwner.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <cstdint>
#include <memory>
#include <string>

class TUnitWave;
class TViewWaveGroup;
class TXMLComplexElement;
class TXMLItem;

// The document window of a wave: the wave in two panes side by side with a
// splitter between them, the mouse zoom mode, the keyboard moves of cursor
// and selection, and the icon of what it shows. It owns its document; the
// volume-diagram writer is stopped and joined before the window goes, on
// every path.
class TMDIChildWave : public TMDIChildQuarbel, public WaveWindowAccess, public TViewWaveOwner {
    Q_OBJECT
public:
    // Takes the document over; the view settings are copied into the view group.
    TMDIChildWave(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitWave> unitWave, const TWaveViewProps& waveViewProps,
                  const TVoldViewProps& voldViewProps);
    ~TMDIChildWave() override;

    TUnitWave* GetUnitWave() const { return UnitWave.get(); }
    TViewWaveGroup* GetViewWaveGroup() const { return ViewWaveGroup; }

    // ---- forwarders to the view group ----
    uint8_t GetShowKind() override;
    uint8_t GetShowKind() const;
    void SetShowKind(uint8_t kind);
    TWaveViewProps GetWaveViewProps() const;
    TVoldViewProps GetVoldViewProps() const;
    // Each switches to what the settings are for.
    void SetWaveViewProps(TWaveViewProps props);
    void SetVoldViewProps(TVoldViewProps props);
    void StartVolumeDiagram();
    void RepaintWaveRange(int32_t from, int32_t to) override;
    void RepaintWavePos(int32_t position) override;
    void PaintCursorLine(int32_t position) override;
    static TDTDItemPtr BuildViewGrammar();
    bool ReadViewXml(const TXMLItem* splitPosition, std::string& error, int32_t& line, int32_t& column,
                     bool pending);
    void WriteViewXml(TXMLComplexElement& parent) const;
    void MakeUserDrawnSound();
    // The drawing goes on with the other curve: rebuilt, marked changed, repainted.
    void UserDrawChanged(uint8_t drawKind);
    bool HasViewGroup() override { return ViewWaveGroup != nullptr; }
    void BeginKeepZoom(int32_t begin, int32_t end) override;
    void EndKeepZoom(int32_t begin, int32_t newEnd) override;

    // ---- with logic ----
    // After the document's sound changed: the diagram is computed anew, or
    // the panes and the windows drawing this wave as envelope repaint.
    void SoundChanged() override;
    void RefreshAll();
    void RepaintViews() override;
    // 0 none, 1 zoom in, 2 zoom out; another value is kept without a cursor change.
    void SetZoomMode(uint8_t mode) override;
    uint8_t GetZoomMode() const override { return ZoomMode; }
    void SetIconForShowKind(uint8_t kind) override;
    void SetIconForMonoStereo(int32_t channels) override;
    int GetIconNumber() const { return IconNumber; }
    TMDIChildWave* GetMDIChildWave() override { return this; }

    // ---- the window base ----
    void SetCursor(int cursorNumber) override;
    void NameChanged(const std::string& oldName) override;
    void UpdateChildCaption() override { TMDIChildQuarbel::UpdateChildCaption(); }
    void SetDrawCursor() override { TMDIChildQuarbel::SetDrawCursor(); }
    int GetMonoStereo() const override;
    void FillCommandState(TCommandSnapshot& snapshot) const override;
    void ShowStatus() override;
    bool NeedsSaving() const override;
    bool SaveDocument() override;
    bool DrawsEnvelopeOf(const std::string& waveName) const override;
    void EvFormOnActivate() override;
    void FormClose() override;

protected:
    // The key table: arrows, Home, End, Page Up and Page Down with Shift and
    // Ctrl, on the first pane while Alt is held, else on the second.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUnitWave(std::unique_ptr<TUnitWave> unitWave);
    void SetIcon(int number);
    void FormDeactivate();

    std::unique_ptr<TUnitWave> UnitWave;
    TViewWaveGroup* ViewWaveGroup = nullptr; // a child widget, deleted before the document
    uint8_t ZoomMode = 0;
    int IconNumber = -1;
};
