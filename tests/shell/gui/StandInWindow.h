#pragma once
#include "shell/CommandStates.h"
#include "shell/gui/MainForm.h"
#include "wave/document/FileUnit.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QWidget>

#include <memory>
#include <string>

// A document window of any kind without the real window of that kind: it owns
// its document and reports a scripted state to the action update.
class TStandInWindow : public TMDIChildQuarbel {
public:
    TStandInWindow(TMainForm& form, unsigned char kind, const std::string& name, const std::string& file = "")
        : TMDIChildQuarbel(form)
    {
        if (kind == 1)
            unit = std::make_unique<TUnitWave>(TWaveFileProps(2, 44100, 2), name, file);
        else
            unit = std::make_unique<TFileUnit>(kind);
        unit->SetName(name);
        unit->SetFileName(file);
        SetFileUnit(unit.get());
        setWidget(new QWidget);
        UpdateChildCaption();
        wave.values = 100;
        wave.hasContent = true;
    }
    ~TStandInWindow() override { unit.reset(); }

    TUnitWave* UnitWave() const { return dynamic_cast<TUnitWave*>(unit.get()); }
    TFileUnit& Unit() const { return *unit; }

    void FillCommandState(TCommandSnapshot& snapshot) const override
    {
        snapshot.wave = wave;
        snapshot.music = music;
    }
    bool NeedsSaving() const override { return needsSaving; }
    bool SaveDocument() override
    {
        ++saves;
        return saveSucceeds;
    }

    bool DrawsEnvelopeOf(const std::string& waveName) const override { return envelopeOf == waveName; }
    void RepaintViews() override { ++repaints; }

    TWaveCommandState wave;
    TMusicCommandState music;
    std::string envelopeOf;
    int repaints = 0;
    bool needsSaving = false;
    bool saveSucceeds = false;
    int saves = 0;

private:
    std::unique_ptr<TFileUnit> unit;
};
