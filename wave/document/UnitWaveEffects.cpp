// The effects: each works on the selection, or on the whole wave when
// nothing is selected.
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/LongestWave.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cmath>

void TUnitWave::Volume(const TVolumeProps& props)
{
    BeginCommand();
    VolumeProps = props;
    if (UserDrawing) {
        double factor = VolumeProps.Factor.GetValue();
        ChangeDrawNodes([factor](int64_t v) { return static_cast<int64_t>(ToInt32(v * factor)); });
        return;
    }
    std::shared_ptr<Sound> envelope;
    if (VolumeProps.VolumeKind == 1 && !TakeEnvelope(VolumeProps.VolumeEnvelope, envelope))
        return;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() {
        if (envelope)
            return TheSound->VolumeEnvelope(&stopFlag, *envelope, b, e);
        return TheSound->Volume(&stopFlag, VolumeProps.Factor.GetValue(), b, e);
    });
}

void TUnitWave::MaxVolume()
{
    BeginCommand();
    if (UserDrawing) {
        int64_t m = 0;
        for (TDrawNode* node = DrawNodes.get(); node; node = node->GetNext())
            m = std::max<int64_t>(m, std::abs(static_cast<int64_t>(node->Value)));
        if (!DrawNodes)
            return;
        if (m > 0) {
            double factor = 32767.0 / static_cast<double>(m);
            ChangeDrawNodes([factor](int64_t v) { return static_cast<int64_t>(ToInt32(v * factor)); });
        } else {
            TellWindow();
        }
        return;
    }
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() { return TheSound->MaxVolumeFull(&stopFlag, b, e); });
}

void TUnitWave::Reverse()
{
    BeginCommand();
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() { return TheSound->Reverse(&stopFlag, b, e); });
}

void TUnitWave::MoveV(const TUpProps& props)
{
    BeginCommand();
    UpProps = props;
    int16_t add = UpProps.AddValue.GetValue();
    if (UserDrawing) {
        ChangeDrawNodes([add](int64_t v) { return v + add; });
        return;
    }
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() { return TheSound->AddValue(&stopFlag, add, b, e); });
}

void TUnitWave::NormalizeVertically()
{
    BeginCommand();
    if (UserDrawing) {
        TDrawNode* first = DrawNodes.get();
        if (!first)
            return;
        if (!first->GetNext()) {
            ChangeDrawNodes([](int64_t) { return int64_t{0}; });
            return;
        }
        double sum = 0;
        TDrawNode* last = first;
        for (TDrawNode* node = first; node->GetNext(); node = node->GetNext()) {
            TDrawNode* next = node->GetNext();
            int32_t pair = static_cast<int32_t>(node->Value) + static_cast<int32_t>(next->Value);
            sum += pair * (next->Position - node->Position);
            last = next;
        }
        double span = last->Position - first->Position;
        int64_t mean = span != 0 ? ToInt32(sum / span * 0.5) : 0;
        ChangeDrawNodes([mean](int64_t v) { return v - mean; });
        return;
    }
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() { return TheSound->Centre(&stopFlag, b, e); });
}

void TUnitWave::Block(const TBlockProps& props)
{
    BeginCommand();
    BlockProps = props;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    double t = BlockProps.HorKind != 0 ? BlockProps.GetHorTime(GetOperationTime()) : 0.0;
    int32_t n = BlockProps.VertKind != 0 ? BlockProps.GetVertCount() : 0;
    RunKeepCommand([&]() { return TheSound->BlockHold(&stopFlag, t, n, b, e); });
}

void TUnitWave::Rotate(const TRotateProps& props)
{
    BeginCommand();
    RotateProps = props;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    double shift = RotateProps.GetShift(GetOperationTime());
    RunKeepCommand([&]() { return TheSound->Rotate(&stopFlag, shift, b, e); });
}

