// Drawing a wave by hand: a sorted list of nodes from which the sound is
// rebuilt with straight lines or smooth curves after every change.
#include "foundation/GuiMessages.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveWindowAccess.h"

#include <algorithm>
#include <vector>

void TUnitWave::StartUserDraw(uint8_t drawKind)
{
    if (!QB_CHECK(!UserDrawing) || !QB_CHECK(!DrawNodes))
        return;
    // The drawn sound replaces the wave: only an empty mono wave may be drawn.
    if (!QB_CHECK(GetValues() == 0 && GetMonoStereo() == 1))
        return;
    DrawKind = drawKind;
    DrawLength = 1.0;
    UserDrawing = 1;
    InsertDrawNode(std::make_unique<TDrawNode>(0, 0.0));
    InsertDrawNode(std::make_unique<TDrawNode>(0, 1.0));
    MakeUserDrawnSound();
}

void TUnitWave::EndUserDraw()
{
    if (!QB_CHECK(UserDrawing))
        return;
    DrawNodes.reset();
    UserDrawing = 0;
}

bool TUnitWave::InsertDrawNode(std::unique_ptr<TDrawNode> node)
{
    if (!node)
        return false;
    TDrawNode* before = nullptr;
    TDrawNode* at = DrawNodes.get();
    while (at && at->Position < node->Position) {
        before = at;
        at = at->GetNext();
    }
    if (at && at->Position == node->Position)
        return false;
    TDrawNode* raw = node.get();
    std::unique_ptr<TDrawNode>& holder = before ? before->Next : DrawNodes;
    raw->Next = std::move(holder);
    raw->Prev = before;
    if (raw->Next)
        raw->Next->Prev = raw;
    holder = std::move(node);
    return true;
}

void TUnitWave::DeleteDrawNode(TDrawNode* node)
{
    if (!QB_CHECK(node != nullptr))
        return;
    TDrawNode* before = node->Prev;
    std::unique_ptr<TDrawNode>& holder = before ? before->Next : DrawNodes;
    if (!QB_CHECK(holder.get() == node))
        return;
    std::unique_ptr<TDrawNode> owned = std::move(holder);
    holder = std::move(owned->Next);
    if (holder)
        holder->Prev = before;
}

int32_t TUnitWave::GetDrawNodeCount() const
{
    QB_CHECK(UserDrawing);
    return DrawNodes ? DrawNodes->CountFrom() : 0;
}

bool TUnitWave::DrawNodesValid() const
{
    if (!DrawNodes || !DrawNodes->GetNext())
        return false;
    for (const TDrawNode* node = DrawNodes.get(); node->GetNext(); node = node->GetNext())
        if (!(node->Position < node->GetNext()->Position))
            return false;
    return true;
}

void TUnitWave::MakeUserDrawnSound()
{
    // Fresh flag: one failed rebuild must not disable the next.
    stopFlag = 0;
    lastCommandChanged = false;
    if (!DrawNodesValid()) {
        TGuiMessages().ShowInputError(
            "The drawn wave needs at least two points, in order of their position and at different positions.");
        return;
    }
    int32_t freq = static_cast<int32_t>(GetSampleFreq());
    int32_t n = ToInt32(freq * DrawLength + 1.0);
    RefPtr<Wave> wave = NewWave(&stopFlag, std::max(n, 0));
    if (stopFlag || !wave)
        return;

    const TDrawNode* a = DrawNodes.get();
    const TDrawNode* b = a->GetNext();
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0, c3 = 0, c2 = 0, c0 = 0;
    auto takeSegment = [&]() {
        x0 = a->Position;
        x1 = b->Position;
        y0 = a->Value;
        y1 = b->Value;
        double d = x1 - x0;
        if (d > 0) {
            c3 = -2 * (y1 - y0) / (d * d * d);
            c2 = 3 * (y1 - y0) / (d * d);
            c0 = y0;
        } else {
            c3 = c2 = c0 = 0;
        }
    };
    takeSegment();
    int16_t* data = wave->getData();
    for (int32_t i = 0; i < n; ++i) {
        double t = LinearMap(i, 0, n, 0, 1);
        // Past the last node the last segment goes on.
        while (x1 < t && b->GetNext()) {
            a = b;
            b = b->GetNext();
            takeSegment();
        }
        double v;
        if (DrawKind == DrawParabola) {
            double u = t - x0;
            v = c3 * u * u * u + c2 * u * u + c0;
        } else if (x0 == x1) {
            v = (y0 + y1) * 0.5;
        } else {
            v = LinearMap(t, x0, x1, y0, y1);
        }
        data[i] = ToSample(v);
    }
    TheSound = std::make_shared<MonoSound>(std::move(wave), freq, 2);
    lastCommandChanged = true;
}

void TUnitWave::ChangeDrawNodes(const std::function<int64_t(int64_t)>& change)
{
    if (!DrawNodes)
        return;
    std::vector<int16_t> oldValues;
    for (TDrawNode* node = DrawNodes.get(); node; node = node->GetNext()) {
        oldValues.push_back(node->Value);
        node->Value = static_cast<int16_t>(std::clamp<int64_t>(change(node->Value), -32768, 32767));
    }
    MakeUserDrawnSound();
    if (!lastCommandChanged) {
        // The nodes still describe the old sound.
        size_t i = 0;
        for (TDrawNode* node = DrawNodes.get(); node; node = node->GetNext())
            node->Value = oldValues[i++];
    }
    TellWindow();
}
