#include "music/symbols/MusicGlyphs.h"

#include <vector>

namespace MusicGlyphs {

const std::array<TCanvasPoint, 14> FlatBelly = {{{2, 4}, {5, 2}, {7, 0}, {7, -3}, {5, -4}, {2, -3}, {2, -4},
                                                 {3, -5}, {7, -5}, {9, -4}, {9, -1}, {8, 0}, {4, 3}, {2, 5}}};

const std::array<std::array<TCanvasPoint, 8>, 4> DoubleSharpArms = {{
    {{{6, 0}, {4, -2}, {1, -2}, {0, -5}, {0, -6}, {1, -6}, {4, -5}, {4, -2}}},
    {{{6, 0}, {4, 2}, {1, 2}, {0, 5}, {0, 6}, {1, 6}, {4, 5}, {4, 2}}},
    {{{6, 0}, {8, 2}, {11, 2}, {12, 5}, {12, 6}, {11, 6}, {8, 5}, {8, 2}}},
    {{{6, 0}, {8, -2}, {11, -2}, {12, -5}, {12, -6}, {11, -6}, {8, -5}, {8, -2}}},
}};

const std::array<TCanvasPoint, 28> QuarterRest = {
    {{4, 15}, {2, 13}, {0, 8},   {1, 6},    {3, 5},   {6, 5},   {0, -3}, {1, -4}, {5, -7}, {6, -9},
     {6, -11}, {4, -14}, {4, -15}, {5, -15}, {8, -10}, {10, -8}, {11, -5}, {8, -3}, {7, -1}, {6, 1},
     {7, 3},  {10, 8}, {9, 9},   {7, 8},    {4, 7},   {3, 7},   {2, 9},  {5, 15}}};

const std::array<TCanvasPoint, 17> RestHook = {{{8, 11}, {7, 10}, {9, 3}, {7, 5}, {5, 6}, {3, 6}, {1, 5}, {0, 4},
                                                {0, 1}, {1, 0}, {4, 0}, {5, 1}, {5, 4}, {7, 4}, {9, 2}, {10, 0},
                                                {11, 1}}};

const std::array<TCanvasPoint, 4> RestStem = {{{8, 11}, {7, 10}, {5, 16}, {6, 17}}};

const std::array<TCanvasPoint, 6> GClefBlob = {{{15, 29}, {16, 26}, {15, 24}, {12, 24}, {12, 28}, {14, 30}}};
const std::array<TCanvasPoint, 6> GClefLine = {{{14, 30}, {19, 30}, {21, 28}, {21, 25}, {7, -17}, {7, -23}}};
const std::array<TCanvasPoint, 6> GClefTopHook = {{{7, -27}, {9, -31}, {13, -28}, {9, -30}, {8, -27}, {7, -23}}};
const std::array<TCanvasPoint, 18> GClefBody = {{{13, -28}, {15, -21}, {13, -14}, {9, -7}, {5, 0}, {4, 8},
                                                 {5, 12},   {6, 15},   {8, 17},   {11, 18}, {8, 18}, {6, 17},
                                                 {3, 13},   {1, 7},    {1, 2},    {3, -4},  {12, -17}, {14, -23}}};
const std::array<TCanvasPoint, 20> GClefLowerLoop = {{{11, 19}, {21, 19}, {23, 16}, {24, 13}, {24, 9}, {21, 5},
                                                      {17, 3},  {13, 5},  {10, 9},  {11, 12}, {10, 9}, {11, 4},
                                                      {14, 1},  {22, 1},  {25, 5},  {26, 8},  {26, 12}, {24, 16},
                                                      {21, 19}, {11, 19}}};

const std::array<TCanvasPoint, 10> CClefBeak = {
    {{6, 0}, {11, -4}, {13, -8}, {15, -5}, {13, -2}, {10, 0}, {13, 2}, {15, 5}, {13, 8}, {11, 4}}};
const std::array<TCanvasPoint, 11> CClefUpperCurl = {{{14, -19}, {12, -17}, {13, -16}, {13, -14}, {12, -13},
                                                      {10, -13}, {9, -14}, {9, -17}, {10, -18}, {12, -19},
                                                      {18, -19}}};
const std::array<TCanvasPoint, 16> CClefUpperBow = {{{15, -5}, {18, -4}, {20, -5}, {21, -7}, {21, -15}, {20, -17},
                                                     {18, -19}, {20, -19}, {23, -18}, {24, -16}, {25, -14},
                                                     {25, -7}, {24, -5}, {23, -4}, {21, -3}, {18, -3}}};

const std::array<TCanvasPoint, 30> FClefBody = {
    {{7, 10},  {11, 5},  {13, 2},  {14, -3}, {14, -9}, {13, -13}, {11, -16}, {9, -17}, {6, -17}, {3, -15},
     {2, -11}, {3, -10}, {4, -11}, {7, -11}, {8, -9},  {6, -6},   {4, -6},   {2, -7},  {1, -9},  {1, -13},
     {2, -16}, {4, -18}, {6, -19}, {11, -19}, {13, -18}, {16, -15}, {18, -11}, {18, -3}, {16, 3}, {11, 8}}};

const std::array<std::array<TCanvasPoint, 4>, 2> DigitEight = {{
    {{{-3, 0}, {3, 0}, {3, 4}, {-3, 4}}},
    {{{-3, 4}, {3, 4}, {3, 10}, {-3, 10}}},
}};
const std::array<TCanvasPoint, 4> DigitOne = {{{-1, 0}, {1, 0}, {1, 10}, {-1, 10}}};
const std::array<TCanvasPoint, 12> DigitFive = {
    {{4, 0}, {10, 0}, {10, 2}, {6, 2}, {6, 4}, {10, 4}, {10, 10}, {4, 10}, {4, 8}, {8, 8}, {8, 6}, {4, 6}}};

namespace {

std::vector<TCanvasPoint> Moved(Points points, TCanvasPoint origin, bool mirrored)
{
    std::vector<TCanvasPoint> moved;
    moved.reserve(points.size());
    for (const TCanvasPoint& p : points)
        moved.push_back({origin.X + p.X, origin.Y + (mirrored ? -p.Y : p.Y)});
    return moved;
}

} // namespace

void PolygonAt(TCanvas& canvas, Points points, TCanvasPoint origin, bool mirrored)
{
    const std::vector<TCanvasPoint> moved = Moved(points, origin, mirrored);
    canvas.Polygon(moved);
}

void PolylineAt(TCanvas& canvas, Points points, TCanvasPoint origin)
{
    const std::vector<TCanvasPoint> moved = Moved(points, origin, false);
    canvas.Polyline(moved);
}

} // namespace MusicGlyphs
