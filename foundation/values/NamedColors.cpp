#include "foundation/values/NamedColors.h"

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

constexpr TNamedColor Standard[] = {
    {Rgb(0, 0, 0), "Black"},       {Rgb(128, 0, 0), "Maroon"},   {Rgb(0, 128, 0), "Green"},
    {Rgb(128, 128, 0), "Olive"},   {Rgb(0, 0, 128), "Navy"},     {Rgb(128, 0, 128), "Purple"},
    {Rgb(0, 128, 128), "Teal"},    {Rgb(128, 128, 128), "Gray"}, {Rgb(192, 192, 192), "Silver"},
    {Rgb(255, 0, 0), "Red"},       {Rgb(0, 255, 0), "Lime"},     {Rgb(255, 255, 0), "Yellow"},
    {Rgb(0, 0, 255), "Blue"},      {Rgb(255, 0, 255), "Fuchsia"}, {Rgb(0, 255, 255), "Aqua"},
    {Rgb(255, 255, 255), "White"},
};

constexpr TNamedColor Extended[] = {
    {Rgb(192, 220, 192), "Money Green"},
    {Rgb(166, 202, 240), "Sky Blue"},
    {Rgb(255, 251, 240), "Cream"},
    {Rgb(160, 160, 164), "Medium Gray"},
};

// The system colours by number, and their colour in the scheme painted here.
struct TSystemColor {
    TNamedColor named;
    uint32_t scheme;
};

constexpr uint32_t Sys(uint32_t number)
{
    return SystemColorFlag | number;
}

constexpr TSystemColor System[] = {
    {{Sys(0), "Scroll Bar"}, Rgb(212, 208, 200)},
    {{Sys(1), "Desktop"}, Rgb(58, 110, 165)},
    {{Sys(2), "Active Caption"}, Rgb(10, 36, 106)},
    {{Sys(3), "Inactive Caption"}, Rgb(128, 128, 128)},
    {{Sys(4), "Menu"}, Rgb(212, 208, 200)},
    {{Sys(5), "Window"}, Rgb(255, 255, 255)},
    {{Sys(6), "Window Frame"}, Rgb(0, 0, 0)},
    {{Sys(7), "Menu Text"}, Rgb(0, 0, 0)},
    {{Sys(8), "Window Text"}, Rgb(0, 0, 0)},
    {{Sys(9), "Caption Text"}, Rgb(255, 255, 255)},
    {{Sys(10), "Active Border"}, Rgb(212, 208, 200)},
    {{Sys(11), "Inactive Border"}, Rgb(212, 208, 200)},
    {{Sys(12), "Application Workspace"}, Rgb(128, 128, 128)},
    {{Sys(13), "Highlight"}, Rgb(10, 36, 106)},
    {{Sys(14), "Highlight Text"}, Rgb(255, 255, 255)},
    {{Sys(15), "Button Face"}, Rgb(212, 208, 200)},
    {{Sys(16), "Button Shadow"}, Rgb(128, 128, 128)},
    {{Sys(17), "Gray Text"}, Rgb(128, 128, 128)},
    {{Sys(18), "Button Text"}, Rgb(0, 0, 0)},
    {{Sys(19), "Inactive Caption Text"}, Rgb(212, 208, 200)},
    {{Sys(20), "Button Highlight"}, Rgb(255, 255, 255)},
    {{Sys(21), "3D Dark Shadow"}, Rgb(64, 64, 64)},
    {{Sys(22), "3D Light"}, Rgb(212, 208, 200)},
    {{Sys(23), "Info Text"}, Rgb(0, 0, 0)},
    {{Sys(24), "Info Background"}, Rgb(255, 255, 225)},
    {{Sys(26), "Hot Light"}, Rgb(0, 0, 128)},
    {{Sys(27), "Gradient Active Caption"}, Rgb(166, 202, 240)},
    {{Sys(28), "Gradient Inactive Caption"}, Rgb(192, 192, 192)},
    {{Sys(29), "Menu Highlight"}, Rgb(10, 36, 106)},
    {{Sys(30), "Menu Bar"}, Rgb(212, 208, 200)},
};

constexpr auto SystemNamed = [] {
    struct {
        TNamedColor items[std::size(System)];
    } result{};
    for (size_t i = 0; i < std::size(System); ++i)
        result.items[i] = System[i].named;
    return result;
}();

} // namespace

std::span<const TNamedColor> StandardColors()
{
    return Standard;
}

std::span<const TNamedColor> ExtendedColors()
{
    return Extended;
}

std::span<const TNamedColor> SystemColors()
{
    return SystemNamed.items;
}

uint32_t ResolveColor(uint32_t color)
{
    if (!IsSystemColor(color))
        return color;
    for (const TSystemColor& each : System)
        if (each.named.color == color)
            return each.scheme;
    return 0;
}
