#pragma once
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "platform/RecordingMessageService.h"
#include "tests/factory/FactoryTestSupport.h"
#include "wave/StereoSound.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <type_traits>
#include <string>
#include <vector>

using SpyLog = std::shared_ptr<std::vector<std::string>>;

// A sound that records the operations called on it from outside, with their
// arguments, into a log it shares with the sounds its operations make.
template <class Base>
class BasicSpy : public Base {
public:
    using Log = SpyLog;

    template <class... Args>
    explicit BasicSpy(Log log, Args&&... args) : Base(std::forward<Args>(args)...), log(std::move(log))
    {
    }

    static std::shared_ptr<BasicSpy> Of(int32_t count, Log log = std::make_shared<std::vector<std::string>>())
    {
        StopFlag stop = 0;
        RefPtr<Wave> left = NewWave(&stop, count);
        RefPtr<Wave> right = NewWave(&stop, count);
        for (int32_t i = 0; i < count; ++i) {
            left->getData()[i] = static_cast<int16_t>(i * 7);
            right->getData()[i] = static_cast<int16_t>(-i * 7);
        }
        if constexpr (std::is_same_v<Base, MonoSound>)
            return std::make_shared<BasicSpy>(std::move(log), std::move(left), 44100, int16_t{2});
        else
            return std::make_shared<BasicSpy>(std::move(log), std::move(left), std::move(right), 44100, int16_t{2});
    }

    SoundPtr Volume(StopFlag* s, double f, int32_t b, int32_t e) const override
    {
        Record("Volume", f, b, e);
        return Spied(Base::Volume(s, f, b, e));
    }
    SoundPtr RollIn(StopFlag* s, double seconds, int32_t target, int32_t& b, int32_t& e) const override
    {
        Record("RollIn", seconds, target, b, e);
        return Spied(Base::RollIn(s, seconds, target, b, e));
    }
    SoundPtr RollOut(StopFlag* s, double seconds, double count, double start, int32_t& b, int32_t& e) const override
    {
        Record("RollOut", seconds, count, start, b, e);
        return Spied(Base::RollOut(s, seconds, count, start, b, e));
    }
    SoundPtr ResampleRange(StopFlag* s, double factor, int32_t& b, int32_t& e) const override
    {
        Record("ResampleRange", factor, b, e);
        return Spied(Base::ResampleRange(s, factor, b, e));
    }
    SoundPtr BlockHold(StopFlag* s, double seconds, int32_t levels, int32_t b, int32_t e) const override
    {
        Record("BlockHold", seconds, levels, b, e);
        return Spied(Base::BlockHold(s, seconds, levels, b, e));
    }
    SoundPtr FilterHighLow(StopFlag* s, HighLowFilter filter, double seconds, double factor, int32_t total,
                           int32_t now, int32_t b, int32_t e) const override
    {
        Record("FilterHighLow", seconds, factor, total, now, b, e);
        return Spied(Base::FilterHighLow(s, filter, seconds, factor, total, now, b, e));
    }
    SoundPtr MaxVolume70(StopFlag* s, int32_t b, int32_t e) const override
    {
        Record("MaxVolume70", b, e);
        return Spied(Base::MaxVolume70(s, b, e));
    }
    void MaxVolume70InPlace(StopFlag* s, int32_t b, int32_t e) override
    {
        Record("MaxVolume70InPlace", b, e);
        Base::MaxVolume70InPlace(s, b, e);
        depth = 0;
    }
    SoundPtr MakeSinus(StopFlag* s, int16_t h1, int16_t h2, double period, double periods, double start,
                       int32_t& b, int32_t& e) const override
    {
        Record("MakeSinus", h1, h2, period, periods, start, b, e);
        return Spied(Base::MakeSinus(s, h1, h2, period, periods, start, b, e));
    }
    SoundPtr MakeBlockTriangle(StopFlag* s, int16_t h1, int16_t h2, double period, double middle, double seconds,
                               double start, bool triangle, int32_t& b, int32_t& e) const override
    {
        Record("MakeBlockTriangle", h1, h2, period, middle, seconds, start, triangle, b, e);
        return Spied(Base::MakeBlockTriangle(s, h1, h2, period, middle, seconds, start, triangle, b, e));
    }
    SoundPtr TempoPitch(StopFlag* s, double speed, double start, double lengthFactor, double freq, double block,
                        uint8_t method, int32_t& b, int32_t& e) const override
    {
        Record("TempoPitch", speed, start, lengthFactor, freq, block, int(method), b, e);
        return Spied(Base::TempoPitch(s, speed, start, lengthFactor, freq, block, method, b, e));
    }
    SoundPtr PeriodEcho(StopFlag* s, double seconds, double volume, int32_t count, int32_t& b,
                        int32_t& e) const override
    {
        Record("PeriodEcho", seconds, volume, count, b, e);
        return Spied(Base::PeriodEcho(s, seconds, volume, count, b, e));
    }

