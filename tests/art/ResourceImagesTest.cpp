// The window's images, as the game finds them in its resources: each under :/art/ at its size and
// at twice that, and each showing what the window expects of it.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTranslator>
#include <gtest/gtest.h>

#include <vector>

#include "ButtonPainter.h"
#include "PictureWords.h"
#include "TextPainter.h"

namespace {

struct Expected {
    const char* name;
    int width;
    int height;
};

const Expected kImages[] = {
    {"sep_vert", 5, 577}, {"sep_horiz", 586, 5},
    {"label_shapes", 123, 25}, {"label_colors", 128, 25},
    {"label_score_by_round", 226, 21}, {"label_total", 80, 21},
    {"label_games_played", 191, 21}, {"label_average_score", 212, 21}, {"label_best_score", 158, 21},
    {"title_variant0", 251, 21}, {"title_variant1", 287, 21}, {"title_variant2", 302, 21},
    {"GUESSU", 106, 38}, {"GUESSD", 106, 38}, {"NEWGAMEU", 180, 38}, {"NEWGAMED", 180, 38},
    {"NEXTROUNDU", 180, 38}, {"NEXTROUNDD", 180, 38}, {"ACTIVEU", 180, 38}, {"ACTIVED", 180, 38},
    {"INACTIVEU", 180, 38}, {"INACTIVED", 180, 38},
    {"decimal_point", 20, 29}, {"photo", 261, 571},
    {"icon_16", 16, 16}, {"icon_24", 24, 24}, {"icon_32", 32, 32}, {"icon_48", 48, 48},
    {"icon_64", 64, 64}, {"icon_128", 128, 128}, {"icon_256", 256, 256},
};

QImage Resource(const QString& name)
{
    return QImage(QStringLiteral(":/art/") + name + QStringLiteral(".png"));
}

std::vector<QString> CursorNames()
{
    std::vector<QString> names;
    for (int id = 136; id <= 148; ++id)
        names.push_back(QStringLiteral("cursor_%1").arg(id));
    return names;
}

// The folders of the translations the build draws, each with its catalogue and its pictures.
QStringList LanguageFolders()
{
    const QDir locale(QStringLiteral(VANTEL_LOCALE));
    QStringList folders;
    for (const QString& language : locale.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << locale.filePath(language);
    return folders;
}

TEST(ResourceImages, EveryImageHasItsSizeAndATwinOfTwiceTheSize)
{
    ASSERT_GE(LanguageFolders().size(), 2) << "German and French";
    for (const Expected& image : kImages) {
        const QString name = QString::fromLatin1(image.name);
        EXPECT_EQ(Resource(name).size(), QSize(image.width, image.height)) << image.name;
        EXPECT_EQ(Resource(name + "@2x").size(), QSize(2 * image.width, 2 * image.height)) << image.name;
        if (!picturewords::ShowsWords(name)) continue;
        for (const QString& folder : LanguageFolders()) {
            const QString art = folder + "/art/" + name;
            EXPECT_EQ(QImage(art + ".png").size(), QSize(image.width, image.height)) << qPrintable(art);
            EXPECT_EQ(QImage(art + "@2x.png").size(), QSize(2 * image.width, 2 * image.height)) << qPrintable(art);
        }
    }
    for (const QString& name : CursorNames()) {
        EXPECT_EQ(Resource(name).size(), QSize(32, 32)) << qPrintable(name);
        EXPECT_EQ(Resource(name + "@2x").size(), QSize(64, 64)) << qPrintable(name);
    }
}

void ExpectTransparentCornersAndOpaqueMiddle(const QImage& image, const QString& name)
{
    ASSERT_TRUE(image.hasAlphaChannel()) << qPrintable(name);
    const int last = image.width() - 1;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << qPrintable(name);
    EXPECT_EQ(qAlpha(image.pixel(last / 2, last / 2)), 255) << qPrintable(name);
}

TEST(ResourceImages, CursorsAndIconsAreRoundOnTransparentGround)
{
    for (const QString& name : CursorNames()) {
        ExpectTransparentCornersAndOpaqueMiddle(Resource(name), name);
        ExpectTransparentCornersAndOpaqueMiddle(Resource(name + "@2x"), name + "@2x");
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        ExpectTransparentCornersAndOpaqueMiddle(Resource(QStringLiteral("icon_%1").arg(size)), "icon");
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++differing;
    return differing;
}

// Where the words of picture `art` go in a picture of `size`: the fit and the ink.
art::TextPlace PlaceWords(const QString& art, QSize size, QRectF* ink)
{
    const QString words = picturewords::WordsOf(art);
    const QRectF box(QPointF(0, 0), size);
    if (art.startsWith(QLatin1String("label_")) || art.startsWith(QLatin1String("title_"))) {
        const art::TextPlace place = art::PlaceLabel(box, words);
        *ink = art::FittedInk(box, place.baseline, words, place.fit);
        return place;
    }
    *ink = art::CaptionInk(box, words, false);
    return art::PlaceCaption(box, words, false);
}

QSize SizeOf(const QString& art)
{
    for (const Expected& image : kImages) {
        if (art == image.name || art + "U" == image.name) return QSize(image.width, image.height);
    }
    return QSize();
}

// A translation's longer words are drawn narrower or smaller, never cut, and never below four fifths
// of the height of the English words in the same picture: readable wherever the English are.
TEST(ResourceImages, EveryTranslatedPictureHoldsItsWordsWholeAndReadable)
{
    art::LoadGameFont(QStringLiteral(VANTEL_ART_FONT));
    for (const QString& folder : LanguageFolders()) {
        QTranslator translation;
        ASSERT_TRUE(translation.load(folder + "/vantel.qm")) << qPrintable(folder);
        for (const picturewords::Entry* e = picturewords::begin(); e != picturewords::end(); ++e) {
            const QString art = QString::fromLatin1(e->art);
            const QSize size = SizeOf(art);
            QRectF ink;
            const art::TextPlace english = PlaceWords(art, size, &ink);
            QCoreApplication::installTranslator(&translation);
            const art::TextPlace translated = PlaceWords(art, size, &ink);
            const QString words = picturewords::WordsOf(art);
            QCoreApplication::removeTranslator(&translation);
            SCOPED_TRACE(qPrintable(folder + ": " + words));
            EXPECT_NE(words, QString());
            EXPECT_TRUE(QRectF(QPointF(0, 0), size).contains(ink)) << ink.x() << "," << ink.y() << " "
                                                                  << ink.width() << "x" << ink.height();
            EXPECT_GE(translated.fit.scale, 0.8 * english.fit.scale);
            EXPECT_GE(translated.fit.narrow, art::kNarrowest);
        }
    }
}

TEST(ResourceImages, EveryCursorShowsADifferentChip)
{
    const std::vector<QString> names = CursorNames();
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size(); ++j)
            EXPECT_GT(DifferingPixels(Resource(names[i]), Resource(names[j])), 40)
                << qPrintable(names[i]) << " and " << qPrintable(names[j]);
}

// The mean colour of the lettering: the pixels clearly brighter than the ground, `inset` pixels or
// more inside the edges (clear of a button's frame).
QColor InkColour(const QImage& image, int inset = 0)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = inset; y < image.height() - inset; ++y)
        for (int x = inset; x < image.width() - inset; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qMax(qMax(qRed(pixel), qGreen(pixel)), qBlue(pixel)) < 160)
                continue;
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
            ++n;
        }
    return n == 0 ? QColor(Qt::black) : QColor(int(r / n), int(g / n), int(b / n));
}

