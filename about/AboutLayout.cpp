#include "AboutLayout.h"

namespace aboutlayout {
namespace {

struct Section {
    int variant;
    int y0;
    int titleX;
    int titleW;
    int gamesX;     // the first GAMES PLAYED cell: the top band's digits sit one unit further left
    int firstId;    // ids run through the digits and the point; the buttons have their own
};

constexpr Section kBands[kSections] = {
    {kSectionVariant[0], kSectionTop[0], 303, 191, 203, 1248},
    {kSectionVariant[1], kSectionTop[1], 315, 167, 204, 1262},
    {kSectionVariant[2], kSectionTop[2], 298, 201, 204, 1278},
};

constexpr const char* kTitleArt[3] = {"title_variant0", "title_variant1", "title_variant2"};

constexpr int kCellW = 13;
constexpr int kCellH = 18;
constexpr int kCellPitch = 14;
constexpr int kAverageX[4] = {358, 372, 386, 414};   // the point stands at 400, between units and tenths
constexpr int kPointX = 400;
constexpr int kBestX = 526;

void Add(std::vector<Entry>& e, int id, Kind kind, int index, int x, int y, int w, int h,
         const char* art = nullptr)
{
    e.push_back({id, kind, index, x, y, w, h, art});
}

void AddDigits(std::vector<Entry>& e, const Section& s)
{
    const int y = s.y0 + 70;
    int id = s.firstId;
    for (int k = 0; k < 5; ++k)
        Add(e, id++, Kind::Digit, DigitElement(k, s.variant), s.gamesX + kCellPitch * k, y, kCellW, kCellH);
    for (int k = 0; k < 4; ++k)
        Add(e, id++, Kind::Digit, DigitElement(5 + k, s.variant), kAverageX[k], y, kCellW, kCellH);
    Add(e, id++, Kind::Point, 0, kPointX, y, kCellW, kCellH, "decimal_point");
    for (int k = 0; k < 3; ++k)
        Add(e, id++, Kind::Digit, DigitElement(9 + k, s.variant), kBestX + kCellPitch * k, y, kCellW, kCellH);
}

void AddSection(std::vector<Entry>& e, const Section& s)
{
    Add(e, 0, Kind::Title, 0, s.titleX, s.y0, s.titleW, 13, kTitleArt[s.variant]);
    // Both buttons share one place: only one of them shows at a time.
    const int active = ActiveButton(s.variant);
    const int inactive = InactiveButton(s.variant);
    Add(e, kButtonId[active], Kind::Button, active, 339, s.y0 + 22, 120, 23, "ACTIVE");
    Add(e, kButtonId[inactive], Kind::Button, inactive, 339, s.y0 + 22, 120, 23, "INACTIVE");
    Add(e, 0, Kind::Label, 0, 188, s.y0 + 55, 127, 13, "label_games_played");
    Add(e, 0, Kind::Label, 0, 328, s.y0 + 55, 141, 13, "label_average_score");
    Add(e, 0, Kind::Label, 0, 501, s.y0 + 55, 105, 13, "label_best_score");
    AddDigits(e, s);
}

std::vector<Entry> Build()
{
    std::vector<Entry> e;
    Add(e, 0, Kind::Photo, 0, 7, 7, 174, 351, "photo");
    for (const Section& s : kBands) AddSection(e, s);
    return e;
}

}  // namespace

const std::vector<Entry>& AboutLayout()
{
    static const std::vector<Entry> entries = Build();
    return entries;
}

}  // namespace aboutlayout
