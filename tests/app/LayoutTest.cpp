#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "MainLayout.h"

using layout::Entry;
using layout::Member;

namespace {

const Entry& Find(int id)
{
    for (const Entry& e : layout::MainLayout())
        if (e.id == id) return e;
    static const Entry none{};
    ADD_FAILURE() << "no control " << id;
    return none;
}

void ExpectAt(int id, Member m, int b, int index, int x, int y)
{
    const Entry& e = Find(id);
    EXPECT_EQ(e.member, m) << id;
    EXPECT_EQ(e.board, b) << id;
    EXPECT_EQ(e.index, index) << id;
    EXPECT_EQ(e.x, x) << id;
    EXPECT_EQ(e.y, y) << id;
}

}  // namespace

TEST(Layout, EveryMemberArrayIsFilledOnceInOrder)
{
    const std::map<Member, int> perBoard = {
        {Member::Guess, 40}, {Member::Tray, 6}, {Member::Code, 4}, {Member::Pegs, 40}, {Member::CodeSides, 2},
        {Member::RowSides, 30}, {Member::TraySides, 2}, {Member::Bars, 4}, {Member::GuessButtons, 10}};
    const std::map<Member, int> centre = {
        {Member::Center, 36}, {Member::RoundDigits, 16}, {Member::TotalDigits, 3}, {Member::NewGame, 1},
        {Member::NextRound, 1}};
    std::set<std::tuple<Member, int, int>> seen;
    int custom = 0, buttons = 0, pictures = 0;
    for (const Entry& e : layout::MainLayout()) {
        if (e.member == Member::Picture) {
            ++pictures;
            continue;
        }
        EXPECT_TRUE(seen.insert({e.member, e.board, e.index}).second) << e.id;
        const bool button = e.member == Member::GuessButtons || e.member == Member::NewGame ||
                            e.member == Member::NextRound;
        (button ? buttons : custom) += 1;
    }
    for (auto [m, n] : perBoard)
        for (int b = 0; b < 2; ++b)
            for (int i = 0; i < n; ++i) EXPECT_TRUE(seen.count({m, b, i})) << static_cast<int>(m) << " " << i;
    for (auto [m, n] : centre)
        for (int i = 0; i < n; ++i) EXPECT_TRUE(seen.count({m, 0, i}));
    EXPECT_EQ(custom, 311);
    EXPECT_EQ(buttons, 22);
    EXPECT_EQ(pictures, 8);
}

TEST(Layout, IdsAreUnique)
{
    std::set<int> ids;
    int unnamed = 0;
    for (const Entry& e : layout::MainLayout()) {
        if (e.id == 0) {
            ++unnamed;
            EXPECT_EQ(e.member, Member::Picture);
        } else {
            EXPECT_TRUE(ids.insert(e.id).second) << e.id;
        }
    }
    EXPECT_EQ(unnamed, 7);   // every picture but the SHAPES label
}

TEST(Layout, ShapesBoardPlaces)
{
    ExpectAt(1117, Member::Guess, 0, 0, 146, 403);
    ExpectAt(1120, Member::Guess, 0, 3, 278, 403);
    ExpectAt(1009, Member::Pegs, 0, 38, 77, 57);
    ExpectAt(1014, Member::Guess, 0, 39, 278, 52);
    ExpectAt(1010, Member::Pegs, 0, 39, 110, 57);
    ExpectAt(1102, Member::Pegs, 0, 4, 11, 369);
    ExpectAt(1110, Member::RowSides, 0, 0, 7, 403);
    ExpectAt(1022, Member::RowSides, 0, 24, 7, 91);
    ExpectAt(1006, Member::RowSides, 0, 29, 322, 52);
    ExpectAt(1131, Member::GuessButtons, 0, 0, 41, 412);
    ExpectAt(1140, Member::GuessButtons, 0, 9, 41, 61);
    ExpectAt(1015, Member::Code, 0, 0, 147, 10);
    ExpectAt(1020, Member::Code, 0, 3, 279, 10);
    ExpectAt(1122, Member::Tray, 0, 0, 27, 447);
    ExpectAt(1129, Member::Tray, 0, 5, 262, 447);
    ExpectAt(1397, Member::Bars, 0, 0, 7, 488);
    ExpectAt(1016, Member::Bars, 0, 3, 7, 7);
    ExpectAt(1124, Member::TraySides, 0, 1, 322, 445);
    ExpectAt(1003, Member::CodeSides, 0, 1, 322, 10);
}

