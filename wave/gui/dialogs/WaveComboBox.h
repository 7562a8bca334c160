#pragma once
#include "wave/document/WaveComboAccess.h"

#include <QComboBox>

#include <cstdint>
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

    int GetCount() const override { return count(); }
    WaveNameItem GetItem(int index) const override;
    int GetItemIndex() const override { return currentIndex(); }
    void SetItemIndex(int index) override { setCurrentIndex(index); }

private:
    WaveNameList items;
};
