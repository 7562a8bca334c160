#include "foundation/browser/RecordBrowser.h"
#include "platform/Assertions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct IntRecord : TBrowseRecord {
    explicit IntRecord(int v) : value(v) {}
    std::unique_ptr<TBrowseRecord> Clone() const override { return std::make_unique<IntRecord>(value); }
    int value;
};

struct Navigator {
    int count = 0, position = 0;
    bool back = false, forward = false, canDelete = false, canPaste = false;
};

// The "controls" are one optional number: empty means the user's text is invalid.
class IntBrowser : public TRecordBrowser {
public:
    IntBrowser() { SetRecords(std::make_unique<IntRecord>(0), 0); }

    using TRecordBrowser::GoTo;

    std::optional<int> edit;
    Navigator nav;
    int opened = 0;

    std::vector<int> Values() const
    {
        std::vector<int> result;
        for (const TBrowseRecord* r = GetFirstRecord(); r; r = r->GetNext())
            result.push_back(static_cast<const IntRecord*>(r)->value);
        return result;
    }
    bool LinksConsistent() const
    {
        const TBrowseRecord* prev = nullptr;
        for (const TBrowseRecord* r = GetFirstRecord(); r; r = r->GetNext()) {
            if (r->GetPrev() != prev)
                return false;
            prev = r;
        }
        return true;
    }

protected:
    void OnCloseOk() override {}
    void OnCloseCancel() override {}
    void OnOpen(TBrowseEditor*) override { ++opened; }
    bool ReadEdit(std::unique_ptr<TBrowseRecord>& record) override
    {
        if (!edit)
            return false;
        record = std::make_unique<IntRecord>(*edit);
        return true;
    }
    void ShowEdit(const TBrowseRecord& record) override { edit = static_cast<const IntRecord&>(record).value; }
    void ClearEdit() override { edit.reset(); }
    std::unique_ptr<TBrowseRecord> NewRecord() override { return std::make_unique<IntRecord>(-1); }
    void ShowNavigator(int32_t count, int32_t position, bool back, bool forward, bool canDelete,
                       bool canPaste) override
    {
        nav = {count, position, back, forward, canDelete, canPaste};
    }
};

} // namespace

TEST(RecordBrowser, NavigatorOffersOnlyWhatIsPossible)
{
    IntBrowser b;
    b.Open(nullptr);
    EXPECT_EQ(b.opened, 1);
    EXPECT_EQ(b.nav.count, 1);
    EXPECT_FALSE(b.nav.canDelete);
    EXPECT_FALSE(b.nav.back);
    EXPECT_FALSE(b.nav.forward);

    b.edit = 10;
    b.Append();
    EXPECT_FALSE(b.edit.has_value()); // cleared for the new record
    EXPECT_EQ(b.nav.count, 2);
    EXPECT_EQ(b.nav.position, 2);
    EXPECT_TRUE(b.nav.back);
    EXPECT_FALSE(b.nav.forward);
    EXPECT_TRUE(b.nav.canDelete);
}