bool IsRed(const QColor& c) { return c.red() > 180 && c.green() < c.red() / 2 && c.blue() < c.red() / 2; }
bool IsOrange(const QColor& c) { return c.red() > 200 && c.green() > 60 && c.green() < 190 && c.blue() < 90; }
bool IsYellow(const QColor& c) { return c.red() > 200 && c.green() > 170 && c.blue() < 120; }
bool IsGreen(const QColor& c) { return c.green() > 150 && c.red() < c.green() / 2 && c.blue() < c.green(); }
bool IsBlue(const QColor& c) { return c.blue() > 200 && c.red() < c.blue() / 2 && c.green() < c.blue(); }
bool IsWhite(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; }

TEST(ResourceImages, LabelsAndTitlesAreLetteredInTheirColours)
{
    for (const char* name : {"label_shapes", "label_colors"})
        EXPECT_TRUE(IsOrange(InkColour(Resource(name)))) << name;
    for (const char* name : {"label_score_by_round", "label_total"})
        EXPECT_TRUE(IsBlue(InkColour(Resource(name)))) << name;
    for (const char* name : {"label_games_played", "label_average_score", "label_best_score"})
        EXPECT_TRUE(IsGreen(InkColour(Resource(name)))) << name;
    for (const char* name : {"title_variant0", "title_variant1", "title_variant2"})
        EXPECT_TRUE(IsRed(InkColour(Resource(name)))) << name;
}

