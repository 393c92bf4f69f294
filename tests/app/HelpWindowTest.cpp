// The instructions inside the game: one window, the shipped page with its links, and keys that
// reach it while the game's own window runs modally.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "CHelpWindow.h"
#include "CVantel2Dlg.h"
#include "HelpFile.h"
#include "HelpPageBudget.h"
#include "StatsTestSupport.h"

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    // The page the game ships, beside the program as it is installed.
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTEL_HELP_PAGE), QDir(app.path()).filePath("Vantel.html")));
    }

    void PressF1()
    {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &f1);
    }

    QTemporaryDir data;
    QTemporaryDir app;
    CVantel2Dlg dlg{data.path(), app.path()};
};

// Where the link with `href` is drawn in the browser's viewport.
QPoint LinkAt(CHelpWindow& help, const QString& href)
{
    for (QTextBlock b = help.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().anchorHref() != href) continue;
            QTextCursor c(help.document());
            c.setPosition(f.position() + f.length() / 2);
            return help.cursorRect(c).center();
        }
    }
    return {-1, -1};
}

}  // namespace

TEST_F(HelpWindowTest, PressingF1AgainRaisesTheOneHelpWindowInsteadOfOpeningAnother)
{
    PressF1();
    PressF1();
    EXPECT_EQ(dlg.findChildren<CHelpWindow*>().size(), 1);
    ASSERT_NE(dlg.HelpWindow(), nullptr);
    EXPECT_TRUE(dlg.HelpWindow()->isVisible());

    // Esc closes it; the next F1 brings the same window back.
    CHelpWindow* first = dlg.HelpWindow();
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_FALSE(first->isVisible());
    dlg.OnSysCommand(CVantel2Dlg::IDM_INSTRUCTIONS);
    EXPECT_EQ(dlg.HelpWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(dlg.findChildren<CHelpWindow*>().size(), 1);
}

TEST_F(HelpWindowTest, TheShippedPagesContentsLinksLeadToTheirSections)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    EXPECT_EQ(help.windowTitle(), QString::fromUtf8("Vantel – Instructions"));
    const QPoint link = LinkAt(help, QStringLiteral("#keys"));
    ASSERT_NE(link, QPoint(-1, -1)) << "no link to the keys";
    ASSERT_EQ(help.verticalScrollBar()->value(), 0);

    QTest::mouseClick(help.viewport(), Qt::LeftButton, Qt::NoModifier, link);
    EXPECT_EQ(help.source().fragment(), "keys");
    EXPECT_GT(help.verticalScrollBar()->value(), 0);
    EXPECT_EQ(help.source().toLocalFile(), QDir(app.path()).filePath("Vantel.html"));
}

