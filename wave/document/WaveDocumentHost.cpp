#include "wave/document/WaveDocumentHost.h"

namespace {
WaveDocumentHost fallback;
WaveDocumentHost* current = nullptr;
} // namespace

WaveDocumentHost& WaveHost()
{
    return current ? *current : fallback;
}

WaveDocumentHost* SetWaveDocumentHost(WaveDocumentHost* host)
{
    WaveDocumentHost* previous = current;
    current = host;
    return previous;
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
