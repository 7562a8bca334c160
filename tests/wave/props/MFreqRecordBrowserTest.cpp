#include "platform/Assertions.h"
#include "platform/RecordingMessageService.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/props/MFreqProps.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
// The five edits of the dialog, reduced to the frequency; empty means refused.
class FakeMFreqDialog : public TMFreqRecordEditor {
public:
    std::optional<double> frequency;
    bool defaultFrequency = false;
    int32_t count = 0;
    bool canPaste = false;

    bool ReadRecordEdits(std::unique_ptr<TMFreqBrowseRecord>& record) override
    {
        if (!frequency)
            return false;
        record = std::make_unique<TMFreqBrowseRecord>();
        record->Frequency.SetValue(*frequency);
        return true;
    }
    void ShowRecordEdits(const TMFreqBrowseRecord& record) override { frequency = record.Frequency.GetValue(); }
    void ClearRecordEdits() override
    {
        if (!defaultFrequency)
            frequency.reset();
    }
    void ShowNavigator(int32_t c, int32_t, bool, bool, bool, bool paste) override
    {
        count = c;
        canPaste = paste;
    }
};

std::vector<double> Frequencies(const TMFreqProps& props)
{
    std::vector<double> result;
    for (const TBrowseRecord* r = props.Records.GetFirstRecord(); r; r = r->GetNext())
        result.push_back(static_cast<const TMFreqBrowseRecord*>(r)->Frequency.GetValue());
    return result;
}
} // namespace

TEST(MFreqRecordBrowser, DialogEditsTheCopyOnly)
{
    TMFreqProps kept;
    TMFreqProps working = kept;
    FakeMFreqDialog dialog;
    working.Records.Open(&dialog);
    EXPECT_DOUBLE_EQ(*dialog.frequency, 0.001); // the default component is shown
    EXPECT_EQ(dialog.count, 1);

    working.Records.Append();
    EXPECT_FALSE(dialog.frequency); // Frequency has no Default tick: emptied
    working.Records.Prior();        // refused: stays on the new component
    EXPECT_EQ(working.Records.GetCursor(), 1);
    dialog.frequency = 0.002;
    ASSERT_TRUE(working.Records.CloseOk());

    EXPECT_EQ(Frequencies(working), (std::vector<double>{0.001, 0.002}));
    EXPECT_EQ(Frequencies(kept), (std::vector<double>{0.001}));

    // The command reads the components in list order.
    RecordingMessageService messages;
    TUnitWave unit(std::make_shared<MonoSound>(1000, 2), "Wave 1", "");
    unit.MakeMFreq(working);
    EXPECT_EQ(Frequencies(unit.MFreqProps), (std::vector<double>{0.001, 0.002}));
    EXPECT_NEAR(unit.GetValues(), 3000, 1);
}

TEST(MFreqRecordBrowser, DefaultTickKeepsTheTextForTheNewComponent)
{
    TMFreqProps props;
    FakeMFreqDialog dialog;
    dialog.defaultFrequency = true;
    props.Records.Open(&dialog);
    props.Records.Insert();
    EXPECT_DOUBLE_EQ(*dialog.frequency, 0.001);
    dialog.frequency = 0.005;
    props.Records.CopyRecord();
    EXPECT_TRUE(dialog.canPaste);
    props.Records.CloseCancel(); // the shown edit was never applied
    EXPECT_EQ(props.Records.GetCount(), 2);
    EXPECT_EQ(Frequencies(props).size(), 2u);
}

// Internal faults name their condition as written: NULL, not nullptr.
TEST(MFreqRecordBrowser, InternalFaultsShowTheirConditionTexts)
{
    {
        ThrowOnFatalAssertion fatal;
        TMFreqProps props; // never opened on a dialog
        try {
            props.Records.CopyRecord();
            ADD_FAILURE() << "no assertion";
        } catch (const FatalAssertion& failure) {
            EXPECT_EQ(failure.condition, "DlgMFreqProps != NULL");
        }
    }

    // A component that is not a multi-frequency record: the box, and no wave.
    struct Foreign : TBrowseRecord {
        std::unique_ptr<TBrowseRecord> Clone() const override { return std::make_unique<Foreign>(); }
    };
    TMFreqProps props;
    props.Records.SetRecords(std::make_unique<Foreign>(), 0);
    RecordingMessageService messages;
    TUnitWave unit(std::make_shared<MonoSound>(1000, 2), "Wave 1", "");
    unit.MakeMFreq(props);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");
    EXPECT_NE(messages.Last().text.find("\"mFreqBrowseRecord != NULL\""), std::string::npos) << messages.Last().text;
    EXPECT_EQ(unit.GetValues(), 0);
}