TEST_F(HelpWindowTest, TheHelpTakesKeysWhileTheGamesWindowRunsModally)
{
    // As exec() shows the game's window: modal to the whole application.
    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dlg);
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    ASSERT_TRUE(help.isVisible());

    // Through the window system, where a window behind a modal one hears nothing.
    QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(HelpWindowTest, TheHelpIsReadWithACaretThatTheKeysMoveAndTabReachesItsLinks)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    ASSERT_EQ(help.textCursor().position(), 0);
    const int top = help.cursorRect().top();

    // Down moves the caret itself, a line at a time, without selecting.
    QTest::keyClick(&help, Qt::Key_Down);
    EXPECT_GT(help.textCursor().position(), 0);
    EXPECT_GT(help.cursorRect().top(), top);
    EXPECT_FALSE(help.textCursor().hasSelection());
    // Where a screen reader finds the caret, and the line it reads there.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&help);
    ASSERT_NE(read, nullptr);
    ASSERT_NE(read->textInterface(), nullptr);
    EXPECT_EQ(read->textInterface()->cursorPosition(), help.textCursor().position());
    int start = -1, end = -1;
    const QString line =
        read->textInterface()->textAtOffset(help.textCursor().position(), QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(start, help.textCursor().position());   // the caret stands at the start of a line
    EXPECT_GT(end, start);
    EXPECT_EQ(line, help.toPlainText().mid(start, end - start));

    QTest::keyClick(&help, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(help.textCursor().position(), help.document()->characterCount() - 1);
    EXPECT_GT(help.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(help.viewport()->rect().contains(help.cursorRect()));   // the page follows the caret
    QTest::keyClick(&help, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(help.textCursor().position(), 0);
    EXPECT_TRUE(help.viewport()->rect().contains(help.cursorRect()));

    // Tab reaches the first link, the contents' first entry, and Enter follows it.
    QTest::keyClick(&help, Qt::Key_Tab);
    EXPECT_EQ(help.textCursor().selectedText(), "The two boards");
    EXPECT_EQ(help.textCursor().charFormat().anchorHref(), "#boards");
    QTest::keyClick(&help, Qt::Key_Return);
    EXPECT_EQ(help.source().fragment(), "boards");
}

TEST_F(HelpWindowTest, AScreenReaderFindsTheHelpAsADocumentWhoseLinksAreLinksThatLeadToTheirSections)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(&help);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->role(), QAccessible::Document);
    EXPECT_TRUE(page->state().readOnly);
    ASSERT_NE(page->textInterface(), nullptr);
    EXPECT_EQ(page->textInterface()->characterCount(), help.document()->characterCount() - 1);

    // The contents, as the shipped page has them.
    const QStringList names = {"The two boards",    "Reading the pegs",        "Closing a board",
                               "The centre grid",   "Scoring",                 "The three variants",
                               "The window",        "High scores and configuration", "Playing with the keys"};
    ASSERT_EQ(page->childCount(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface* link = page->child(i);
        ASSERT_NE(link, nullptr) << i;
        EXPECT_EQ(link->role(), QAccessible::Link) << i;
        EXPECT_EQ(link->text(QAccessible::Name), names[i]);
        EXPECT_EQ(link->parent(), page) << i;
        EXPECT_EQ(page->indexOfChild(link), i);
    }

    // Where the keys' link is drawn, and pressing it goes to their section, the caret on it.
    QAccessibleInterface* keys = page->child(8);
    const QPoint drawn = help.viewport()->mapToGlobal(LinkAt(help, QStringLiteral("#keys")));
    EXPECT_TRUE(keys->rect().contains(drawn));
    EXPECT_EQ(page->childAt(drawn.x(), drawn.y()), keys);
    ASSERT_NE(keys->actionInterface(), nullptr);
    ASSERT_EQ(keys->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    ASSERT_EQ(help.verticalScrollBar()->value(), 0);
    keys->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(help.source().fragment(), "keys");
    EXPECT_GT(help.verticalScrollBar()->value(), 0);
    // The caret follows to the section's heading, where reading goes on.
    EXPECT_FALSE(help.textCursor().hasSelection());
    EXPECT_EQ(help.textCursor().block().text(), "Playing with the keys");
    EXPECT_EQ(help.textCursor().positionInBlock(), 0);

    // A page let go has no links to press.
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_EQ(page->childCount(), 0);
    EXPECT_FALSE(keys->isValid());
}

TEST_F(HelpWindowTest, TheHelpsTextIsReadByTheLineAsShownAndOffsetsOffThePageAreAnsweredWithinIt)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&help)->textInterface();
    ASSERT_NE(text, nullptr);
    const QString all = help.toPlainText();
    const int count = text->characterCount();
    ASSERT_EQ(count, all.size());

    // The heading is a line of its own; the paragraph after it wraps, and is read a line at a time.
    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "VANTEL\n");
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);
    const QString first = text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(start, 7);
    EXPECT_TRUE(first.startsWith("Vantel is a code-breaking puzzle")) << first.toStdString();
    EXPECT_LT(end, all.indexOf("The fewer guesses"));   // a line as shown, not the paragraph
    const int second = end;
    EXPECT_EQ(text->textBeforeOffset(second, QAccessible::LineBoundary, &start, &end), first);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, second);
    EXPECT_EQ(text->textBeforeOffset(3, QAccessible::LineBoundary, &start, &end), "");
    EXPECT_EQ(start, -1);
    EXPECT_EQ(text->textAfterOffset(count - 1, QAccessible::LineBoundary, &start, &end), "");
    EXPECT_EQ(start, -1);

    // Offsets off either end of the page.
    EXPECT_EQ(text->text(-5, 3), "VAN");
    EXPECT_EQ(text->text(count - 2, count + 100), all.right(2));
    EXPECT_EQ(text->text(10, 4), "");
    EXPECT_EQ(text->characterRect(-1), QRect());
    EXPECT_EQ(text->characterRect(count), QRect());
    EXPECT_FALSE(text->characterRect(0).isEmpty());
    EXPECT_EQ(text->offsetAtPoint(QPoint(-10000, -10000)), -1);
    text->setCursorPosition(count + 10);
    EXPECT_EQ(text->cursorPosition(), count);
    text->setSelection(0, -4, 6);
    start = end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 6);
    EXPECT_EQ(text->selectionCount(), 1);
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);
}

