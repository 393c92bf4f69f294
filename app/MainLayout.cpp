#include "MainLayout.h"

#include <vector>

namespace layout {
namespace {

constexpr int kShapes = 0;
constexpr int kColors = 1;

// Guess rows are numbered from the bottom: row r lies 39 units above row r - 1.
constexpr int RowY(int base, int r) { return base - 39 * r; }

void Add(std::vector<Entry>& e, int id, Member m, int b, int index, int x, int y, const char* art = nullptr)
{
    e.push_back({id, m, b, index, x, y, art});
}

void AddShapesBoard(std::vector<Entry>& e)
{
    const int b = kShapes;
    const int barY[4] = {488, 442, 49, 7};
    const int barId[4] = {1397, 1396, 1395, 1016};
    for (int k = 0; k < 4; ++k) Add(e, barId[k], Member::Bars, b, k, 7, barY[k]);
    Add(e, 1001, Member::CodeSides, b, 0, 7, 10);
    Add(e, 1003, Member::CodeSides, b, 1, 322, 10);
    Add(e, 1021, Member::Picture, b, 0, 36, 22, "label_shapes");
    const int codeId[4] = {1015, 1018, 1019, 1020};
    for (int k = 0; k < 4; ++k) Add(e, codeId[k], Member::Code, b, k, 147 + 44 * k, 10);
    const int sideX[3] = {7, 142, 322};
    for (int r = 0; r < 10; ++r) {
        for (int p = 0; p < 3; ++p) {
            const int id = r < 9 ? 1110 + p - 11 * r : 1004 + p;
            Add(e, id, Member::RowSides, b, 3 * r + p, sideX[p], RowY(403, r));
        }
        for (int k = 0; k < 4; ++k) {
            const int pegId = r < 9 ? 1113 + k - 11 * r : 1007 + k;
            const int slotId = r < 9 ? 1117 + k - 11 * r : 1011 + k;
            Add(e, pegId, Member::Pegs, b, 4 * r + k, 11 + 33 * k, RowY(408, r));
            Add(e, slotId, Member::Guess, b, 4 * r + k, 146 + 44 * k, RowY(403, r));
        }
        Add(e, 1131 + r, Member::GuessButtons, b, r, 41, RowY(412, r), "GUESS");
    }
    Add(e, 1123, Member::TraySides, b, 0, 7, 445);
    Add(e, 1124, Member::TraySides, b, 1, 322, 445);
    const int trayId[6] = {1122, 1125, 1126, 1127, 1128, 1129};
    for (int k = 0; k < 6; ++k) Add(e, trayId[k], Member::Tray, b, k, 27 + 47 * k, 447);
}

// The COLORS board mirrors the SHAPES board: chips on the left, pegs on the right.
void AddColorsBoard(std::vector<Entry>& e)
{
    const int b = kColors;
    const int barY[4] = {488, 442, 49, 7};
    const int barId[4] = {1367, 1394, 1393, 1247};
    for (int k = 0; k < 4; ++k) Add(e, barId[k], Member::Bars, b, k, 721, barY[k]);
    Add(e, 1002, Member::CodeSides, b, 0, 721, 10);
    Add(e, 1182, Member::CodeSides, b, 1, 1036, 10);
    Add(e, 0, Member::Picture, b, 0, 927, 22, "label_colors");
    for (int k = 0; k < 4; ++k) Add(e, 1178 + k, Member::Code, b, k, 725 + 44 * k, 10);
    for (int r = 0; r < 10; ++r) {
        Add(e, 1238 - 6 * r, Member::RowSides, b, 3 * r, 721, RowY(403, r));
        Add(e, 1239 - 6 * r, Member::RowSides, b, 3 * r + 1, 900, RowY(403, r));
        Add(e, r < 9 ? 1344 - 5 * r : 1358, Member::RowSides, b, 3 * r + 2, 1036, RowY(403, r));
        for (int k = 0; k < 4; ++k) {
            Add(e, 1240 + k - 6 * r, Member::Guess, b, 4 * r + k, 725 + 44 * k, RowY(403, r));
            const int pegId = r < 9 ? 1345 + k - 5 * r : 1359 + k;
            Add(e, pegId, Member::Pegs, b, 4 * r + k, 905 + 33 * k, RowY(408, r));
        }
        Add(e, r < 9 ? 1349 + r : 1363, Member::GuessButtons, b, r, 935, RowY(412, r), "GUESS");
    }
    Add(e, 1365, Member::TraySides, b, 0, 721, 445);
    Add(e, 1366, Member::TraySides, b, 1, 1036, 445);
    for (int k = 0; k < 6; ++k) Add(e, 1368 + k, Member::Tray, b, k, 741 + 47 * k, 447);
}

void AddCentre(std::vector<Entry>& e)
{
    Add(e, 0, Member::Picture, 0, 0, 328, 10, "sep_vert");
    Add(e, 0, Member::Picture, 0, 0, 715, 10, "sep_vert");
    Add(e, 0, Member::Picture, 0, 0, 328, 7, "sep_horiz");
    Add(e, 0, Member::Picture, 0, 0, 328, 364, "sep_horiz");
    for (int i = 0; i < 36; ++i) {
        const int col = i % 6, row = i / 6;
        Add(e, 1141 + 6 * (5 - row) + col, Member::Center, 0, i, 331 + 64 * col, 305 - 59 * row);
    }
    Add(e, 0, Member::Picture, 0, 0, 334, 376, "label_score_by_round");
    for (int n = 0; n < 8; ++n) {
        Add(e, n == 0 ? 1245 : 1374 + 2 * n, Member::RoundDigits, 0, 2 * n, 349 + 46 * n, 391);
        Add(e, 1375 + 2 * n, Member::RoundDigits, 0, 2 * n + 1, 362 + 46 * n, 391);
    }
    Add(e, 0, Member::Picture, 0, 0, 498, 420, "label_total");
    Add(e, 1392, Member::TotalDigits, 0, 0, 499, 435);
    Add(e, 1390, Member::TotalDigits, 0, 1, 512, 435);
    Add(e, 1391, Member::TotalDigits, 0, 2, 525, 435);
    Add(e, 1244, Member::NewGame, 0, 0, 464, 468, "NEWGAME");
    Add(e, 1374, Member::NextRound, 0, 0, 464, 468, "NEXTROUND");
}

std::vector<Entry> Build()
{
    std::vector<Entry> e;
    AddShapesBoard(e);
    AddColorsBoard(e);
    AddCentre(e);
    return e;
}

}  // namespace

const std::vector<Entry>& MainLayout()
{
    static const std::vector<Entry> entries = Build();
    return entries;
}

}  // namespace layout
