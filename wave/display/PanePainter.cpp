#include "wave/display/PanePainter.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/MainFormAccess.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/VolumePainter.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/display/WaveformPainter.h"
#include "wave/document/DrawNode.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ViewWaveState.h"

#include <algorithm>

namespace {

const TUnitWave* UnitOf(const TPaneView& pane)
{
    return pane.group ? pane.group->GetUnitWave() : nullptr;
}

// The group that shows the backdrop named in the settings, if it is open.
const TWaveDisplayGroup* BackdropGroup(const TWaveViewProps& props)
{
    if (!props.DrawEnvelope || props.EnvelopeStrength.GetValue() == 0)
        return nullptr;
    TUnitWave* other = MainForm().FindUnitWave(props.Envelope.GetName());
    const TWaveDisplayGroup* group = TWaveDisplayGroup::OfUnit(other);
    return group && group->GetUnitWave() && group->GetUnitWave()->GetSound() ? group : nullptr;
}

} // namespace

void PaintPane(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& rect)
{
    const TUnitWave* unit = UnitOf(pane);
    if (!unit)
        return;
    if (unit->IsUserDrawing()) {
        PaintUserDrawView(canvas, pane);
        return;
    }
    TWaveViewProps waveProps = pane.group->GetWaveViewProps();
    TVoldViewProps voldProps = pane.group->GetVoldViewProps();
    PaintViewRect(canvas, pane, rect, pane.group->GetShowKind(), waveProps, voldProps);
}

void PaintViewRect(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& rect, uint8_t showKind,
                   const TWaveViewProps& waveProps, const TVoldViewProps& voldProps)
{
    const TUnitWave* unit = UnitOf(pane);
    if (!unit)
        return;
    const TPaneRect& client = pane.map.rect;
    TPaneRect full{rect.left, client.top, rect.right, client.bottom};
    if (unit->GetValues() == 0 || client.Width() < 2) {
        canvas.FillRect(rect, waveProps.BackgroundColor);
        return;
    }
    int32_t cursor = unit->GetCursorPos(), anchor = unit->GetAnchorPos();
    if (cursor == anchor) {
        PaintViewPart(canvas, pane, full, false, false, waveProps, voldProps, showKind);
    } else {
        int32_t xb = std::clamp(pane.map.WavePosToPixel(std::min(cursor, anchor)), rect.left, rect.right);
        int32_t xe = std::clamp(pane.map.WavePosToPixel(std::max(cursor, anchor)), rect.left, rect.right);
        if (rect.left < xb)
            PaintViewPart(canvas, pane, {rect.left, client.top, xb, client.bottom}, false, false, waveProps,
                          voldProps, showKind);
        if (xb < xe)
            PaintViewPart(canvas, pane, {xb, client.top, xe, client.bottom}, true, false, waveProps, voldProps,
                          showKind);
        if (xe < rect.right)
            PaintViewPart(canvas, pane, {xe, client.top, rect.right, client.bottom}, false, false, waveProps,
                          voldProps, showKind);
    }
    int32_t x = pane.map.WavePosToPixel(cursor);
    if (rect.left <= x && x <= rect.right)
        DrawCursorLine(canvas, pane, showKind, waveProps, voldProps);
}

void DrawCursorLine(TPixelCanvas& canvas, const TPaneView& pane, uint8_t showKind, const TWaveViewProps& waveProps,
                    const TVoldViewProps& voldProps)
{
    const TUnitWave* unit = UnitOf(pane);
    if (!unit)
        return;
    int32_t position = unit->GetCursorPos();
    if (position == unit->GetValues() && position > 0)
        --position;
    int32_t x = pane.map.WavePosToPixel(position);
    uint32_t color = showKind == waveWindVolume ? voldProps.CursorColor : waveProps.CursorColor;
    canvas.VerticalLine(x, pane.map.rect.top, pane.map.rect.bottom, color);
}