TEST(RecordBrowser, EveryMoveAppliesTheEditFirstAndARefusedEditKeepsTheRecord)
{
    IntBrowser b;
    b.Open(nullptr);
    b.edit = 1;
    b.Append();
    b.edit = 2;
    b.Prior(); // applies 2 to the appended record
    EXPECT_EQ(b.Values(), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.GetCursor(), 0);
    EXPECT_EQ(b.edit, 1);

    b.edit.reset(); // invalid text
    b.Next();
    EXPECT_EQ(b.GetCursor(), 0);
    EXPECT_EQ(b.Values(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(b.LinksConsistent());
}

TEST(RecordBrowser, InsertAppendDeleteKeepTheListLinked)
{
    IntBrowser b;
    b.Open(nullptr);
    b.edit = 5;
    b.Insert(); // new record before the first, becomes head at cursor 0
    b.edit = 4;
    b.Last();
    EXPECT_EQ(b.Values(), (std::vector<int>{4, 5}));
    EXPECT_EQ(b.GetCursor(), 1);
    b.Append();
    b.edit = 6;
    b.First();
    EXPECT_EQ(b.Values(), (std::vector<int>{4, 5, 6}));
    EXPECT_TRUE(b.LinksConsistent());

    // Delete the first: its successor becomes current at the same cursor.
    b.Delete();
    EXPECT_EQ(b.Values(), (std::vector<int>{5, 6}));
    EXPECT_EQ(b.GetCursor(), 0);
    EXPECT_EQ(b.edit, 5);
    // Delete the last: the one before becomes current.
    b.Last();
    b.Delete();
    EXPECT_EQ(b.Values(), (std::vector<int>{5}));
    EXPECT_EQ(b.GetCursor(), 0);
    // The last record is never deleted.
    b.Delete();
    EXPECT_EQ(b.Values(), (std::vector<int>{5}));
    EXPECT_TRUE(b.LinksConsistent());

    b.Append();
    b.edit = 7;
    b.DeleteAll();
    EXPECT_EQ(b.Values(), (std::vector<int>{-1}));
    EXPECT_EQ(b.nav.count, 1);
}

TEST(RecordBrowser, CopyOfAnInvalidEditHoldsNothingToPaste)
{
    IntBrowser b;
    b.Open(nullptr);
    b.edit.reset();
    b.CopyRecord();
    EXPECT_FALSE(b.nav.canPaste);
    b.edit = 9;
    b.CopyRecord();
    EXPECT_TRUE(b.nav.canPaste);
    b.edit = 3;
    b.PasteRecord();
    EXPECT_EQ(b.edit, 9);
    EXPECT_EQ(b.Values(), (std::vector<int>{0})); // only the next apply changes the list
}

TEST(RecordBrowser, CloseOkAppliesAndClosedBrowserIsReadInOrder)
{
    IntBrowser b;
    b.Open(nullptr);
    b.edit = 1;
    b.Append();
    b.edit = 2;
    b.Append();
    b.edit.reset();
    EXPECT_FALSE(b.CloseOk());
    EXPECT_TRUE(b.GetIsOpen());
    b.edit = 3;
    EXPECT_TRUE(b.CloseOk());
    EXPECT_FALSE(b.GetIsOpen());
    EXPECT_EQ(b.GetCount(), 3);
    std::vector<int> read;
    do {
        read.push_back(static_cast<const IntRecord*>(b.GetRecord())->value);
    } while (b.NextRecord());
    EXPECT_EQ(read, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(b.NextRecord());
}

TEST(RecordBrowser, CopiesAreIndependent)
{
    IntBrowser a;
    a.Open(nullptr);
    a.edit = 1;
    a.Append();
    a.edit = 2;
    ASSERT_TRUE(a.CloseOk());

    IntBrowser b;
    b = a;
    IntBrowser c(a);
    EXPECT_EQ(b.Values(), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.GetCursor(), 1);
    b.Open(nullptr);
    b.edit = 20;
    ASSERT_TRUE(b.CloseOk());
    EXPECT_EQ(a.Values(), (std::vector<int>{1, 2}));
    EXPECT_EQ(b.Values(), (std::vector<int>{1, 20}));
    EXPECT_EQ(c.Values(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(b.LinksConsistent());
    EXPECT_TRUE(c.LinksConsistent());
}

TEST(RecordBrowser, CancelKeepsWhatWasAppliedAndRewindsTheReading)
{
    IntBrowser b;
    b.Open(nullptr);
    b.edit = 1;
    b.Append();
    b.edit = 2;
    b.CloseCancel(); // the 2 was never applied
    EXPECT_EQ(b.Values(), (std::vector<int>{1, -1}));
    EXPECT_EQ(static_cast<const IntRecord*>(b.GetRecord())->value, 1);
}

// Moving past the list is an internal fault that names its condition as written.
TEST(RecordBrowser, GoingPastTheListNamesItsCondition)
{
    ThrowOnFatalAssertion fatal;
    IntBrowser browser;
    try {
        browser.GoTo(3);
        ADD_FAILURE() << "no assertion";
    } catch (const FatalAssertion& failure) {
        EXPECT_EQ(failure.condition, "EditBrowseRecord != NULL");
    }
}
