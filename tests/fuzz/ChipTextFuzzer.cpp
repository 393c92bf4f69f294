// Any bytes as the text of a drag from another program. A slot takes the drop only when the text
// is a plain decimal number (digits, whitespace around them at most, a C string's trailing NULs)
// naming a chip 1 to 12 that fits the slot's board, the slot is open for drops and the drop copies;
// then the slot holds the chip and its board alone is told, once. Everything else changes nothing.
//
// Input: the dragged text's bytes, as another program would offer them.
#include <QApplication>
#include <QMimeData>
#include <QWidget>

#include <climits>
#include <cstring>
#include <memory>
#include <string_view>

#include "CChipDropTarget.h"
#include "CGuessChip.h"
#include "ChipText.h"
#include "FuzzSupport.h"
#include "VantelEvents.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The chip a text names, read from the rule above rather than from the game's parser.
int Named(std::string_view text)
{
    if (text.size() > chiptext::kMaxLength) return 0;
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0;
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return 0;
        value = std::min(10 * value + (c - '0'), 100);
    }
    return value >= 1 && value <= 12 ? value : 0;
}

bool Fits(int chip, int board)
{
    return (board == 0 && chip >= 1 && chip <= 6) || (board == 1 && chip >= 7 && chip <= 12);
}

// The window a slot reports its drops to.
class Window : public QWidget {
public:
    int shapes = 0;
    int colors = 0;

protected:
    bool event(QEvent* e) override
    {
        shapes += e->type() == UM_SHAPES_DROP;
        colors += e->type() == UM_COLORS_DROP;
        return QWidget::event(e);
    }
};

struct Scene {
    Window window;
    CGuessChip* slot = new CGuessChip(&window);   // owned by the window
};

Scene& TheScene()
{
    static Scene* scene = new Scene;   // lives as long as the run
    return *scene;
}

void CheckParse(std::string_view text)
{
    const int chip = chiptext::Parse(text);
    FUZZ_CHECK(chip == Named(text));
    for (int board : {0, 1, -1, 2, INT_MIN, INT_MAX})
        FUZZ_CHECK(CChipDropTarget::ChipFits(chip, board) == Fits(chip, board));
    // The fit test alone, for any number at all.
    if (text.size() >= sizeof(int)) {
        int any;
        std::memcpy(&any, text.data(), sizeof any);
        for (int board : {0, 1}) FUZZ_CHECK(CChipDropTarget::ChipFits(any, board) == Fits(any, board));
    }
}

void CheckDrop(const QMimeData& data, int chip, int board, int open, Qt::DropAction action)
{
    Scene& scene = TheScene();
    CGuessChip& slot = *scene.slot;
    const int before = board == 0 ? 9 : 2;   // a chip of the other board: a landing always shows
    slot.m_nBoard = board;
    slot.m_nSlotKind = slotkind::kGuess;
    slot.m_bDropTarget = open;
    slot.m_nValue = before;
    scene.window.shapes = scene.window.colors = 0;

    const Qt::DropAction over = slot.m_dropTarget.OnDragOver(slot, &data, Qt::CopyAction);
    FUZZ_CHECK(over == (chip != 0 && open && Fits(chip, board) ? Qt::CopyAction : Qt::IgnoreAction));
    const bool landed = slot.m_dropTarget.OnDrop(slot, &data, action);
    const bool lands = action == Qt::CopyAction && open && Fits(chip, board);
    FUZZ_CHECK(landed == lands);
    FUZZ_CHECK(slot.m_nValue == (lands ? chip : before));
    FUZZ_CHECK(scene.window.shapes == (lands && board == 0 ? 1 : 0));
    FUZZ_CHECK(scene.window.colors == (lands && board == 1 ? 1 : 0));
}

// Over a tray slot the drag's own chip answers "move", so its cursor stays; a drop there lands nothing.
void CheckOwnTraySlot(const QMimeData& data, int chip)
{
    CGuessChip& slot = *TheScene().slot;
    for (int held : {chip, chip == 1 ? 2 : 1}) {
        slot.m_nSlotKind = slotkind::kTray;
        slot.m_bDropTarget = 0;
        slot.m_nValue = held;
        const Qt::DropAction over = slot.m_dropTarget.OnDragOver(slot, &data, Qt::CopyAction);
        FUZZ_CHECK(over == (chip != 0 && held == chip ? Qt::MoveAction : Qt::IgnoreAction));
        FUZZ_CHECK(!slot.m_dropTarget.OnDrop(slot, &data, Qt::CopyAction) && slot.m_nValue == held);
    }
}

void CheckDropTarget(const uint8_t* bytes, size_t size)
{
    QMimeData data;
    const QByteArray offered(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    data.setData(QStringLiteral("text/plain"), offered);
    const QString text = data.text();
    const int chip = text.size() > static_cast<int>(chiptext::kMaxLength) ? 0 : Named(text.toStdString());
    FUZZ_CHECK(CChipDropTarget::DraggedChip(&data) == chip);
    if (chip != 0) {
        // Text decoding may drop a byte order mark, nothing else: the bytes were the number.
        std::string_view raw(reinterpret_cast<const char*>(bytes), size);
        if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
        FUZZ_CHECK(Named(raw) == chip);
    }
    for (int board : {0, 1})
        for (int open : {0, 1})
            for (Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction})
                CheckDrop(data, chip, board, open, action);
    CheckOwnTraySlot(data, chip);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "chip_text_fuzzer";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);   // lives as long as the run
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckParse(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckDropTarget(data, size);
    return 0;
}
