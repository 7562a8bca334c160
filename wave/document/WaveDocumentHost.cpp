#include "wave/document/WaveDocumentHost.h"

#include "platform/ServiceSlot.h"

namespace {
WaveDocumentHost hostFallback;
ServiceSlot<WaveDocumentHost> hostSlot(hostFallback);
} // namespace

WaveDocumentHost& WaveHost()
{
    return hostSlot.Get();
}

WaveDocumentHost* SetWaveDocumentHost(WaveDocumentHost* host)
{
    return hostSlot.Set(host);
}

std::shared_ptr<Sound> WaveDocumentHost::GetClipBoardSound()
{
    return nullptr;
}

void WaveDocumentHost::SetClipBoardSound(std::shared_ptr<Sound>) {}

void WaveDocumentHost::MakeUndo(TUnitWave*) {}

void WaveDocumentHost::DeleteUndo() {}

void WaveDocumentHost::DeleteUndoOfUnit(TUnitWave*) {}

TUnitWave* WaveDocumentHost::ActiveWaveUnit()
{
    return nullptr;
}

void WaveDocumentHost::WaveSelectionChanged(WaveWindowAccess*) {}
