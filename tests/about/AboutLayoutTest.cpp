#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "AboutLayout.h"

using aboutlayout::AboutLayout;
using aboutlayout::Entry;
using aboutlayout::Kind;

namespace {

const Entry& ById(int id)
{
    static const std::map<int, const Entry*> byId = [] {
        std::map<int, const Entry*> m;
        for (const Entry& e : AboutLayout()) {
            if (e.id != 0) m[e.id] = &e;
        }
        return m;
    }();
    return *byId.at(id);
}

int Count(Kind kind)
{
    int n = 0;
    for (const Entry& e : AboutLayout()) n += e.kind == kind;
    return n;
}

}  // namespace

TEST(AboutLayout, HoldsEveryControlOnceWithUniqueIds)
{
    EXPECT_EQ(Count(Kind::Photo), 1);
    EXPECT_EQ(Count(Kind::Title), 3);
    EXPECT_EQ(Count(Kind::Label), 9);
    EXPECT_EQ(Count(Kind::Button), 6);
    EXPECT_EQ(Count(Kind::Digit), 36);
    EXPECT_EQ(Count(Kind::Point), 3);
    std::set<int> ids;
    std::set<int> digits;
    std::set<int> buttons;
    for (const Entry& e : AboutLayout()) {
        if (e.id != 0) {
            EXPECT_TRUE(ids.insert(e.id).second) << e.id;
        }
        if (e.kind == Kind::Digit) digits.insert(e.index);
        if (e.kind == Kind::Button) buttons.insert(e.index);
        EXPECT_LE(e.x + e.w, aboutlayout::kWidthDu) << e.id;
        EXPECT_LE(e.y + e.h, aboutlayout::kHeightDu) << e.id;
    }
    EXPECT_EQ(ids.size(), 36u + 3u + 6u);
    EXPECT_EQ(digits.size(), 36u);
    EXPECT_EQ(*digits.rbegin(), 35);
    EXPECT_EQ(buttons.size(), 6u);
}

TEST(AboutLayout, ButtonsInMemberOrderShareTheirSectionsPlace)
{
    const int ids[6] = {1275, 1261, 1291, 1277, 1276, 1292};
    for (int i = 0; i < 6; ++i) {
        const Entry& e = ById(ids[i]);
        EXPECT_EQ(e.kind, Kind::Button);
        EXPECT_EQ(e.index, i);
        EXPECT_EQ(std::string(e.art), i < 3 ? "ACTIVE" : "INACTIVE");
        EXPECT_EQ(e.x, 339);
        EXPECT_EQ(e.w, 120);
        EXPECT_EQ(e.h, 23);
    }
    // Top band variant 1, middle 0, bottom 2.
    EXPECT_EQ(ById(1261).y, 29);
    EXPECT_EQ(ById(1276).y, 29);
    EXPECT_EQ(ById(1275).y, 143);
    EXPECT_EQ(ById(1277).y, 143);
    EXPECT_EQ(ById(1291).y, 257);
    EXPECT_EQ(ById(1292).y, 257);
}

TEST(AboutLayout, DigitsOfEachVariantLieInItsSection)
{
    struct Band {
        int variant, y0, gamesId, gamesX;
    };
    const Band bands[3] = {{1, 7, 1248, 203}, {0, 121, 1262, 204}, {2, 235, 1278, 204}};
    const int averageX[4] = {358, 372, 386, 414};
    for (const Band& b : bands) {
        SCOPED_TRACE(b.variant);
        for (int k = 0; k < 5; ++k) {
            const Entry& e = ById(b.gamesId + k);
            EXPECT_EQ(e.index, 3 * k + b.variant);
            EXPECT_EQ(e.x, b.gamesX + 14 * k);
        }
        for (int k = 0; k < 4; ++k) {
            const Entry& e = ById(b.gamesId + 5 + k);
            EXPECT_EQ(e.index, 3 * (5 + k) + b.variant);
            EXPECT_EQ(e.x, averageX[k]);
        }
        const Entry& point = ById(b.gamesId + 9);
        EXPECT_EQ(point.kind, Kind::Point);
        EXPECT_EQ(point.x, 400);
        for (int k = 0; k < 3; ++k) {
            const Entry& e = ById(b.gamesId + 10 + k);
            EXPECT_EQ(e.index, 3 * (9 + k) + b.variant);
            EXPECT_EQ(e.x, 526 + 14 * k);
        }
        for (int id = b.gamesId; id < b.gamesId + 13; ++id) {
            EXPECT_EQ(ById(id).y, b.y0 + 70) << id;
            EXPECT_EQ(ById(id).w, 13) << id;
            EXPECT_EQ(ById(id).h, 18) << id;
        }
    }
    EXPECT_EQ(ById(1260).index, 34);   // units of the best score, variant 1
    EXPECT_EQ(ById(1290).index, 35);
}

TEST(AboutLayout, PicturesStandWhereTheyWereDrawn)
{
    struct Picture {
        std::string art;
        int x, y, w, h;
    };
    const Picture expected[] = {
        {"photo", 7, 7, 174, 351},
        {"title_variant1", 303, 7, 191, 13},
        {"title_variant0", 315, 121, 167, 13},
        {"title_variant2", 298, 235, 201, 13},
    };
    for (const Picture& p : expected) {
        int found = 0;
        for (const Entry& e : AboutLayout()) {
            if (e.art == nullptr || p.art != e.art) continue;
            ++found;
            EXPECT_EQ(e.x, p.x) << p.art;
            EXPECT_EQ(e.y, p.y) << p.art;
            EXPECT_EQ(e.w, p.w) << p.art;
            EXPECT_EQ(e.h, p.h) << p.art;
        }
        EXPECT_EQ(found, 1) << p.art;
    }
    std::map<std::string, std::set<int>> labels;
    for (const Entry& e : AboutLayout()) {
        if (e.kind == Kind::Label) labels[e.art].insert(e.x * 1000 + e.y);
        // Each title is centred on its buttons' centre line, to the half unit.
        if (e.kind == Kind::Title) {
            EXPECT_LE(std::abs(2 * e.x + e.w - 2 * (339 + 60)), 1) << e.art;
        }
    }
    EXPECT_EQ(labels["label_games_played"], (std::set<int>{188062, 188176, 188290}));
    EXPECT_EQ(labels["label_average_score"], (std::set<int>{328062, 328176, 328290}));
    EXPECT_EQ(labels["label_best_score"], (std::set<int>{501062, 501176, 501290}));
}
