#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CAboutDlg.h"
#include "DialogUnits.h"
#include "StatsFiles.h"
#include "StatsTestSupport.h"
#include "VantelEvents.h"

namespace {

std::filesystem::path ToPath(const QString& folder)
{
    return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

// The game's window as far as the notification goes: it counts what it receives and notes what
// the configuration file held at that moment.
class Owner : public QWidget {
public:
    explicit Owner(std::filesystem::path cfg) : m_cfg(std::move(cfg)) {}
    int changes = 0;
    Bytes cfgAtNotice;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != UM_VARIANT_CHANGED) return QWidget::event(e);
        ++changes;
        std::ifstream in(m_cfg, std::ios::binary);
        cfgAtNotice.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return true;
    }

private:
    std::filesystem::path m_cfg;
};

// Members in the order of the buttons: ACTIVE of variants 0, 1, 2, then INACTIVE of 0, 1, 2.
constexpr int kButtonIds[6] = {1275, 1261, 1291, 1277, 1276, 1292};
constexpr int kActive[3] = {1275, 1261, 1291};
constexpr int kInactive[3] = {1277, 1276, 1292};
constexpr int kFirstDigitId[3] = {1262, 1248, 1278};   // by variant: middle, top, bottom band

class AboutDlgTest : public ::testing::Test {
protected:
    std::filesystem::path Base() const { return ToPath(data.path()); }
    std::filesystem::path Cfg() const { return stats::DataFolder(Base()) / stats::kConfigurationFileName; }
    std::filesystem::path Hsc() const { return stats::DataFolder(Base()) / stats::kStatisticsFileName; }


    // A variant's band as the player reads it: "GGGGG AAA.A BBB", blanks as spaces.
    static std::string Band(const CAboutDlg& dlg, int variant)
    {
        std::string text;
        for (int k = 0; k < 13; ++k) {
            if (k == 5 || k == 9) text += ' ';
            if (k == 8) text += '.';
            if (k == 9) continue;   // the decimal point's own id
            const auto* d = qobject_cast<const CNumbers*>(dlg.Control(kFirstDigitId[variant] + k));
            if (d == nullptr) return "no cell " + std::to_string(kFirstDigitId[variant] + k);
            const int32_t v = d->m_nValue;
            text += v == 30 ? ' ' : (v >= 20 && v <= 29 ? static_cast<char>('0' + v - 20) : '?');
        }
        return text;
    }

    // Which buttons show, in member order, as "A..I.I" (A: ACTIVE, I: INACTIVE, '.': hidden).
    static std::string Buttons(const CAboutDlg& dlg)
    {
        std::string shown;
        for (int i = 0; i < 6; ++i) {
            const char face = i < 3 ? 'A' : 'I';
            shown += dlg.Control(kButtonIds[i])->isVisible() ? face : '.';
        }
        return shown;
    }

    static void Click(CAboutDlg& dlg, int id) { QTest::mouseClick(dlg.Control(id), Qt::LeftButton); }

    QTemporaryDir data;
    QTemporaryDir app;   // no sprite sheet unless a test draws one
    Owner owner{Cfg()};
};

}  // namespace

TEST_F(AboutDlgTest, IsAFixedBlackWindowWithItsControlsInPlace)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    EXPECT_TRUE(dlg.windowTitle().startsWith("High Scores for Vantel"));
    EXPECT_EQ(dlg.size(), QSize(920, 595));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(dlg.autoFillBackground());
    EXPECT_TRUE(dlg.findChildren<QPushButton*>().isEmpty());   // no OK or Cancel
    EXPECT_EQ(dlg.findChildren<CNumbers*>().size(), 36);
    EXPECT_EQ(dlg.findChildren<CBitmapButton*>().size(), 6);
    for (const aboutlayout::Entry& e : aboutlayout::AboutLayout()) {
        if (e.id == 0) continue;
        QWidget* w = dlg.Control(e.id);
        ASSERT_NE(w, nullptr) << e.id;
        EXPECT_EQ(w->pos(), QPoint(layout::DuToPxX(e.x), layout::DuToPxY(e.y))) << e.id;
        if (e.kind == aboutlayout::Kind::Digit) {
            EXPECT_EQ(w, &dlg.Digit(e.index)) << e.id;
        }
        if (e.kind == aboutlayout::Kind::Button) {
            EXPECT_EQ(w, &dlg.Button(e.index)) << e.id;
        }
    }
    EXPECT_EQ(dlg.Control(1248), &dlg.Digit(1));
    EXPECT_EQ(dlg.Control(1274), &dlg.Digit(33));
    EXPECT_EQ(dlg.Control(1292), &dlg.Button(5));
    EXPECT_EQ(dlg.Control(1252)->size(), QSize(20, 29));
    EXPECT_EQ(dlg.Control(1261)->pos(), QPoint(509, 47));
}

