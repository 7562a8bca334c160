// The factory document at scale: loading and saving a factory of 1000 nodes,
// and validating a chain of 10 000 nodes in which every node is fed twice by
// the one before it (followed path by path, 2^10000 walks).
#include "FactoryGrid.h"
#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using K = ValueDomType;
using D = ValueDomain;

// A node that passes its checks, standing in for a function that computes.
class TCheckedNode : public TSountoryNode {
public:
    TCheckedNode(std::string name, TUnitSountory& owner, const TCanvasRect& rect)
        : TSountoryNode(std::move(name), owner, rect)
    {
    }
    sntNodeKind GetSntNodeKind() const override { return sntNodeBuiltin; }
    std::unique_ptr<TXMLComplexElement> WriteKindXml() const override { return nullptr; }
    std::string GetDisplayName() const override { return ""; }
    bool ValidateNode(std::string&) override { return true; }
    bool CheckDefinition(std::string&) override { return true; }
    bool Execute(StopFlag*, std::string&) override { return true; }
};

std::string ThousandNodeFile()
{
    TUnitSountory factory("Factory 1", "");
    FillNodeGrid(factory, 1000);
    return DocumentBytes(*CreateXmlTree(factory), FactoryFileSuffix);
}

void BM_LoadThousandNodeFactory(benchmark::State& state)
{
    BuildFactoryGrammar();
    const std::string bytes = ThousandNodeFile();
    for (auto _ : state) {
        auto factory = std::make_unique<TUnitSountory>("Factory 1", "");
        std::string error;
        if (!factory->LoadFromBytes(bytes, error))
            state.SkipWithError(error.c_str());
        state.PauseTiming();
        factory.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadThousandNodeFactory)->Unit(benchmark::kMillisecond);

void BM_SaveThousandNodeFactory(benchmark::State& state)
{
    const std::string file = (std::filesystem::temp_directory_path() / "bench_factory_graph.qbf").string();
    TUnitSountory factory("Factory 1", file);
    FillNodeGrid(factory, 1000);
    for (auto _ : state)
        if (!factory.Save())
            state.SkipWithError("save failed");
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveThousandNodeFactory)->Unit(benchmark::kMillisecond);

void BM_ValidateChainFedTwice(benchmark::State& state)
{
    TUnitSountory factory("Factory 1", "");
    TSountoryNodeOutput* previous = nullptr;
    for (int i = 0; i < 10000; ++i) {
        auto& node = factory.InsertNode(std::make_unique<TCheckedNode>("N" + std::to_string(i), factory,
                                                                       TCanvasRect{15, 5, 85, 45}));
        TSountoryNodeInput& a = node.AddInput("A", 0.25, 0, K::Wave, D::AllValues);
        TSountoryNodeInput& b = node.AddInput("B", 0.75, 0, K::Wave, D::AllValues);
        if (previous) {
            a.SetSource(previous);
            b.SetSource(previous);
        }
        previous = &node.AddOutput("Out", 0.5, 0, K::Wave, D::AllValues);
    }
    factory.CreateOutput("Result", 0.5, 0, K::Wave, D::AllValues).SetSource(previous);
    int32_t stamp = 0;
    for (auto _ : state) {
        std::string error;
        if (!factory.Validate(++stamp, error))
            state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_ValidateChainFedTwice)->Unit(benchmark::kMillisecond);

} // namespace
