#pragma once
#include "wave/document/WaveComboAccess.h"

#include <QComboBox>

#include <cstdint>
#include <string>
#include <vector>

// A drop-down list of open waves (no typed text): each item names a wave
// document and carries it, as the wave references read them. It is as wide as
// its longest name, within half the screen.
class TWaveComboBox : public QComboBox, public WaveComboAccess {
public:
    explicit TWaveComboBox(QWidget* parent = nullptr);

    // Empties the list and fills it with the open waves of the filter (0 all,
    // 1 all but the active one, 2 the mono ones but the active one, 3 the
    // stereo ones but the active one); no item is selected afterwards.
    void FillWaveNames(uint8_t filter);
    // Selects the item of the name. A name no listed wave has (its window
    // closed, or not opened yet) gets an item of its own with no wave behind
    // it, so a reference held by name only is shown and kept.
    void SelectName(const std::string& name);

    int GetCount() const override { return count(); }
    WaveNameItem GetItem(int index) const override;
    int GetItemIndex() const override { return currentIndex(); }
    void SetItemIndex(int index) override { setCurrentIndex(index); }

private:
    WaveNameList items;
};