TEST_F(HelpWindowTest, AClosedHelpWindowLetsGoOfThePageAndShowsItAgainWhereItWasLeft)
{
    PressF1();
    CHelpWindow& help = *dlg.HelpWindow();
    help.verticalScrollBar()->setValue(200);
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_TRUE(help.document()->isEmpty());
    PressF1();
    EXPECT_EQ(help.documentTitle(), QString::fromUtf8("Vantel – Instructions"));
    EXPECT_EQ(help.verticalScrollBar()->value(), 200);
}

namespace {

// What a player may have put in the help page's place, made in the program's folder.
struct HostilePage {
    const char* name;
    std::function<void(const std::filesystem::path& appFolder)> make;
    bool pageShown;   // the page itself is read; else the window says it could not be
};

void PrintTo(const HostilePage& page, std::ostream* out) { *out << page.name; }

void MakeFifo(const std::filesystem::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }

std::string Repeated(const std::string& part, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i) all += part;
    return all;
}

void WritePage(const std::filesystem::path& app, const std::string& body)
{
    std::ofstream(app / "Vantel.html") << "<html><body>" << body << "<p>text</p></body></html>";
}

// 16 pictures of 5000 x 5000 in small files, 400 million pixels decoded: their names.
std::vector<std::string> WriteLargePictures(const std::filesystem::path& app)
{
    QImage grey(5000, 5000, QImage::Format_Grayscale8);
    grey.fill(0x80);
    EXPECT_TRUE(grey.save(QString::fromStdString((app / "0.png").string())));
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) {
        names.push_back(std::to_string(i) + ".png");
        if (i > 0) std::filesystem::copy_file(app / "0.png", app / names.back());
    }
    return names;
}

const HostilePage kHostilePages[] = {
    {"Fifo", [](const std::filesystem::path& app) { MakeFifo(app / "Vantel.html"); }, false},
    {"LinkToDevZero",
     [](const std::filesystem::path& app) { std::filesystem::create_symlink("/dev/zero", app / "Vantel.html"); },
     false},
    {"OversizedFile",
     [](const std::filesystem::path& app) {
         std::ofstream(app / "Vantel.html") << "<html><body>big</body></html>";
         std::filesystem::resize_file(app / "Vantel.html", kHelpFileLimit + 1);
     },
     false},
    {"ImageThatIsAFifo",
     [](const std::filesystem::path& app) {
         std::ofstream(app / "Vantel.html") << "<html><head><title>Vantel</title></head>"
                                               "<body><img src=\"chip.png\"><p>text</p></body></html>";
         MakeFifo(app / "chip.png");
     },
     true},
    // Each level of nesting costs the layout the depth again: 5,000 levels take it a third of a
    // second, 10,000 two seconds.
    {"DeeplyNested", [](const std::filesystem::path& app) { WritePage(app, Repeated("<div>", 5'000)); }, false},
    // Each table doubles the layout of all it holds: 20 tables deep take minutes.
    {"TablesInTables",
     [](const std::filesystem::path& app) {
         WritePage(app, Repeated("<table><tr><td>", 8) + Repeated("<td>cell</td>", 100));
     },
     false},
    {"ManyLargePictures",
     [](const std::filesystem::path& app) {
         std::string body;
         for (const std::string& name : WriteLargePictures(app)) body += "<img src=\"" + name + "\">";
         WritePage(app, body);
     },
     false},
    // Pictures a page names where its measure does not look are still never decoded past the
    // budget: the page shows without them.
    {"LargeCellBackgrounds",
     [](const std::filesystem::path& app) {
         std::string body = "<table><tr>";
         for (const std::string& name : WriteLargePictures(app)) body += "<td background=\"" + name + "\">c</td>";
         WritePage(app, body + "</tr></table>");
     },
     true},
};

// The mapped (0) or resident (1) memory of this process, in KiB.
long MemoryKiB(int which)
{
    long sizes[2] = {0, 0};
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &sizes[0], &sizes[1]) != 2) sizes[which] = 0;
        std::fclose(f);
    }
    return sizes[which] * (::sysconf(_SC_PAGESIZE) / 1024);
}
long ResidentKiB() { return MemoryKiB(1); }

// A page read without limit meets this ceiling long before it hurts the machine.
void CapAddressSpace(long extraKiB)
{
    const rlim_t cap = static_cast<rlim_t>(MemoryKiB(0) + extraKiB) * 1024;
    const rlimit limit{cap, cap};
    ::setrlimit(RLIMIT_AS, &limit);
}

// Presses F1 over whatever stands in the page's place, in a child of the test; 0 when the window
// opened at once without the memory growing, with the page or, when `pageShown` is false, the
// message that it could not be opened.
int OpenHelpOver(const QTemporaryDir& data, const QTemporaryDir& app, bool pageShown)
{
    constexpr long kRoomKiB = 64 * 1024;
    CapAddressSpace(8 * kRoomKiB);
    CVantel2Dlg dlg{data.path(), app.path()};
    const long before = ResidentKiB();
    dlg.OnSysCommand(CVantel2Dlg::IDM_INSTRUCTIONS);
    CHelpWindow* help = dlg.HelpWindow();
    if (help == nullptr) return 2;
    help->grab();   // lays out and paints the page, pictures and all
    if (ResidentKiB() - before > kRoomKiB) return 3;
    const QString text = help->toPlainText();
    if (pageShown) return text.contains(QStringLiteral("text")) ? 0 : 4;
    return text == QStringLiteral("The instructions could not be opened.") ? 0 : 5;
}

class HostileHelpPageTest : public ::testing::TestWithParam<HostilePage> {
protected:
    QTemporaryDir data;
    QTemporaryDir app;
};

}  // namespace