void TUnitWave::RollIn(const TRollInProps& props)
{
    BeginCommand();
    RollInProps = props;
    double freq = GetSampleFreq();
    double length = RollInProps.Length.GetValue();
    int32_t ls = ToInt32(freq * length);
    if (ls < 1) {
        Refuse("The roll in length must be at least one value long.");
        return;
    }
    if (RefuseLongerThanTheLongestWave(GetOperationBegin(), GetOperationEnd(), freq * length))
        return;
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [&](int32_t& b, int32_t& e) {
        double s = RollInProps.Placement == 0 ? ToInt32(freq * RollInProps.StartAt.GetPosition())
                                              : ToInt32(freq * RollInProps.EndAt.GetPosition() + b - e);
        int32_t start = ToInt32(WrapIntoRange(s, 0, ls));
        return TheSound->RollIn(&stopFlag, length, start, b, e);
    });
}

void TUnitWave::RollOut(const TRollOutProps& props)
{
    BeginCommand();
    RollOutProps = props;
    double sp = RollOutProps.SpeedFactor.GetValue();
    double lf = RollOutProps.GetLengthFactor();
    double t = GetOperationTime();
    if (!(t > 0) || sp == 0) {
        Refuse("Roll out needs a range of values and a speed factor other than 0.");
        return;
    }
    double x = RollOutProps.StartPosition.GetPosition() / t;
    int32_t range = GetOperationEnd() - GetOperationBegin();
    if (RefuseLongerThanTheLongestWave(GetOperationBegin(), GetOperationEnd(), range * std::fabs(lf)))
        return;
    std::shared_ptr<Sound> envelope;
    if (RollOutProps.SpeedEnvelopeOn && !TakeEnvelope(RollOutProps.SpeedEnvelope, envelope))
        return;
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [&](int32_t& b, int32_t& e) {
        if (envelope)
            return TheSound->RollOutEnvelope(&stopFlag, *envelope, lf, sp, x, b, e);
        return TheSound->RollOut(&stopFlag, t / sp, std::fabs(sp) * lf, x, b, e);
    });
}

void TUnitWave::Length(const TLengthProps& props)
{
    BeginCommand();
    LengthProps = props;
    if (UserDrawing) {
        double factor = LengthProps.GetLengthFactor(DrawLength);
        if (!(factor > 0)) {
            Refuse("The length factor must be greater than 0.");
            return;
        }
        double oldLength = DrawLength;
        DrawLength *= factor;
        MakeUserDrawnSound();
        if (!lastCommandChanged)
            DrawLength = oldLength; // the nodes still describe the old sound
        TellWindow();
        return;
    }
    double factor = LengthProps.GetLengthFactor(GetOperationTime());
    int32_t range = GetOperationEnd() - GetOperationBegin();
    if (range > 0 && RefuseLongerThanTheLongestWave(GetOperationBegin(), GetOperationEnd(),
                                                    (range - 1) * std::fabs(factor) + 1))
        return;
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [&](int32_t& b, int32_t& e) {
        return TheSound->ResampleRange(&stopFlag, factor, b, e);
    });
}

void TUnitWave::Distort(const TDistortProps& props)
{
    BeginCommand();
    DistortProps = props;
    std::shared_ptr<Sound> curve;
    if (!TakeEnvelope(DistortProps.DistortEnvelope, curve))
        return;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() { return TheSound->Distort(&stopFlag, *curve, b, e); });
}

