#include "factory/document/UnitSountory.h"
#include "factory/graph/SountoryOutput.h"
#include "factory/gui/FactoryView.h"
#include "factory/gui/MDIChildFact.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "platform/RecordingMessageService.h"
#include "platform/WorkProgress.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The states of both nodes each time the window painted.
struct PaintRecorder : QObject {
    std::vector<const TSountoryNode*> nodes;
    std::vector<std::vector<uint8_t>> painted;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            std::vector<uint8_t> states;
            for (const TSountoryNode* node : nodes)
                states.push_back(node->RunState);
            painted.push_back(states);
        }
        return false;
    }
    size_t Count() const { return painted.size(); }
};

// A note player's factory on the screen: "Make New Wave" makes an empty mono
// wave, "Make Sinus" a sine on it, which is the factory's "Wave".
struct FactoryRunPaintTest : ::testing::Test {
    FactoryRunPaintTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        factory = NewUnitSountory(form, 2, nullptr);
        window = ActiveFactWindow(form);
        window->resize(700, 500);
        newWave = &factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("New", 36, *factory, TCanvasRect{20, 20, 160, 120}, true));
        sinus = &factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("Sine", 30, *factory, TCanvasRect{220, 20, 380, 160}, true));
        Value(*newWave, "Sample Frequency", 44100, ValueType::WaveSampleFrequency);
        Value(*newWave, "Bytes Per Sample", 2, ValueType::WaveBytesPerSample);
        Value(*newWave, "Mono Stereo", 1, ValueType::WaveMonoStereo);
        Value(*newWave, "Length", 0, ValueType::Time);
        sinus->FindNodeInput("Wave", nullptr)->SetSource(newWave->FindNodeOutput("Result", nullptr));
        Value(*sinus, "Height 1", 8000, ValueType::WaveValue);
        Value(*sinus, "Height 2", -8000, ValueType::WaveValue);
        Value(*sinus, "Frequency", 1.0 / 440, ValueType::Time);
        Value(*sinus, "Start Position", 0, ValueType::Factor);
        SineSeconds(0.01);
        factory->FindOutput("Wave", nullptr)->SetSource(sinus->FindNodeOutput("Result", nullptr));
        window->Invalidate();
        recorder.nodes = {newWave, sinus};
        Viewport()->installEventFilter(&recorder);
        // The first paint of the window is over before a run starts.
        EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.Count() > 0; }));
        QApplication::processEvents();
        recorder.painted.clear();
    }

    static void Value(TSountoryNode& node, const char* pin, double value, ValueType type)
    {
        node.FindNodeInput(pin, nullptr)->SetOwnValue({value, type}, EHNone);
    }
    void SineSeconds(double seconds) { Value(*sinus, "Length", seconds, ValueType::Time); }
    QWidget* Viewport() const { return window->View()->viewport(); }

    // One run as a note's: validated, run, its sounds let go.
    void RunOnce()
    {
        std::string error;
        StopFlag stop = 0;
        ASSERT_TRUE(factory->Validate(form.NextValidationStamp(), error)) << error;
        ASSERT_TRUE(factory->Run(error, &stop)) << error;
        ASSERT_TRUE(factory->FindOutput("Wave", nullptr)->GetSound());
        factory->ReleaseRunSounds();
    }

    const std::vector<uint8_t> BothDone{sntRunDone, sntRunDone};

    RecordingMessageService messages;
    TMainForm form;
    TUnitSountory* factory = nullptr;
    TMDIChildFact* window = nullptr;
    TSountoryNode* newWave = nullptr;
    TSountoryNode* sinus = nullptr;
    PaintRecorder recorder;
};

} // namespace

TEST_F(FactoryRunPaintTest, ManyRunsPaintTheStatesOnceTheEventsAreServed)
{
    // A render runs the factory for every note between two turns of the
    // event loop: the window asks for its paint and paints nothing meanwhile.
    for (int run = 0; run < 200; ++run)
        RunOnce();
    EXPECT_EQ(recorder.Count(), 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.Count() > 0; }));
    EXPECT_EQ(recorder.painted.back(), BothDone);
    QApplication::processEvents();
    EXPECT_LE(recorder.Count(), 2u);
}

TEST_F(FactoryRunPaintTest, RunsWithTheEventsServedBetweenThemPaintAtTheScreensPace)
{
    // As the progress window serves the events during a render: after every
    // run. The states are painted at most once a frame, however many runs
    // fall into it; the bound grows with the time taken, so a slow machine
    // only loosens it.
    QElapsedTimer clock;
    clock.start();
    for (int run = 0; run < 200; ++run) {
        RunOnce();
        QApplication::processEvents();
    }
    const qint64 elapsed = clock.elapsed();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.empty() && recorder.painted.back() == BothDone; }));
    const qint64 frames = clock.elapsed() / window->View()->RunPaintInterval();
    EXPECT_LE(static_cast<qint64>(recorder.Count()), frames + 2) << "in " << elapsed << " ms of runs";
}

TEST_F(FactoryRunPaintTest, ASlowRunShowsTheNodeRunningWhileItRuns)
{
    // The long sine serves the events as the progress window does, until the
    // window has painted the sine running, or the run is over.
    struct ServingWatcher : WorkProgress {
        ServingWatcher(const PaintRecorder& recorder, const TSountoryNode& sinus)
            : recorder(recorder), sinus(sinus), previous(WatchWork(this))
        {
        }
        ~ServingWatcher() override { WatchWork(previous); }
        bool StopWanted(int64_t, int64_t) override
        {
            if (!seen && sinus.RunState == sntRunRunning)
                seen = QTest::qWaitFor([&] {
                    return !recorder.painted.empty() && recorder.painted.back()[1] == sntRunRunning;
                });
            return false;
        }
        const PaintRecorder& recorder;
        const TSountoryNode& sinus;
        WorkProgress* previous;
        bool seen = false;
    };
    SineSeconds(2.0);
    {
        ServingWatcher watcher(recorder, *sinus);
        RunOnce();
        EXPECT_TRUE(watcher.seen);
    }
    // The sine was painted running beside the empty wave done, and the end is painted.
    const std::vector<uint8_t> sineRunning{sntRunDone, sntRunRunning};
    EXPECT_NE(std::find(recorder.painted.begin(), recorder.painted.end(), sineRunning), recorder.painted.end());
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.painted.back() == BothDone; }));
}
