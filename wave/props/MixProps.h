#pragma once
#include <cstdint>

// Settings of Mix: where the clipboard goes.
class TMixProps {
public:
    uint8_t Place = 0; // 0 align begin, 1 align end, 2 stretch
};
