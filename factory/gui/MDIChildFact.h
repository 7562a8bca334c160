#pragma once
#include "factory/document/FactoryWindowAccess.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <memory>

class TFactoryDialogs;
class TFactoryView;
class TUnitSountory;

// The document window of a factory: the factory drawn in a scrolling view
// with its description, edited with the mouse in drag or connect mode and
// through the context menu. It owns its factory.
class TMDIChildFact : public TMDIChildQuarbel, public TFactoryWindowAccess {
    Q_OBJECT
public:
    TMDIChildFact(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitSountory> factory);
    ~TMDIChildFact() override;

    TUnitSountory* GetUnitSountory() const { return UnitSountory.get(); }
    // Puts another factory in the window (revert) and gives back the old one.
    std::unique_ptr<TUnitSountory> SetUnitSountory(std::unique_ptr<TUnitSountory> factory);
    TFactoryView* View() const { return FactoryView; }
    void Invalidate();
    void HideHint();
    // The factory's properties dialog; OK marks the factory modified.
    void ShowProperties();

    // ---- TFactoryWindowAccess ----
    void RedrawNode(TSountoryNode& node) override;
    int GetMinFrameTop() const override;
    void DrawConnecting(TCanvas& canvas) override;

    // ---- the window base ----
    int GetFactoryKind() const override;
    void FillCommandState(TCommandSnapshot& snapshot) const override;
    void ShowStatus() override;
    bool NeedsSaving() const override;
    bool SaveDocument() override;

private:
    std::unique_ptr<TUnitSountory> UnitSountory;
    std::unique_ptr<TFactoryDialogs> Dialogs;
    TFactoryView* FactoryView = nullptr; // a child widget, deleted before the factory
};