TEST(Layout, ColorsBoardPlaces)
{
    ExpectAt(1240, Member::Guess, 1, 0, 725, 403);
    ExpectAt(1186, Member::Guess, 1, 36, 725, 52);
    ExpectAt(1345, Member::Pegs, 1, 0, 905, 403 + 5);
    ExpectAt(1305, Member::Pegs, 1, 32, 905, 96);
    ExpectAt(1362, Member::Pegs, 1, 39, 1004, 57);
    ExpectAt(1238, Member::RowSides, 1, 0, 721, 403);
    ExpectAt(1185, Member::RowSides, 1, 28, 900, 52);
    ExpectAt(1344, Member::RowSides, 1, 2, 1036, 403);
    ExpectAt(1304, Member::RowSides, 1, 26, 1036, 91);
    ExpectAt(1358, Member::RowSides, 1, 29, 1036, 52);
    ExpectAt(1349, Member::GuessButtons, 1, 0, 935, 412);
    ExpectAt(1357, Member::GuessButtons, 1, 8, 935, 100);
    ExpectAt(1363, Member::GuessButtons, 1, 9, 935, 61);
    ExpectAt(1181, Member::Code, 1, 3, 857, 10);
    ExpectAt(1373, Member::Tray, 1, 5, 976, 447);
    ExpectAt(1367, Member::Bars, 1, 0, 721, 488);
    ExpectAt(1247, Member::Bars, 1, 3, 721, 7);
    ExpectAt(1182, Member::CodeSides, 1, 1, 1036, 10);
    ExpectAt(1366, Member::TraySides, 1, 1, 1036, 445);
}

TEST(Layout, CentrePlaces)
{
    ExpectAt(1171, Member::Center, 0, 0, 331, 305);
    ExpectAt(1176, Member::Center, 0, 5, 651, 305);
    ExpectAt(1141, Member::Center, 0, 30, 331, 10);
    ExpectAt(1146, Member::Center, 0, 35, 651, 10);
    ExpectAt(1245, Member::RoundDigits, 0, 0, 349, 391);
    ExpectAt(1375, Member::RoundDigits, 0, 1, 362, 391);
    ExpectAt(1376, Member::RoundDigits, 0, 2, 395, 391);
    ExpectAt(1389, Member::RoundDigits, 0, 15, 684, 391);
    ExpectAt(1392, Member::TotalDigits, 0, 0, 499, 435);
    ExpectAt(1390, Member::TotalDigits, 0, 1, 512, 435);
    ExpectAt(1391, Member::TotalDigits, 0, 2, 525, 435);
    ExpectAt(1244, Member::NewGame, 0, 0, 464, 468);
    ExpectAt(1374, Member::NextRound, 0, 0, 464, 468);
}

TEST(Layout, DialogUnitsBecomePixels)
{
    EXPECT_EQ(layout::DuToPxX(layout::kWidthDu), 1571);
    EXPECT_EQ(layout::DuToPxY(layout::kHeightDu), 809);
    EXPECT_EQ(layout::DuToPxX(7), 11);    // 10.5 rounds up
    EXPECT_EQ(layout::DuToPxY(403), 655);
    EXPECT_EQ(layout::DuToPxY(364), 592);
    EXPECT_EQ(layout::DuToPxX(146), 219);
}