void TUnitWave::MoveH(const TShiftProps& props)
{
    BeginCommand();
    ShiftProps = props;
    std::shared_ptr<Sound> envelope;
    if (ShiftProps.TimeEnvelopeOn && !TakeEnvelope(ShiftProps.TimeEnvelope, envelope))
        return;
    double middle = ShiftProps.TimeMiddle.GetValue();
    double left = ShiftProps.TimeLeft.GetValue(), right = ShiftProps.TimeRight.GetValue();
    // The moved range lands at least that many values from the other end; a
    // shift past the longest wave would otherwise be cut down to it.
    double farthest = GetMonoStereo() == 1 ? std::fabs(middle) : std::max(std::fabs(left), std::fabs(right));
    if (!FitsLongestWave(farthest * GetSampleFreq())) {
        Refuse(LongerThanTheLongestWave());
        return;
    }
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [&](int32_t& b, int32_t& e) -> SoundPtr {
        if (auto* mono = dynamic_cast<const MonoSound*>(TheSound.get())) {
            if (envelope)
                return mono->MoveHorizontallyEnvelope(&stopFlag, middle, *envelope, b, e);
            return mono->MoveHorizontally(&stopFlag, middle, b, e);
        }
        auto* stereo = dynamic_cast<const StereoSound*>(TheSound.get());
        if (!stereo)
            return nullptr;
        if (envelope)
            return stereo->MoveHorizontallyEnvelope(&stopFlag, left, right, *envelope, b, e);
        return stereo->MoveHorizontally(&stopFlag, left, right, b, e);
    });
}

void TUnitWave::Balance(const TBalanceProps& props)
{
    BeginCommand();
    BalanceProps = props;
    auto* mono = dynamic_cast<const MonoSound*>(TheSound.get());
    if (GetValues() == 0 || !mono)
        return;
    std::shared_ptr<Sound> envelope;
    if (BalanceProps.DirKind == 1 && !TakeEnvelope(BalanceProps.DirEnvelope, envelope))
        return;
    bool time = BalanceProps.TimeDifference != 0;
    bool volume = BalanceProps.VolumeDifference == 1, filter = BalanceProps.VolumeDifference == 2;
    RunKeepCommand([&]() {
        if (envelope)
            return mono->BalanceEnvelope(&stopFlag, *envelope, time, volume, filter);
        return mono->Balance(&stopFlag, BalanceProps.Direction.GetValue(), time, volume, filter);
    });
}

void TUnitWave::MixLeftRight(const TLeftRightProps& props)
{
    BeginCommand();
    LeftRightProps = props;
    auto* stereo = dynamic_cast<const StereoSound*>(TheSound.get());
    if (GetValues() == 0 || !stereo)
        return;
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    RunKeepCommand([&]() {
        return stereo->MixLeftRight(&stopFlag, LeftRightProps.LeftToLeft.GetValue(),
                                    LeftRightProps.LeftToRight.GetValue(), LeftRightProps.RightToLeft.GetValue(),
                                    LeftRightProps.RightToRight.GetValue(), b, e);
    });
}

void TUnitWave::TempoPitch(const TTempoPitchProps& props)
{
    BeginCommand();
    TempoPitchProps = props;
    const TTempoPitchProps& p = TempoPitchProps;
    double t = GetOperationTime();
    if (!(t > 0)) {
        Refuse("Pitch Tempo needs a range of values.");
        return;
    }
    std::shared_ptr<Sound> freqEnvelope, speedEnvelope;
    if (p.FreqEnvelopeOn && !TakeEnvelope(p.FreqEnvelope, freqEnvelope))
        return;
    if (p.SpeedEnvelopeOn && !TakeEnvelope(p.SpeedEnvelope, speedEnvelope))
        return;
    double sp = p.SpeedFactor.GetValue(), fr = p.FreqFactor.GetValue();
    double x = p.StartPosition.GetPosition() / t;
    double lf = p.GetLengthFactor();
    double bs = p.BlockSize.GetValue();
    uint8_t q = p.Quality;
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [&](int32_t& b, int32_t& e) {
        if (freqEnvelope && speedEnvelope)
            return TheSound->TempoPitchSpeedFreq(&stopFlag, sp, *speedEnvelope, x, lf, fr, *freqEnvelope, bs, q, b,
                                                 e);
        if (freqEnvelope)
            return TheSound->TempoPitchFreqWave(&stopFlag, sp, x, lf, fr, *freqEnvelope, bs, q, b, e);
        if (speedEnvelope)
            return TheSound->TempoPitchSpeedEnvelope(&stopFlag, sp, *speedEnvelope, x, lf, fr, bs, q, b, e);
        return TheSound->TempoPitch(&stopFlag, sp, x, lf, fr, bs, q, b, e);
    });
}
