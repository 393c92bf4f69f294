// The real program started in the desktop's language, seen on its own X display and heard over the
// accessibility bus as a screen reader hears it: German pictures and German words under a German
// desktop, English ones when the locale is C whatever LANGUAGE asks.
#include <gtest/gtest.h>

#include <QImage>

#include <string>

#include "AtSpiListener.h"
#include "GameWindowTest.h"

namespace {

class LanguageTest : public GameWindowTest {
protected:
    void SetUp() override {}

    // Starts the game with the desktop's language settings `lcAll` and `language`, heard from the start.
    void StartIn(const QString& lcAll, const QString& language)
    {
        const QString missing = AtSpiListener::Missing();
        if (!missing.isEmpty())
            GTEST_SKIP() << "missing " << missing.toStdString() << " (run in tests/support/a11y-session.sh)";
        QString error;
        ASSERT_TRUE(ears.Start(&error)) << error.toStdString();
        x.SetProgramEnvironment(QStringLiteral("LC_ALL"), lcAll);
        x.SetProgramEnvironment(QStringLiteral("LANGUAGE"), language);
        Start(QSize(1920, 1080));
    }

    // Whether the window shows every caption of the board as the picture in `folder` draws it.
    void ExpectCaptionsFrom(const QString& folder)
    {
        const QImage shot = x.Grab();
        for (const char* art : {"label_shapes", "label_colors", "label_score_by_round", "label_total"}) {
            const QImage picture = QImage(folder + art + ".png").convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(picture.isNull()) << art;
            const QRect where = view->Map(BoardView::Picture(art, picture.size()));
            EXPECT_EQ(shot.copy(where).convertToFormat(QImage::Format_RGB32), picture) << art;
        }
    }

    // The words the ring brings when it moves one slot right, then a chip typed into that slot.
    std::string RingAndChip()
    {
        x.Keys({QStringLiteral("Right")});
        const QString ring = ears.Next(QRegularExpression(QStringLiteral("^focus: ")));
        x.Keys({QStringLiteral("4")});
        return (ring + " | " + ears.Next(QRegularExpression(QStringLiteral("^notification: ")))).toStdString();
    }

    AtSpiListener ears;
};

TEST_F(LanguageTest, AGermanDesktopSeesGermanPicturesAndHearsGermanWords)
{
    StartIn(QStringLiteral("de_DE.UTF-8"), QStringLiteral("de"));
    ExpectCaptionsFrom(QStringLiteral(VANTEL_LOCALE "/de/art/"));
    EXPECT_EQ(RingAndChip(), "focus: FORMEN, Reihe 1, Feld 2: leer | notification: Herz in Feld 2");
}

TEST_F(LanguageTest, TheLocaleCKeepsTheGameInEnglishWhateverLanguageAsks)
{
    StartIn(QStringLiteral("C.UTF-8"), QStringLiteral("de:fr"));
    ExpectCaptionsFrom(QStringLiteral(":/art/"));
    EXPECT_EQ(RingAndChip(), "focus: SHAPES row 1, slot 2: empty | notification: heart in slot 2");
}

}  // namespace