void PaintViewPart(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& part, bool inverted,
                   bool userDraw, const TWaveViewProps& waveProps, const TVoldViewProps& voldProps,
                   uint8_t showKind)
{
    QB_ASSERT(!userDraw || !inverted);
    if (pane.repaintPending || !pane.group)
        return;
    const TWaveDisplayGroup& group = *pane.group;
    const TPaneRect& client = pane.map.rect;
    double first = pane.map.first, last = pane.map.last;
    if (showKind == waveWindVolume) {
        QB_ASSERT(!userDraw);
        PaintVolumeColumns(group, canvas, client, part, first, last, voldProps, inverted);
        return;
    }
    uint32_t background = inverted ? waveProps.SingleColor : waveProps.BackgroundColor;
    TPaneRect fullPart{part.left, client.top, part.right, client.bottom};
    const TWaveDisplayGroup* other = BackdropGroup(waveProps);
    if (!other) {
        canvas.FillRect(fullPart, background);
    } else {
        const TUnitWave& otherUnit = *other->GetUnitWave();
        double n = group.GetUnitWave()->GetValues();
        double b = otherUnit.GetOperationBegin(), e = otherUnit.GetOperationEnd();
        double otherFirst = LinearMap(first, 0, n, b, e);
        double otherLast = LinearMap(last, 0, n, b, e);
        double strength = waveProps.EnvelopeStrength.GetValue();
        if (other->GetShowKind() == waveWindWave) {
            TWaveViewProps faded = other->GetWaveViewProps();
            faded.FadeColors(background, strength);
            canvas.FillRect(fullPart, inverted ? faded.SingleColor : faded.BackgroundColor);
            PaintWaveColumns(*other, canvas, client, part, otherFirst, otherLast, faded, inverted);
        } else {
            TVoldViewProps faded = other->GetVoldViewProps();
            faded.FadeColors(background, strength);
            PaintVolumeColumns(*other, canvas, client, part, otherFirst, otherLast, faded, inverted);
        }
    }
    PaintWaveColumns(group, canvas, client, part, first, last, waveProps, inverted);
}

void PaintUserDrawView(TPixelCanvas& canvas, const TPaneView& pane)
{
    const TUnitWave* unit = UnitOf(pane);
    if (!unit || pane.map.rect.Width() < 2)
        return;
    const TWaveViewProps& props = pane.group->GetWaveViewProps();
    const TPaneRect& client = pane.map.rect;
    if (unit->GetDrawNodes() && unit->GetDrawNodes()->GetNext())
        PaintViewPart(canvas, pane, client, false, true, props, pane.group->GetVoldViewProps(), waveWindWave);
    DrawNodeFrame frame{static_cast<double>(client.left),  static_cast<double>(client.top),
                        static_cast<double>(client.right), static_cast<double>(client.bottom),
                        pane.map.first,                    pane.map.last,
                        static_cast<double>(unit->GetValues())};
    for (const TDrawNode* node = unit->GetDrawNodes(); node; node = node->GetNext()) {
        if (!node->Visible)
            continue;
        int32_t x = ToInt32(node->GetX(frame)), y = ToInt32(node->GetY(frame));
        canvas.Ellipse({x - 3, y - 3, x + 4, y + 4}, props.SingleColor, props.GridColor);
        canvas.SetColor(x, y, props.SingleColor);
    }
}

TPaneRect RepaintWaveRangeRect(const TPaneView& pane, int32_t begin, int32_t end)
{
    int32_t b = ToInt32(std::max<double>(begin, pane.map.first - 1));
    int32_t e = ToInt32(std::min<double>(end, pane.map.last + 1));
    TPaneRect rect = pane.map.rect;
    rect.left = pane.map.WavePosToPixel(b) - 1;
    rect.right = pane.map.WavePosToPixel(e) + 1;
    return rect;
}

TPaneRect RepaintWavePosRect(const TPaneView& pane, int32_t position)
{
    int32_t x = pane.map.WavePosToPixel(position);
    TPaneRect rect = pane.map.rect;
    rect.left = x - 1;
    rect.right = x + 1;
    return rect;
}
