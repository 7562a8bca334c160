#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

// The volume diagram of one channel: Width columns (time) by Height rows
// (frequency bands, row 0 the highest), each cell a peak level of at least 0.
//
// The writer thread fills the cells and then raises ColumnsWritten (release);
// painters on the user-interface thread read ColumnsWritten (acquire) and only
// cells of columns below it. ColumnsRefreshed belongs to the user-interface thread.
class TVolumeArray {
public:
    // The cells start at 0. Throws std::bad_alloc when they cannot be had.
    TVolumeArray(int32_t width, int32_t height);
    TVolumeArray(const TVolumeArray&) = delete;
    TVolumeArray& operator=(const TVolumeArray&) = delete;

    int32_t GetWidth() const { return Width; }
    int32_t GetHeight() const { return Height; }
    // x and y are kept inside the array.
    void SetVolume(int32_t x, int32_t y, float volume);
    float GetVolume(int32_t x, int32_t y) const;

    int32_t GetColumnsWritten() const { return ColumnsWritten.load(std::memory_order_acquire); }
    void SetColumnsWritten(int32_t columns) { ColumnsWritten.store(columns, std::memory_order_release); }
    int32_t ColumnsRefreshed = 0;

private:
    size_t Index(int32_t x, int32_t y) const;

    int32_t Width;
    int32_t Height;
    std::atomic<int32_t> ColumnsWritten{0};
    std::vector<float> Volumes;
};
