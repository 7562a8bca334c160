#include "DocumentFakes.h"
#include "foundation/xml/XMLItem.h"
#include "wave/MainFormAccess.h"
#include "wave/document/UnitUnitWave.h"
#include "wave/document/WaveComboAccess.h"

#include <gtest/gtest.h>

TEST(FileUnit, FileAndTempFileElements)
{
    DocumentFixture f(RampSound(10), "");
    TUnitWave& u = *f.unit;
    EXPECT_EQ(u.GetKind(), UnitKindWave);
    EXPECT_TRUE(u.HasNoFileName());
    EXPECT_EQ(u.WriteFileXml(), nullptr);
    EXPECT_EQ(u.WriteTempFileXml(), nullptr);
    u.SetTempFileNumber(0);
    std::unique_ptr<TXMLItem> temp = u.WriteTempFileXml();
    ASSERT_TRUE(temp);
    EXPECT_EQ(temp->GetElement(), "TempFile");
    EXPECT_EQ(temp->GetValue(), "0");

    u.SetFileName("take.wav");
    std::unique_ptr<TXMLItem> file = u.WriteFileXml();
    ASSERT_TRUE(file);
    EXPECT_EQ(file->GetElement(), "File");
    EXPECT_EQ(file->GetValue(), "take.wav");
    EXPECT_EQ(f.window.calls.back(), "UpdateChildCaption");
}

TEST(FileUnit, RenamingTellsTheWindowTheOldName)
{
    DocumentFixture f(RampSound(10));
    f.unit->SetName("Drums");
    EXPECT_EQ(f.unit->GetName(), "Drums");
    EXPECT_EQ(f.window.calls.back(), "NameChanged Wave 1");

    // A document is named before it has a window.
    TUnitWave lone(RampSound(10), "", "");
    lone.SetName("Wave 2");
    EXPECT_EQ(lone.GetName(), "Wave 2");
    EXPECT_EQ(f.messages.Count(), 0u);
}

namespace {
class FakeCombo : public WaveComboAccess {
public:
    WaveNameList items;
    int index = -1;
    int GetCount() const override { return static_cast<int>(items.size()); }
    WaveNameItem GetItem(int i) const override { return items[static_cast<size_t>(i)]; }
    int GetItemIndex() const override { return index; }
    void SetItemIndex(int i) override { index = i; }
};

class FindingMainForm : public MainFormAccess {
public:
    TUnitWave* unit = nullptr;
    TUnitWave* FindUnitWave(const std::string& name) override
    {
        return unit && unit->GetName() == name ? unit : nullptr;
    }
};
} // namespace

TEST(UnitUnitWave, ComboBoxAndLookUp)
{
    DocumentFixture f(RampSound(10));
    TUnitWave& drums = *f.unit;
    FakeCombo combo;
    combo.items = {{"Bass", nullptr}, {"Wave 1", &drums}};

    unitUnitWave reference;
    bool valid = true;
    reference.ReadFromComboBox(valid, combo, "Envelope");
    EXPECT_FALSE(valid);
    ASSERT_EQ(f.messages.Count(), 1u);
    EXPECT_EQ(f.messages.Last().text, "In Envelope: You have to select a Wave");
    EXPECT_EQ(f.messages.Last().caption, "Input Error");
    reference.ReadFromComboBox(valid, combo, "Envelope"); // already invalid: nothing
    EXPECT_EQ(f.messages.Count(), 1u);

    valid = true;
    combo.index = 1;
    reference.ReadFromComboBox(valid, combo, "Envelope");
    EXPECT_TRUE(valid);
    EXPECT_EQ(reference.GetName(), "Wave 1");
    EXPECT_EQ(reference.GetUnitWave(), &drums);
    EXPECT_EQ(reference.GetSound(), drums.GetSound());

    // Equal by name only.
    unitUnitWave byName("Wave 1");
    EXPECT_TRUE(byName == reference);
    EXPECT_EQ(byName.GetSound(), nullptr);

    FakeCombo other;
    other.items = combo.items;
    unitUnitWave("Gone").SelectInComboBox(other);
    unitUnitWave().SelectInComboBox(other);
    EXPECT_EQ(other.index, -1);
    byName.SelectInComboBox(other);
    EXPECT_EQ(other.index, 1);

    FindingMainForm mainForm;
    mainForm.unit = &drums;
    MainFormAccess* previous = SetMainFormAccess(&mainForm);
    std::string error;
    EXPECT_EQ(byName.FindUnitWave(error), &drums);
    drums.SetName("Drums");
    EXPECT_EQ(byName.FindUnitWave(error), nullptr);
    EXPECT_EQ(error, "Cannot find window \"Wave 1\".");
    SetMainFormAccess(previous);
}
