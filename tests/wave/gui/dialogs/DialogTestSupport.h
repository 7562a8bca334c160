#pragma once
#include "platform/RecordingMessageService.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveFileProps.h"
#include "wave/gui/dialogs/WaveComboBox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

// Open waves as the dialogs' combos see them: named documents, the first one
// counting as the active window's.
class FakeOpenWaves : public MainFormAccess {
public:
    FakeOpenWaves() { previous = SetMainFormAccess(this); }
    ~FakeOpenWaves() override { SetMainFormAccess(previous); }
    FakeOpenWaves(const FakeOpenWaves&) = delete;
    FakeOpenWaves& operator=(const FakeOpenWaves&) = delete;

    TUnitWave* Add(const std::string& name, int channels = 1, int32_t values = 100)
    {
        StopFlag stop = 0;
        SoundPtr sound;
        if (channels == 1)
            sound = std::make_shared<MonoSound>(NewWave(&stop, values), 44100, 2);
        else
            sound = std::make_shared<StereoSound>(NewWave(&stop, values), NewWave(&stop, values), 44100, 2);
        units.push_back(std::make_unique<TUnitWave>(sound, name, ""));
        return units.back().get();
    }

    TUnitWave* FindUnitWave(const std::string& name) override
    {
        for (auto& unit : units)
            if (unit->GetName() == name)
                return unit.get();
        return nullptr;
    }
    int AddWaveNames(WaveNameList& list, uint8_t filter) override
    {
        int added = 0;
        for (size_t i = 0; i < units.size(); ++i) {
            TUnitWave* unit = units[i].get();
            if (filter != 0 && i == 0)
                continue;
            if ((filter == 2 && unit->GetMonoStereo() != 1) || (filter == 3 && unit->GetMonoStereo() != 2))
                continue;
            list.push_back({unit->GetName(), unit});
            ++added;
        }
        return added;
    }

    std::vector<std::unique_ptr<TUnitWave>> units;

private:
    MainFormAccess* previous;
};

inline void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
}

// Chooses an item as the user does, so the combo's change notice goes out.
inline void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The waves most dialog tests offer: the active window's, a stereo one and a
// mono one, in that order.
struct ThreeOpenWavesTest : ::testing::Test {
    ThreeOpenWavesTest()
    {
        waves.Add("Wave 1"); // the active window's
        waves.Add("Stereo", 2);
        waves.Add("Mono");
    }
    RecordingMessageService messages;
    FakeOpenWaves waves;
};

// Presses OK; true when the dialog closed with OK.
inline bool PressOK(QDialog& dialog)
{
    dialog.setResult(QDialog::Rejected);
    static_cast<QPushButton*>(dialog.findChild<QPushButton*>("OKBtn"))->click();
    return dialog.result() == QDialog::Accepted && !dialog.isVisible();
}

inline bool Starts(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// The radio button of a radio group's item.
inline QRadioButton* Item(QGroupBox* group, int index)
{
    return group->findChildren<QRadioButton*>()[index];
}
