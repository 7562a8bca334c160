#include "factory/gui/MDIChildFact.h"

#include "factory/document/FactoryStatusTexts.h"
#include "factory/document/UnitSountory.h"
#include "factory/gui/FactoryDialogsQt.h"
#include "factory/gui/FactoryView.h"
#include "foundation/commands/CommandSnapshot.h"
#include "foundation/gui/PanelStatusBar.h"
#include "foundation/gui/ToolBarIcons.h"
#include "wave/window/gui/MainFormGuiAccess.h"

TMDIChildFact::TMDIChildFact(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitSountory> factory)
    : TMDIChildQuarbel(mainForm), UnitSountory(std::move(factory))
{
    setObjectName("MDIChildFact");
    setWindowTitle("Sountory");
    setWindowIcon(FactoryPictureIcon(141));
    SetFileUnit(UnitSountory.get());
    UnitSountory->SetWindow(static_cast<TFactoryWindowAccess*>(this));
    Dialogs = std::make_unique<TFactoryDialogsQt>(*this, mainForm);
    FactoryView = new TFactoryView(*UnitSountory, *Dialogs, this);
    setWidget(FactoryView);
}

TMDIChildFact::~TMDIChildFact()
{
    // The view goes before the factory it draws.
    setWidget(nullptr);
    delete FactoryView;
    FactoryView = nullptr;
    if (UnitSountory)
        UnitSountory->SetWindow(static_cast<TFactoryWindowAccess*>(nullptr));
    UnitSountory.reset();
}

std::unique_ptr<TUnitSountory> TMDIChildFact::SetUnitSountory(std::unique_ptr<TUnitSountory> factory)
{
    std::unique_ptr<TUnitSountory> old = std::move(UnitSountory);
    UnitSountory = std::move(factory);
    if (old)
        old->SetWindow(static_cast<TFactoryWindowAccess*>(nullptr));
    SetFileUnit(UnitSountory.get());
    UnitSountory->SetWindow(static_cast<TFactoryWindowAccess*>(this));
    FactoryView->SetFactory(*UnitSountory);
    return old;
}

void TMDIChildFact::Invalidate()
{
    FactoryView->Invalidate();
}

void TMDIChildFact::ShowProperties()
{
    if (!UnitSountory || !Dialogs->FactoryProperties(*UnitSountory))
        return;
    UnitSountory->SetModified();
    Invalidate();
}

void TMDIChildFact::HideHint()
{
    FactoryView->Model().HideHint();
}

void TMDIChildFact::RedrawNode(TSountoryNode& node)
{
    FactoryView->RedrawNode(node);
}

int TMDIChildFact::GetMinFrameTop() const
{
    return FactoryView ? FactoryView->GetMinFrameTop() : 3;
}

void TMDIChildFact::DrawConnecting(TCanvas& canvas)
{
    FactoryView->Model().DrawConnecting(canvas);
}

int TMDIChildFact::GetFactoryKind() const
{
    return UnitSountory ? UnitSountory->FactoryKind : -1;
}

void TMDIChildFact::FillCommandState(TCommandSnapshot& snapshot) const
{
    if (!UnitSountory)
        return;
    TFactoryCommandState& state = snapshot.factory;
    state.modified = UnitSountory->IsModified();
    state.hasFileName = !UnitSountory->HasNoFileName();
    state.factoryKind = UnitSountory->FactoryKind;
    state.mode = UnitSountory->View.Mode;
    state.showHints = UnitSountory->View.ShowHints != 0;
}

void TMDIChildFact::ShowStatus()
{
    if (!UnitSountory)
        return;
    const TFactoryStatusTexts texts = FactoryStatusTexts(*UnitSountory);
    Main.StatusBarFact()->SetPanelText(1, QString::fromStdString(texts.Panel1));
    Main.StatusBarFact()->SetPanelText(2, QString::fromStdString(texts.Panel2));
}

bool TMDIChildFact::NeedsSaving() const
{
    return UnitSountory && UnitSountory->IsModified();
}

bool TMDIChildFact::SaveDocument()
{
    return UnitSountory && Main.SaveUnit(*UnitSountory);
}