TEST(ResourceImages, ButtonsChangeTheirLetteringWhenPressed)
{
    EXPECT_TRUE(IsRed(InkColour(Resource("GUESSU"))));
    EXPECT_TRUE(IsYellow(InkColour(Resource("GUESSD"))));
    for (const char* name : {"NEWGAME", "NEXTROUND"}) {
        EXPECT_TRUE(IsGreen(InkColour(Resource(QString(name) + "U")))) << name;
        EXPECT_TRUE(IsYellow(InkColour(Resource(QString(name) + "D")))) << name;
    }
    const int clearOfFrame = 7;
    EXPECT_TRUE(IsRed(InkColour(Resource("ACTIVEU"), clearOfFrame)));
    EXPECT_TRUE(IsYellow(InkColour(Resource("INACTIVEU"), clearOfFrame)));
    EXPECT_TRUE(IsWhite(InkColour(Resource("ACTIVED"), clearOfFrame)));
    EXPECT_TRUE(IsWhite(InkColour(Resource("INACTIVED"), clearOfFrame)));
    EXPECT_GT(DifferingPixels(Resource("NEWGAMEU"), Resource("NEXTROUNDU")), 200) << "captions differ";
}

bool IsUniform(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                return false;
    return true;
}

TEST(ResourceImages, SeparatorsAreSolidOrange)
{
    for (const char* name : {"sep_vert", "sep_horiz", "sep_horiz@2x"})
        EXPECT_TRUE(IsUniform(Resource(name), qRgb(255, 106, 0))) << name;
}

TEST(ResourceImages, TheDecimalPointIsAYellowDotAtTheBottomCentreOfABlackCell)
{
    const QImage point = Resource("decimal_point");
    int dotPixels = 0;
    QRect dot;
    for (int y = 0; y < point.height(); ++y)
        for (int x = 0; x < point.width(); ++x)
            if (IsYellow(QColor(point.pixel(x, y)))) {
                ++dotPixels;
                dot |= QRect(x, y, 1, 1);
            }
    EXPECT_GE(dotPixels, 16);
    EXPECT_LE(dot.width(), 6);
    EXPECT_LE(dot.height(), 6);
    EXPECT_NEAR(dot.center().x(), point.width() / 2, 1);
    EXPECT_GT(dot.top(), point.height() / 2);
    EXPECT_EQ(point.pixel(0, 0) & 0xFFFFFF, 0u);
}

TEST(ResourceImages, ThePhotographIsAPictureNotAFlatFill)
{
    const QImage photo = Resource("photo");
    EXPECT_GT(DifferingPixels(photo, photo.mirrored(true, false)), photo.width() * photo.height() / 4);
    EXPECT_FALSE(IsUniform(photo, photo.pixel(0, 0)));
}

}  // namespace