TEST_P(HostileHelpPageTest, F1NeitherHangsNorEatsMemoryWhateverStandsInThePagesPlace)
{
    GetParam().make(app.path().toStdString());
    const int result = InChild([&] {
        // A failure in here must end the child, not run the rest of the suite a second time.
        try {
            return OpenHelpOver(data, app, GetParam().pageShown);
        } catch (...) {
            return 6;
        }
    });
    EXPECT_EQ(result, 0) << "-1 hung, 2 no window, 3 memory grew, 4 page not shown, 5 no message, 6 threw";
}

INSTANTIATE_TEST_SUITE_P(HelpPage, HostileHelpPageTest, ::testing::ValuesIn(kHostilePages),
                         [](const ::testing::TestParamInfo<HostilePage>& p) { return std::string(p.param.name); });

// The page is measured in one pass, as the layout would cost it, without laying it out.
TEST(HelpPageBudget, MeasuresAPageAsItsLayoutWouldCostIt)
{
    struct Case {
        const char* page;
        HelpPageShape shape;
    };
    const Case cases[] = {
        // A paragraph ends where the next starts; a comment holds no elements.
        {"<p>ab<p>c</p><!-- <b><b> -->", {1, 2, 28, 0, 2, {}}},
        // A table doubles everything inside it, a table in it again.
        {"<table><tr><td><table><tr><td>x", {6, 15, 73, 0, 1, {}}},
        // Quoted '>' stays inside its tag; an address is read as the page means it.
        {"<a href='>'>go</a> <img src=\"a&amp;b.png\"><br/>", {1, 3, 47, 1, 2, {"a&b.png"}}},
        // A word runs across inline tags and ends at a line's end; a style's text is no word.
        {"ab<b>cd</b>ef<br>gh <style>p{color:red}</style>", {1, 3, 47, 0, 6, {}}},
    };
    for (const Case& c : cases) {
        const HelpPageShape got = MeasureHelpPage(QString::fromUtf8(c.page));
        EXPECT_EQ(got.depth, c.shape.depth) << c.page;
        EXPECT_EQ(got.elements, c.shape.elements) << c.page;
        EXPECT_EQ(got.length, c.shape.length) << c.page;
        EXPECT_EQ(got.links, c.shape.links) << c.page;
        EXPECT_EQ(got.longestWord, c.shape.longestWord) << c.page;
        EXPECT_EQ(got.pictures, c.shape.pictures) << c.page;
    }
    // The shipped page is far inside every bound.
    QFile shipped(QStringLiteral(VANTEL_HELP_PAGE));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const HelpPageShape page = MeasureHelpPage(QString::fromUtf8(shipped.readAll()));
    EXPECT_LE(page.depth * 10, helpbudget::kMaxDepth);
    EXPECT_LE(page.elements * 10, helpbudget::kMaxElements);
    EXPECT_LE(page.length * 10, helpbudget::kMaxLength);
    EXPECT_LE(page.links * 10, helpbudget::kMaxLinks);
    EXPECT_LE(page.longestWord * 10, helpbudget::kMaxWord);
}