TEST_F(AboutDlgTest, WithoutFilesEveryBandShowsZerosAndTheTopVariantIsActive)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    EXPECT_EQ(dlg.VariantAtOpen(), -1);   // nothing read before the window opens
    dlg.show();
    EXPECT_EQ(dlg.VariantAtOpen(), 1);
    EXPECT_EQ(dlg.SelectedVariant(), 1);
    for (int v = 0; v < 3; ++v) EXPECT_EQ(Band(dlg, v), "    0  00.0  00") << v;
    EXPECT_EQ(Buttons(dlg), ".A.I.I");
    EXPECT_FALSE(std::filesystem::exists(Cfg()));   // reading creates no file
    EXPECT_FALSE(std::filesystem::exists(Hsc()));
}

TEST_F(AboutDlgTest, ShowsTheStatisticsTheGameRecorded)
{
    stats::RecordFinishedGame(Base(), 1, 37);
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    EXPECT_EQ(Band(dlg, 1), "    1  37.0  37");
    EXPECT_EQ(Band(dlg, 0), "    0  00.0 999");
    EXPECT_EQ(Band(dlg, 2), "    0  00.0 999");
}

TEST_F(AboutDlgTest, EachVariantsRecordLandsInItsOwnBand)
{
    WriteBytes(Hsc(), stats::EncodeStatistics({{{3, 137, 7}, {10005, 10005 * 30, 0}, {4, 19, 999}}}));
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    EXPECT_EQ(Band(dlg, 0), "    3  45.7  07");
    EXPECT_EQ(Band(dlg, 1), "10005  30.0  00");
    EXPECT_EQ(Band(dlg, 2), "    4  04.8 999");
}

TEST_F(AboutDlgTest, EveryOpeningReadsBothFilesAfresh)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    dlg.reject();
    stats::RecordFinishedGame(Base(), 2, 91);
    stats::RecordFinishedGame(Base(), 2, 0);
    stats::SaveActiveVariant(Base(), 0);
    dlg.show();
    EXPECT_EQ(Band(dlg, 2), "    2  45.5  00");
    EXPECT_EQ(dlg.VariantAtOpen(), 0);
    EXPECT_EQ(Buttons(dlg), "A...II");
}

TEST_F(AboutDlgTest, ButtonsFollowTheStoredVariant)
{
    const std::string expected[3] = {"A...II", ".A.I.I", "..AII."};
    for (int v = 0; v < 3; ++v) {
        stats::SaveActiveVariant(Base(), v);
        CAboutDlg dlg(Base(), app.path(), &owner);
        dlg.show();
        EXPECT_EQ(dlg.SelectedVariant(), v);
        EXPECT_EQ(Buttons(dlg), expected[v]) << v;
    }
}

TEST_F(AboutDlgTest, ADamagedConfigurationShowsTheTopVariantActive)
{
    for (const Bytes& damaged : {Bytes{0x07, 0x00}, Bytes{0xFF, 0xFF}, Bytes{0x02}, Bytes{}}) {
        WriteBytes(Cfg(), damaged);
        CAboutDlg dlg(Base(), app.path(), &owner);
        dlg.show();
        EXPECT_EQ(dlg.SelectedVariant(), 1);
        EXPECT_EQ(Buttons(dlg), ".A.I.I");
        dlg.reject();
        EXPECT_EQ(owner.changes, 0);
        EXPECT_EQ(ReadBytes(Cfg()), damaged);   // only a choice of the player writes the file
    }
}

