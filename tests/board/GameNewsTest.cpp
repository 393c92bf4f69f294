// What a player who cannot see the board is told after each turn: said once, in words, and only
// what the turn changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CGameNews.h"
#include "HeadlessGame.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;

bool StartsWith(const std::string& s, const std::string& start) { return s.rfind(start, 0) == 0; }
bool EndsWith(const std::string& s, const std::string& end)
{
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

TEST(GameNews, EachTurnIsToldOnceWithItsResultAndScoreFirstThenAClosedBoardsCodeAndTheButtonThatGoesOn)
{
    HeadlessGame g;
    g.engine.StartFirstGame();
    CGameNews news(g.engine);
    EXPECT_EQ(news.Since(true), "");   // the first call only learns the game
    const int32_t code[] = {1, 2, 3, 4};   // star, club, diamond, heart
    std::copy(std::begin(code), std::end(code), g.engine.m_nCodeShapes);
    g.Fill(S, {1, 3, 2, 5});
    EXPECT_EQ(news.Since(true), "");   // chips landing are told by the slots themselves
    g.Press(S);
    EXPECT_EQ(news.Since(true), "SHAPES row 1: 1 right place, 2 right chip elsewhere. round 1 score 1");
    EXPECT_EQ(news.Since(true), "");   // told once
    g.Solve(S);
    EXPECT_EQ(news.Since(true), "SHAPES row 2: 4 right place. round 1 score 2. SHAPES board closed, solved; "
                                "the code's shapes: star, club, diamond, heart");
    std::string last;
    for (int row = 1; row <= 10; ++row) {
        g.Miss(C);
        last = news.Since(true).toStdString();
        EXPECT_TRUE(StartsWith(last, "COLORS row " + std::to_string(row) + ": ")) << last;
    }
    // Ten rows missed: 2 and 10 guesses, and 2 for the board never solved.
    EXPECT_TRUE(last.find(". round 1 over, score 14. COLORS board closed, not solved; the code's colours: ") !=
                std::string::npos)
        << last;
    EXPECT_TRUE(EndsWith(last, ". NEXT ROUND")) << last;
    g.engine.OnNextRound();
    EXPECT_EQ(news.Since(true), "round 2 of 8");
}

TEST(GameNews, TheGamesEndIsToldWithItsTotalAndWhetherItWasRecorded)
{
    for (const bool recorded : {true, false}) {
        HeadlessGame g;
        g.engine.StartFirstGame();
        CGameNews news(g.engine);
        news.Since(recorded);
        std::string end;
        for (int round = 0; round < 8; ++round) {
            if (round > 0) g.engine.OnNextRound();
            news.Since(recorded);
            g.PlayRound(1, 0);   // told as one turn: what the last tells
            end = news.Since(recorded).toStdString();
        }
        const std::string told = recorded ? "recorded in the high scores" : "THIS GAME COULD NOT BE RECORDED";
        EXPECT_TRUE(end.find(": 4 right place. round 8 over, score 3. Game over, total score 24, " + told + ". ") !=
                    std::string::npos)
            << end;
        EXPECT_TRUE(EndsWith(end, ". NEW GAME")) << end;
        g.engine.OnNewGame();
        EXPECT_EQ(news.Since(recorded), "new game, round 1 of 8");
    }
}
