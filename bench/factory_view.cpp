// The factory window's paint: a full offscreen paint of a factory of 200
// built-in nodes and 400 connections through the canvas on QPainter, as the
// window paints it (names, functions, pictures, pins with their labels,
// connection arrows), into an image that holds the whole frame.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/gui/ToolBarIcons.h"
#include "platform/qt/QtCanvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// 20 columns of 10 Plus nodes, 160 by 68; each node's two operands are fed by
// the two nodes before it: 400 connections, some across rows.
std::unique_ptr<TUnitSountory> TwoHundredNodes()
{
    auto factory = std::make_unique<TUnitSountory>("Factory 1", "");
    factory->SetNodesCombination(NodesOverlap);
    factory->SetupKindInputsOutputs(1, nullptr);
    factory->SetFrameRect(23, 3, 23 + 20 * 200 + 30, 3 + 10 * 90 + 20);
    TSountoryInputSource* before[2] = {&factory->CreateInput("A", 0.3, 0, K::Factor, D::AllValues),
                                      &factory->CreateInput("B", 0.6, 0, K::Factor, D::AllValues)};
    for (int i = 0; i < 200; ++i) {
        const int column = i / 10;
        const int row = i % 10;
        const TCanvasRect rect{15 + column * 200, 5 + row * 90, 15 + column * 200 + 160, 5 + row * 90 + 68};
        auto& node = factory->InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("Plus " + std::to_string(i + 1), 40, *factory, rect, true));
        node.FindNodeInput("Operand 1", nullptr)->SetSource(before[0]);
        node.FindNodeInput("Operand 2", nullptr)->SetSource(before[1]);
        before[0] = before[1];
        before[1] = node.FindNodeOutput("Expression", nullptr);
    }
    return factory;
}

void BM_PaintTwoHundredNodeFactory(benchmark::State& state)
{
    std::unique_ptr<TUnitSountory> factory = TwoHundredNodes();
    const TCanvasRect frame = factory->GetFrameRect();
    QImage image(frame.Right + 30, frame.Bottom + 10, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::lightGray);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        canvas.SetPictureSource([](int32_t number) { return FactoryPictureBitmap(number); });
        factory->Draw(canvas);
    }
    state.counters["nodes"] = static_cast<double>(factory->Nodes().size());
    state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
}
BENCHMARK(BM_PaintTwoHundredNodeFactory)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Fonts need the GUI's application object; no screen is needed.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
