#pragma once
#include "factory/document/FactoryValuesAsker.h"
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A node whose checks and computation a test scripts. By default it passes
// its checks and executes by giving each output a new marked mono wave of 10
// values, or the value 1.
class TScriptedNode : public TSountoryNode {
public:
    using Execution = std::function<bool(TScriptedNode&, StopFlag*, std::string&)>;

    TScriptedNode(std::string name, TUnitSountory& owner, TCanvasRect rect = {20, 10, 120, 60})
        : TSountoryNode(std::move(name), owner, rect)
    {
    }

    sntNodeKind GetSntNodeKind() const override { return sntNodeBuiltin; }
    std::unique_ptr<TXMLComplexElement> WriteKindXml() const override
    {
        auto kind = std::make_unique<TXMLComplexElement>("BuiltinNode");
        kind->AddItem(std::make_unique<TXMLStringElement>("NameBuiltinAction", "Plus"));
        return kind;
    }
    std::string GetDisplayName() const override { return "Scripted"; }
    bool ValidateNode(std::string& error) override
    {
        ++validations;
        if (refusal.empty())
            return true;
        error = refusal;
        return false;
    }
    bool CheckDefinition(std::string&) override { return true; }
    bool Execute(StopFlag* stop, std::string& error) override
    {
        ++executions;
        order.push_back(Name);
        if (onExecute)
            return onExecute(*this, stop, error);
        for (const auto& output : Outputs()) {
            if (output->IsWave()) {
                auto sound = std::make_shared<MonoSound>(44100, 2);
                sound->ownedByRun = 1;
                output->SetSound(sound);
            } else {
                output->SetValue({1, ValueType::Factor});
            }
        }
        return true;
    }
    void Redraw() override { ++redraws; }

    Execution onExecute;
    std::string refusal;
    int validations = 0;
    int executions = 0;
    int redraws = 0;
    // Names of the nodes in the order they executed, shared by a test.
    static inline std::vector<std::string> order;
};

// A switch whose computation passes the chosen input on.
class TScriptedSwitch : public TSountoryNodeBuiltin {
public:
    TScriptedSwitch(std::string name, TUnitSountory& owner)
        : TSountoryNodeBuiltin(std::move(name), FunctionSwitchWave, owner, {200, 10, 260, 60}, false)
    {
        AddInput("Switch", 0.2, 1, ValueDomType::Boolean, ValueDomain::AllValues);
        AddInput("When True", 0.5, 1, ValueDomType::Wave, ValueDomain::AllValues);
        AddInput("When False", 0.8, 1, ValueDomType::Wave, ValueDomain::AllValues);
        AddOutput("Result", 0.5, 1, ValueDomType::Wave, ValueDomain::AllValues);
    }
    bool ValidateNode(std::string&) override { return true; }
    bool Execute(StopFlag*, std::string&) override
    {
        const bool holds = FindNodeInput("Switch", nullptr)->GetValue().Value != 0;
        TSountoryNodeInput* chosen = FindNodeInput(holds ? "When True" : "When False", nullptr);
        chosen->TakeOverSourceSound();
        Outputs().front()->SetSound(chosen->GetSound());
        return true;
    }
};

// The main window as the factories see it: open waves and factories by name,
// and the stamps.
class FakeMainForm : public MainFormAccess {
public:
    FakeMainForm() { previous = SetMainFormAccess(this); }
    ~FakeMainForm() override { SetMainFormAccess(previous); }
    FakeMainForm(const FakeMainForm&) = delete;
    FakeMainForm& operator=(const FakeMainForm&) = delete;

    TUnitWave* FindUnitWave(const std::string& name) override
    {
        auto it = waves.find(name);
        return it == waves.end() ? nullptr : it->second;
    }
    TUnitSountory* FindUnitSountory(const std::string& name) override
    {
        auto it = factories.find(name);
        return it == factories.end() ? nullptr : it->second;
    }

    std::map<std::string, TUnitWave*> waves;
    std::map<std::string, TUnitSountory*> factories;

private:
    MainFormAccess* previous;
};

// A values dialog that answers from a script and remembers what it was shown.
class ScriptedAsker : public TFactoryValuesAsker {
public:
    bool AskTypes(const std::vector<TSountoryInput*>& inputs, TUnitSountory&) override
    {
        typeInputs = inputs;
        return typesOk;
    }
    bool AskValues(const std::vector<TSountoryInput*>& inputs, TUnitSountory&) override
    {
        valueInputs = inputs;
        if (fill)
            fill(inputs);
        return valuesOk;
    }

    bool typesOk = true;
    bool valuesOk = true;
    std::function<void(const std::vector<TSountoryInput*>&)> fill;
    std::vector<TSountoryInput*> typeInputs;
    std::vector<TSountoryInput*> valueInputs;
};

// A mono sound of count values at 44100 Hz.
inline SoundPtr MonoOf(int32_t count)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, count);
    for (int32_t i = 0; i < count; ++i)
        wave->getData()[i] = static_cast<int16_t>(i);
    return std::make_shared<MonoSound>(wave, 44100, 2);
}

inline TScriptedNode& AddScripted(TUnitSountory& factory, const std::string& name)
{
    return factory.InsertNode(std::make_unique<TScriptedNode>(name, factory));
}