TEST_F(AboutDlgTest, InactiveSelectsAndStoresAtOnceActiveDoesNothing)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    Click(dlg, 1261);   // ACTIVE of the top band
    EXPECT_EQ(dlg.SelectedVariant(), 1);
    EXPECT_FALSE(std::filesystem::exists(Cfg()));

    Click(dlg, 1292);
    EXPECT_EQ(dlg.SelectedVariant(), 2);
    EXPECT_EQ(Buttons(dlg), "..AII.");
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));

    Click(dlg, 1277);
    EXPECT_EQ(Buttons(dlg), "A...II");
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x00, 0x00}));

    std::filesystem::remove(Cfg());
    Click(dlg, 1275);   // ACTIVE of the middle band, now showing
    EXPECT_EQ(dlg.SelectedVariant(), 0);
    EXPECT_FALSE(std::filesystem::exists(Cfg()));
    EXPECT_EQ(owner.changes, 0);   // nothing is told before closing
}

TEST_F(AboutDlgTest, ClosingUnchangedTellsNothing)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(owner.changes, 0);
}

TEST_F(AboutDlgTest, ChangingAndChangingBackTellsNothing)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    Click(dlg, 1277);
    Click(dlg, 1276);
    dlg.close();
    EXPECT_EQ(owner.changes, 0);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x01, 0x00}));   // written at each click
}

