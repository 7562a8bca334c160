#pragma once
// Player tests run without a main window: a fake registry of open waves,
// factories and player sets, samples made in code and note-player factories
// whose one node a test scripts.
#include "factory/FactoryTestSupport.h"

#include "music/CompoundPlayer.h"
#include "music/UnitPlayers.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The open documents as the players find them, by name.
class FakePlayersForm : public MainFormAccess {
public:
    FakePlayersForm() { previous = SetMainFormAccess(this); }
    ~FakePlayersForm() override { SetMainFormAccess(previous); }
    FakePlayersForm(const FakePlayersForm&) = delete;
    FakePlayersForm& operator=(const FakePlayersForm&) = delete;

    TUnitWave* FindUnitWave(const std::string& name) override
    {
        auto it = waves.find(name);
        return it == waves.end() ? nullptr : it->second.get();
    }
    TUnitSountory* FindUnitSountory(const std::string& name) override
    {
        auto it = factories.find(name);
        return it == factories.end() ? nullptr : it->second;
    }
    TUnitPlayers* FindUnitPlayers(const std::string& name) override
    {
        auto it = sets.find(name);
        return it == sets.end() ? nullptr : it->second;
    }
    int AddWaveNames(WaveNameList& list, uint8_t) override
    {
        for (const auto& [name, unit] : waves)
            list.push_back({name, unit.get()});
        return static_cast<int>(waves.size());
    }
    int AddMusicFactoryNames(std::vector<std::string>& list, uint8_t) override
    {
        for (const auto& [name, factory] : factories)
            list.push_back(name);
        return static_cast<int>(factories.size());
    }

    // A wave window of that name around the sound, with a selection when begin < end.
    TUnitWave& AddWave(const std::string& name, SoundPtr sound, int32_t begin = 0, int32_t end = 0)
    {
        auto unit = std::make_unique<TUnitWave>(std::move(sound), name, "");
        if (begin < end)
            unit->SetSelection(begin, end);
        TUnitWave& added = *unit;
        waves[name] = std::move(unit);
        return added;
    }

    std::map<std::string, std::unique_ptr<TUnitWave>> waves;
    std::map<std::string, TUnitSountory*> factories;
    std::map<std::string, TUnitPlayers*> sets;

private:
    MainFormAccess* previous;
};

// A mono sound of count samples at sampleFreq, every sample value.
inline SoundPtr ConstantMono(int32_t count, int32_t sampleFreq, int16_t value)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, count);
    for (int32_t i = 0; i < count; ++i)
        wave->getData()[i] = value;
    return std::make_shared<MonoSound>(wave, sampleFreq, 2);
}

// A mono sine of count samples at sampleFreq with the given cycles per second.
inline SoundPtr SineMono(int32_t count, int32_t sampleFreq, double frequency, double amplitude = 10000)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, count);
    for (int32_t i = 0; i < count; ++i)
        wave->getData()[i] =
            static_cast<int16_t>(std::lround(amplitude * std::sin(2 * 3.14159265358979 * frequency * i / sampleFreq)));
    return std::make_shared<MonoSound>(wave, sampleFreq, 2);
}

// A note-player factory "name" with its standard inputs and outputs and one
// scripted node "Note" whose output "Out" feeds the output "Wave"; the node
// sees the Frequency input at its input "Frequency". By default it makes a
// marked mono sound of the given sound.
struct NoteFactory {
    explicit NoteFactory(const std::string& name) : factory(name, "")
    {
        factory.SetupKindInputsOutputs(2, nullptr);
        TScriptedNode& made = AddScripted(factory, "Note");
        made.AddInput("Frequency", 0.5, 0, ValueDomType::Frequency, ValueDomain::AllValues);
        made.AddOutput("Out", 0.5, 0, ValueDomType::Wave, ValueDomain::AllValues);
        made.Inputs().front()->SetSource(factory.FindInput("Frequency", nullptr));
        factory.FindOutput("Wave", nullptr)->SetSource(made.Outputs().front().get());
        node = &made;
        node->onExecute = [this](TScriptedNode& self, StopFlag*, std::string&) {
            frequencies.push_back(self.Inputs().front()->GetValue().Value);
            SoundPtr sound = made_sound ? made_sound : ConstantMono(100, 1000, 1000);
            sound->ownedByRun = 1;
            self.Outputs().front()->SetSound(sound);
            return true;
        };
    }

    TUnitSountory factory;
    TScriptedNode* node = nullptr;
    SoundPtr made_sound;
    std::vector<double> frequencies;
};

// A note of frequency hertz, lasting seconds at one second per whole note.
inline TPlayedNote NoteOf(double frequency, double seconds)
{
    TPlayedNote note;
    note.Period = 1 / frequency;
    note.PlayLength = seconds;
    note.Tempo = 1.0;
    return note;
}

// A player of the given parts, in order.
inline std::unique_ptr<TCompoundPlayer> PlayerOf(const std::string& name,
                                                 std::vector<std::unique_ptr<TOnePlayer>> parts)
{
    auto player = std::make_unique<TCompoundPlayer>(name);
    for (auto& part : parts)
        player->InsertOnePlayer(player->GetLastOnePlayer(), std::move(part));
    player->SetCurrentOnePlayer(player->GetFirstOnePlayer());
    return player;
}

// A part at 100 % with the frequency factor and addition, balance off.
inline std::unique_ptr<TOnePlayer> PartOf(double freqFactor = 1.0, double freqUp = 0.0, double volume = 1.0)
{
    return std::make_unique<TOnePlayer>(unitFactor(volume, EHNone), unitFreq(freqUp, EHHZ),
                                        unitFactor(freqFactor, EHNone), false, unitBalAngleFactor(0.0, EHNone), 1,
                                        false);
}

inline std::unique_ptr<TOnePlayer> FactoryPart(const std::string& factory, double freqFactor = 1.0,
                                               double freqUp = 0.0)
{
    auto part = PartOf(freqFactor, freqUp);
    part->SetFactoryPlayerProps(TFactoryPlayerProps(factory));
    return part;
}

// The samples of one channel.
inline std::vector<int16_t> Samples(const Sound& sound, int side = 0)
{
    const Wave* wave = side == 0 ? sound.GetLeftWave() : sound.GetRightWave();
    return std::vector<int16_t>(wave->getData(), wave->getData() + wave->getValues());
}
