#include "wave/MainFormAccess.h"

#include "platform/ServiceSlot.h"

namespace {
MainFormAccess mainFormFallback;
ServiceSlot<MainFormAccess> mainFormSlot(mainFormFallback);
} // namespace

MainFormAccess& MainForm()
{
    return mainFormSlot.Get();
}

MainFormAccess* SetMainFormAccess(MainFormAccess* access)
{
    return mainFormSlot.Set(access);
}

TUnitWave* MainFormAccess::FindUnitWave(const std::string&)
{
    return nullptr;
}

TUnitSountory* MainFormAccess::FindUnitSountory(const std::string&)
{
    return nullptr;
}

TUnitPlayers* MainFormAccess::FindUnitPlayers(const std::string&)
{
    return nullptr;
}

// FindCompoundPlayer and AddPlayerNames look into a player set: they live on
// the music floor (music/MainFormAccessPlayers.cpp).

int MainFormAccess::AddPlayerSetNames(std::vector<std::string>&)
{
    return 0;
}

int MainFormAccess::AddMusicFactoryNames(std::vector<std::string>&, uint8_t)
{
    return 0;
}

TUnitPlayers* MainFormAccess::NewUnitPlayers(const std::string&, std::string& givenName)
{
    givenName.clear();
    return nullptr;
}

int32_t MainFormAccess::NextValidationStamp()
{
    return ++validationCounter;
}

int MainFormAccess::AddWaveNames(WaveNameList&, uint8_t)
{
    return 0;
}

TMDIChildWave* MainFormAccess::ActiveWaveWindow()
{
    return nullptr;
}

MainFormRect MainFormAccess::GetMainFormRect()
{
    return {};
}

void MainFormAccess::PlaySound(const Sound&, bool) {}

void MainFormAccess::RefreshEnvelopeUsers(TMDIChildWave*) {}

void MainFormAccess::UpdateEnvelopeViews(TViewWaveGroup*, int, int, int, int, int, int, int, int, bool) {}

void MainFormAccess::WaveZoomChanged(TMDIChildWave*, int) {}

WaveStatusPanel* MainFormAccess::GetWaveStatusPanel(int n)
{
    if (n >= 0 && n < static_cast<int>(panels.size()))
        return &panels[static_cast<size_t>(n)];
    return &spare;
}

void MainFormAccess::SetModelessDialogActive(bool) {}

void MainFormAccess::SelZoomDialogClosed() {}

int MainFormAccess::AddFactoryNamesOfKind(FactoryNameList&, uint8_t)
{
    return 0;
}

int MainFormAccess::AddOtherFactoryNames(std::vector<std::string>&, const TUnitSountory*)
{
    return 0;
}

int MainFormAccess::AddFactoryNodeNames(FactoryNodeList&, uint8_t, const TUnitSountory*)
{
    return 0;
}

bool MainFormAccess::CheckUnitName(const std::string&, const TFileUnit*)
{
    return true;
}

void MainFormAccess::UnitNameChanged(const std::string&) {}