TEST_F(AboutDlgTest, AChangeIsToldOnceHoweverTheWindowCloses)
{
    struct Way {
        const char* name;
        void (*close)(CAboutDlg&);
    };
    const Way ways[] = {
        {"Esc", [](CAboutDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close box", [](CAboutDlg& d) { d.close(); }},
        {"done", [](CAboutDlg& d) { d.done(0); }},
        {"hide", [](CAboutDlg& d) { d.hide(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        stats::SaveActiveVariant(Base(), 1);
        owner.changes = 0;
        {
            CAboutDlg dlg(Base(), app.path(), &owner);
            dlg.show();
            Click(dlg, 1292);
            way.close(dlg);
            EXPECT_EQ(owner.changes, 1);
            EXPECT_EQ(owner.cfgAtNotice, (Bytes{0x02, 0x00}));   // the file is the channel
            dlg.close();
            dlg.reject();
        }
        EXPECT_EQ(owner.changes, 1);
    }
}

TEST_F(AboutDlgTest, AWindowDestroyedWhileOpenStillTellsItsChange)
{
    {
        CAboutDlg dlg(Base(), app.path(), &owner);
        dlg.show();
        Click(dlg, 1277);
    }
    EXPECT_EQ(owner.changes, 1);
}

TEST_F(AboutDlgTest, TheChangeArrivesBeforeTheModalRunReturns)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    int changesInsideRun = -1;
    QTimer::singleShot(0, &dlg, [&] {
        Click(dlg, 1292);
        dlg.reject();
        changesInsideRun = owner.changes;
    });
    dlg.exec();
    EXPECT_EQ(changesInsideRun, 1);
    EXPECT_EQ(owner.changes, 1);
}

TEST_F(AboutDlgTest, AChoiceThatCouldNotBeStoredIsNotShownAsMade)
{
    CAboutDlg dlg({}, app.path(), &owner);   // no data folder
    dlg.show();
    EXPECT_FALSE(dlg.SaveFailedNote().isVisible());
    Click(dlg, 1277);
    EXPECT_EQ(Buttons(dlg), ".A.I.I");
    EXPECT_EQ(dlg.SelectedVariant(), 1);
    EXPECT_TRUE(dlg.SaveFailedNote().isVisible());
    EXPECT_FALSE(dlg.SaveFailedNote().text().isEmpty());
    // Said inside the window, beneath everything it shows.
    EXPECT_TRUE(dlg.rect().contains(dlg.SaveFailedNote().geometry()));
    for (const aboutlayout::Entry& e : aboutlayout::AboutLayout()) {
        if (e.id == 0) continue;
        EXPECT_FALSE(dlg.SaveFailedNote().geometry().intersects(dlg.Control(e.id)->geometry())) << e.id;
    }
    dlg.reject();
    EXPECT_EQ(owner.changes, 0);
    EXPECT_TRUE(QDir(data.path()).isEmpty());

    // A folder in the file's place refuses the file; once it is gone, the next choice is stored.
    std::filesystem::create_directories(Cfg() / "occupied");
    CAboutDlg blocked(Base(), app.path(), &owner);
    blocked.show();
    Click(blocked, 1292);
    EXPECT_EQ(Buttons(blocked), ".A.I.I");
    EXPECT_TRUE(blocked.SaveFailedNote().isVisible());
    std::filesystem::remove_all(Cfg());
    Click(blocked, 1292);
    EXPECT_EQ(Buttons(blocked), "..AII.");
    EXPECT_FALSE(blocked.SaveFailedNote().isVisible());
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x02, 0x00}));
}

namespace {

// A sheet whose digit cells of the totals' style are each one plain colour.
QColor DigitColour(int d) { return QColor(20 * d + 10, 200 - 15 * d, 90); }
const QColor kBlankColour(250, 0, 250);

void DrawSheet(const QString& folder)
{
    QImage sheet(941, 1319, QImage::Format_RGB888);
    sheet.fill(Qt::darkGray);
    QPainter p(&sheet);
    for (int d = 0; d < 10; ++d) p.fillRect(600 + 22 * d, 752, 20, 29, DigitColour(d));
    p.fillRect(820, 690, 20, 29, kBlankColour);
    p.end();
    QDir(folder).mkpath("images");
    ASSERT_TRUE(sheet.save(QDir(folder).filePath(CSpriteSheet::kFileName), "BMP"));
}

}  // namespace

TEST_F(AboutDlgTest, DigitsPaintFromTheWindowsOwnSheet)
{
    DrawSheet(app.path());
    WriteBytes(Hsc(), stats::EncodeStatistics({{{3, 137, 7}, {10005, 0, 0}, {4, 19, 999}}}));
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    ASSERT_TRUE(dlg.Sprites().IsLoaded());
    EXPECT_EQ(dlg.Digit(0).m_pSprites, &dlg.Sprites());
    const QImage shot = dlg.grab().toImage();
    auto colourOf = [&](int id) {
        const QWidget* w = dlg.Control(id);
        return shot.pixelColor(w->geometry().center());
    };
    EXPECT_EQ(colourOf(1266), DigitColour(3));   // variant 0: 3 games
    EXPECT_EQ(colourOf(1262), kBlankColour);
    EXPECT_EQ(colourOf(1268), DigitColour(4));   // 45.7
    EXPECT_EQ(colourOf(1270), DigitColour(7));
    EXPECT_EQ(colourOf(1272), kBlankColour);     // best 7: blank, 0, 7
    EXPECT_EQ(colourOf(1273), DigitColour(0));
    EXPECT_EQ(colourOf(1248), DigitColour(1));   // variant 1: 10005
    EXPECT_EQ(colourOf(1249), DigitColour(0));
    EXPECT_EQ(colourOf(1290), DigitColour(9));   // variant 2: best 999
    dlg.reject();
    EXPECT_FALSE(dlg.Sprites().IsLoaded());     // the copy lives only while the window is open
}

TEST_F(AboutDlgTest, AMissingSheetLeavesTheCellsBlackAndTheWindowWorking)
{
    CAboutDlg dlg(Base(), app.path(), &owner);
    dlg.show();
    EXPECT_FALSE(dlg.Sprites().IsLoaded());
    const QImage shot = dlg.grab().toImage();
    EXPECT_EQ(shot.pixelColor(dlg.Control(1252)->geometry().center()), QColor(Qt::black));
    Click(dlg, 1292);
    EXPECT_EQ(dlg.SelectedVariant(), 2);
}
