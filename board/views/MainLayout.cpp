#include "MainLayout.h"

#include <vector>

namespace layout {
namespace {

// Where one board's columns stand; the two boards differ only in these and in their ids.
struct BoardColumns {
    int board;
    int left;          // the frame bars and the outer side pieces
    int right;         // the side pieces of the other edge
    int between;       // the side pieces between pegs and slots
    int pegs;          // first peg of a row
    int slots;         // first guess slot of a row
    int code;          // first code slot
    int button;        // GUESS
    int tray;          // first tray chip
    int labelX;
    const char* label;
    int (*id)(Member m, int index);
};

// The ids of the SHAPES board: rows 0 to 8 count down by 11 from row 0, row 9 has ids of its own.
int ShapesId(Member m, int i)
{
    const int r = i / 4, k = i % 4;
    switch (m) {
    case Member::Bars: {
        static const int bars[4] = {1397, 1396, 1395, 1016};
        return bars[i];
    }
    case Member::CodeSides: return i == 0 ? 1001 : 1003;
    case Member::Code: return i == 0 ? 1015 : 1017 + i;
    case Member::RowSides: return i / 3 < 9 ? 1110 + i % 3 - 11 * (i / 3) : 1004 + i % 3;
    case Member::Pegs: return r < 9 ? 1113 + k - 11 * r : 1007 + k;
    case Member::Guess: return r < 9 ? 1117 + k - 11 * r : 1011 + k;
    case Member::GuessButtons: return 1131 + i;
    case Member::TraySides: return 1123 + i;
    case Member::Tray: return i == 0 ? 1122 : 1124 + i;
    case Member::Picture: return 1021;
    default: return 0;
    }
}

// The ids of the COLORS board.
int ColorsId(Member m, int i)
{
    const int r = i / 4, k = i % 4;
    switch (m) {
    case Member::Bars: {
        static const int bars[4] = {1367, 1394, 1393, 1247};
        return bars[i];
    }
    case Member::CodeSides: return i == 0 ? 1002 : 1182;
    case Member::Code: return 1178 + i;
    case Member::RowSides:
        if (i % 3 < 2) return 1238 + i % 3 - 6 * (i / 3);
        return i / 3 < 9 ? 1344 - 5 * (i / 3) : 1358;
    case Member::Pegs: return r < 9 ? 1345 + k - 5 * r : 1359 + k;
    case Member::Guess: return 1240 + k - 6 * r;
    case Member::GuessButtons: return i < 9 ? 1349 + i : 1363;
    case Member::TraySides: return 1365 + i;
    case Member::Tray: return 1368 + i;
    default: return 0;   // the COLORS label has none
    }
}

// SHAPES has its pegs left of its chips, COLORS right of them; the frame, rows and tray are alike.
constexpr BoardColumns kShapesColumns{0, 7, 322, 142, 11, 146, 147, 41, 27, 36, "label_shapes", ShapesId};
constexpr BoardColumns kColorsColumns{1, 721, 1036, 900, 905, 725, 725, 935, 741, 927, "label_colors", ColorsId};

// Guess rows are numbered from the bottom: row r lies 39 units above row r - 1.
constexpr int RowY(int base, int r) { return base - 39 * r; }

class Plan {
public:
    explicit Plan(const BoardColumns& c) : m_c(c) {}

    std::vector<Entry> Build()
    {
        const int barY[4] = {488, 442, 49, 7};   // below the tray, above it, below the code row, above it
        for (int k = 0; k < 4; ++k) Add(Member::Bars, k, m_c.left, barY[k]);
        Add(Member::CodeSides, 0, m_c.left, 10);
        Add(Member::CodeSides, 1, m_c.right, 10);
        Add(Member::Picture, 0, m_c.labelX, 22, m_c.label);
        for (int k = 0; k < 4; ++k) Add(Member::Code, k, m_c.code + 44 * k, 10);
        const int sideX[3] = {m_c.left, m_c.between, m_c.right};
        for (int r = 0; r < 10; ++r) {
            for (int p = 0; p < 3; ++p) Add(Member::RowSides, 3 * r + p, sideX[p], RowY(403, r));
            for (int k = 0; k < 4; ++k) {
                Add(Member::Pegs, 4 * r + k, m_c.pegs + 33 * k, RowY(408, r));
                Add(Member::Guess, 4 * r + k, m_c.slots + 44 * k, RowY(403, r));
            }
            Add(Member::GuessButtons, r, m_c.button, RowY(412, r), "GUESS");
        }
        Add(Member::TraySides, 0, m_c.left, 445);
        Add(Member::TraySides, 1, m_c.right, 445);
        for (int k = 0; k < 6; ++k) Add(Member::Tray, k, m_c.tray + 47 * k, 447);
        return std::move(m_entries);
    }

private:
    void Add(Member m, int index, int x, int y, const char* art = nullptr)
    {
        m_entries.push_back({m_c.id(m, index), m, m_c.board, index, x, y, art});
    }

    const BoardColumns& m_c;
    std::vector<Entry> m_entries;
};

void Add(std::vector<Entry>& e, int id, Member m, int index, int x, int y, const char* art = nullptr)
{
    e.push_back({id, m, 0, index, x, y, art});
}

std::vector<Entry> BuildCentre()
{
    std::vector<Entry> e;
    Add(e, 0, Member::Picture, 0, 328, 10, "sep_vert");
    Add(e, 0, Member::Picture, 0, 715, 10, "sep_vert");
    Add(e, 0, Member::Picture, 0, 328, 7, "sep_horiz");
    Add(e, 0, Member::Picture, 0, 328, 364, "sep_horiz");
    for (int i = 0; i < 36; ++i) {
        const int col = i % 6, row = i / 6;
        Add(e, 1141 + 6 * (5 - row) + col, Member::Center, i, 331 + 64 * col, 305 - 59 * row);
    }
    Add(e, 0, Member::Picture, 0, 334, 376, "label_score_by_round");
    for (int n = 0; n < 8; ++n) {
        Add(e, n == 0 ? 1245 : 1374 + 2 * n, Member::RoundDigits, 2 * n, 349 + 46 * n, 391);
        Add(e, 1375 + 2 * n, Member::RoundDigits, 2 * n + 1, 362 + 46 * n, 391);
    }
    Add(e, 0, Member::Picture, 0, 498, 420, "label_total");
    Add(e, 1392, Member::TotalDigits, 0, 499, 435);
    Add(e, 1390, Member::TotalDigits, 1, 512, 435);
    Add(e, 1391, Member::TotalDigits, 2, 525, 435);
    Add(e, 1244, Member::NewGame, 0, 464, 468, "NEWGAME");
    Add(e, 1374, Member::NextRound, 0, 464, 468, "NEXTROUND");
    return e;
}

std::vector<Entry> BuildAll()
{
    std::vector<Entry> all;
    for (const auto* part : {&BoardPlan(0), &BoardPlan(1), &CentrePlan()})
        all.insert(all.end(), part->begin(), part->end());
    return all;
}

}  // namespace

const std::vector<Entry>& BoardPlan(int b)
{
    static const std::vector<Entry> shapes = Plan(kShapesColumns).Build();
    static const std::vector<Entry> colors = Plan(kColorsColumns).Build();
    return b == 1 ? colors : shapes;
}

const std::vector<Entry>& CentrePlan()
{
    static const std::vector<Entry> centre = BuildCentre();
    return centre;
}

const std::vector<Entry>& MainLayout()
{
    static const std::vector<Entry> entries = BuildAll();
    return entries;
}

}  // namespace layout
