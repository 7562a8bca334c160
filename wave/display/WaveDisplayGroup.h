#pragma once
#include "wave/view/ViewWaveGroupModel.h"

#include <atomic>
#include <functional>
#include <memory>

class TThreadVolumeWriter;
class TUnitWave;
class TVolumeArray;

// The view of a wave window as the painters and the volume writer see it:
// the view-state model with the wave document it shows, the volume diagram
// arrays of its channels and the one writer thread that fills them. The
// window's Qt view group builds on it; tests and benchmarks use it as it is.
//
// Everything here runs on the user-interface thread. The writer gets copies
// of what it needs when it starts and reports progress through the poster,
// which it calls on its own thread and which must only post a message; a
// poster call is skipped while the previous one is not yet taken.
class TWaveDisplayGroup : public TViewWaveGroupModel {
public:
    TWaveDisplayGroup(TUnitWave* unitWave, const TWaveViewProps& waveViewProps, const TVoldViewProps& voldViewProps);
    // Stops the writer.
    ~TWaveDisplayGroup() override;

    TUnitWave* GetUnitWave() const { return UnitWave; }
    // The display group that shows a document, if any.
    static TWaveDisplayGroup* OfUnit(const TUnitWave* unit);

    TVolumeArray* GetVolumeArraySingle() const { return VolumeArraySingle.get(); }
    TVolumeArray* GetVolumeArrayLeft() const { return VolumeArrayLeft.get(); }
    TVolumeArray* GetVolumeArrayRight() const { return VolumeArrayRight.get(); }
    // Each replaces the array held so far; the writer must not be running.
    void SetVolumeArraySingle(std::shared_ptr<TVolumeArray> array);
    void SetVolumeArrayLeft(std::shared_ptr<TVolumeArray> array);
    void SetVolumeArrayRight(std::shared_ptr<TVolumeArray> array);

    // (Re)starts the computation: the running writer is stopped first; an
    // empty wave gets no writer and no arrays (VolumeDiagramEmpty is called).
    // Arrays too large for memory are refused with the memory message.
    void StartVolumeDiagram();
    // Stops a running writer and waits for it; returns once its chunk is done.
    void StopVolumeWriter();
    bool HasVolumeWriter() const { return ThreadVolumeWriter != nullptr; }
    bool IsVolumeWriterFinished() const;

    // Installed once by the window's view before any writer starts.
    void SetColumnsWrittenPoster(std::function<void()> poster) { ColumnsWrittenPoster = std::move(poster); }
    // The user-interface side of a posted report: later reports may post again.
    // An exchange, not a store: a report skipped because this one was still
    // waiting must have its columns visible to the reads that follow, or the
    // last columns of a run would never be painted.
    void TakeColumnsWrittenNotice() { ProgressPosted.exchange(false, std::memory_order_acq_rel); }

protected:
    virtual void VolumeDiagramEmpty() {}

private:
    TUnitWave* UnitWave;
    std::shared_ptr<TVolumeArray> VolumeArraySingle;
    std::shared_ptr<TVolumeArray> VolumeArrayLeft;
    std::shared_ptr<TVolumeArray> VolumeArrayRight;
    std::unique_ptr<TThreadVolumeWriter> ThreadVolumeWriter;
    std::function<void()> ColumnsWrittenPoster;
    std::atomic<bool> ProgressPosted{false};
};
