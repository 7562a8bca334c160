#include "tests/music/MusicTestSupport.h"

TEST_F(MusicTest, Smoke)
{
    TUnitMuz unit("Music 1", "");
    unit.NewMusic();
    std::string bytes = SavedBytes(unit);
    std::cout << bytes;
    auto again = MustLoad(bytes);
    ASSERT_TRUE(again);
    EXPECT_EQ(SavedBytes(*again), bytes);
}