    Log log;

private:
    template <class... Args>
    void Record(const char* name, Args... args) const
    {
        // Operations that call others on the same sound record only themselves.
        if (depth++ > 0)
            return;
        std::ostringstream text;
        text << name << "(";
        const char* separator = "";
        ((text << separator << args, separator = ", "), ...);
        text << ")";
        log->push_back(text.str());
    }
    // A result of the base operation, spied on too.
    SoundPtr Spied(const SoundPtr& made) const
    {
        depth = 0;
        if (const auto* mono = dynamic_cast<const MonoSound*>(made.get()))
            return std::make_shared<BasicSpy<MonoSound>>(log, RefPtr<Wave>(mono->GetWave()), made->sampleFreq,
                                                         made->bytesPerSample);
        if (const auto* stereo = dynamic_cast<const StereoSound*>(made.get()))
            return std::make_shared<BasicSpy<StereoSound>>(log, RefPtr<Wave>(stereo->GetWaveLeft()),
                                                           RefPtr<Wave>(stereo->GetWaveRight()), made->sampleFreq,
                                                           made->bytesPerSample);
        return made;
    }
    mutable int depth = 0;
};

using SpySound = BasicSpy<MonoSound>;
using StereoSpy = BasicSpy<StereoSound>;

// A factory with one built-in node whose inputs are given own values or
// waves through factory inputs, and whose outputs a test reads through
// factory outputs of the same names.
struct BuiltinFixture : ::testing::Test {
    FakeMainForm form;
    RecordingMessageService messages;
    TUnitSountory factory{"F", "f.qbf"};
    std::string error;
    StopFlag stop = 0;

    TSountoryNodeBuiltin& Node(uint8_t function, int operands = 2, const std::string& name = "N")
    {
        auto& node = factory.InsertNode(
            std::make_unique<TSountoryNodeBuiltin>(name, function, factory, TCanvasRect{10, 10, 90, 90}, false));
        node.CreateBuiltinPins(operands);
        return node;
    }
    static void Set(TSountoryNode& node, const std::string& name, double value, ValueType type = ValueType::Factor)
    {
        TSountoryNodeInput* pin = node.FindNodeInput(name, nullptr);
        ASSERT_NE(pin, nullptr) << name;
        pin->SetOwnValue({value, type}, EHNone);
    }
    void Feed(TSountoryNode& node, const std::string& name, SoundPtr sound)
    {
        TSountoryNodeInput* pin = node.FindNodeInput(name, nullptr);
        ASSERT_NE(pin, nullptr) << name;
        TSountoryInput& input = factory.CreateInput("in " + node.Name + "." + name, 0.5, 0, ValueDomType::Wave,
                                                    ValueDomain::AllValues);
        input.SetSound(std::move(sound));
        pin->SetSountoryInputSource(&input);
    }
    // A factory output fed by the node's output of that name; wave positions
    // arrive as counts.
    TSountoryOutput& Want(TSountoryNode& node, const std::string& name)
    {
        TSountoryNodeOutput* pin = node.FindNodeOutput(name, nullptr);
        EXPECT_NE(pin, nullptr) << name;
        ValueDomType kind = pin->ValueDomType == ValueDomType::WavePos ? ValueDomType::WaveCount : pin->ValueDomType;
        TSountoryOutput& output = factory.CreateOutput(node.Name + "." + name, 0.5, 0, kind, ValueDomain::AllValues);
        output.SetSountoryInputSource(pin);
        return output;
    }
    bool Run() { return factory.Run(error, &stop); }
    // Runs and gives the error without the node's prefix.
    std::string RunError()
    {
        if (Run())
            return "";
        const std::string prefix = "At Node \"N\" of Factory \"F\": ";
        return error.rfind(prefix, 0) == 0 ? error.substr(prefix.size()) : error;
    }
    double Read(const std::string& node, const std::string& name)
    {
        return factory.FindOutput(node + "." + name, nullptr)->GetValue().Value;
    }
    SoundPtr ReadSound(const std::string& node, const std::string& name)
    {
        return factory.FindOutput(node + "." + name, nullptr)->GetSound();
    }
    bool Validate(TSountoryNode& node) { return node.ValidateNode(error); }
};

inline std::string InputNames(const TSountoryNode& node)
{
    std::string names;
    for (const auto& pin : node.Inputs())
        names += (names.empty() ? "" : "; ") + pin->Name;
    return names;
}

inline SoundPtr StereoOf(int32_t count, int32_t frequency = 44100)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, count);
    RefPtr<Wave> right = NewWave(&stop, count);
    for (int32_t i = 0; i < count; ++i) {
        left->getData()[i] = static_cast<int16_t>(i);
        right->getData()[i] = static_cast<int16_t>(-i);
    }
    return std::make_shared<StereoSound>(left, right, frequency, 2);
}

inline SoundPtr MonoAt(int32_t count, int32_t frequency)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, count);
    for (int32_t i = 0; i < count; ++i)
        wave->getData()[i] = static_cast<int16_t>(100 + i);
    return std::make_shared<MonoSound>(wave, frequency, 2);
}
