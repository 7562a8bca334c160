#include "wave/document/WaveDocumentHost.h"

#include "platform/ServiceSlot.h"

namespace {
WaveDocumentHost fallback;
ServiceSlot<WaveDocumentHost> slot(fallback);
} // namespace

WaveDocumentHost& WaveHost()
{
    return slot.Get();
}

WaveDocumentHost* SetWaveDocumentHost(WaveDocumentHost* host)
{
    return slot.Set(host);
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
