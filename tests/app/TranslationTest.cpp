// The game's language: chosen from the desktop's settings as gettext chooses, and English whenever
// no translation can be read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "CTranslation.h"
#include "LanguageFolder.h"
#include "PictureWords.h"

namespace {

struct Desktop {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    QStringList wanted;
};

TEST(Translation, TheLanguageIsReadFromLanguageThenLcAllLcMessagesAndLangAsGettextReadsIt)
{
    const Desktop cases[] = {
        {"", "", "", "de_DE.UTF-8", {"de_DE", "de"}},
        {"", "fr_CA.UTF-8@euro", "de_DE.UTF-8", "es_ES.UTF-8", {"fr_CA", "fr"}},
        {"", "", "fr_FR.UTF-8", "de_DE.UTF-8", {"fr_FR", "fr"}},
        {"fr:de_AT", "", "", "de_DE.UTF-8", {"fr", "de_AT", "de"}},
        // The locale C speaks English whatever LANGUAGE lists.
        {"de", "C.UTF-8", "", "de_DE.UTF-8", {}},
        {"de", "", "", "POSIX", {}},
        {"de", "", "", "", {}},
        // English asked before another language wins over it.
        {"en_GB:de", "", "", "de_DE.UTF-8", {"en_GB", "en"}},
        {"::de::", "", "", "de_DE.UTF-8", {"de"}},
    };
    for (const Desktop& d : cases) {
        EXPECT_EQ(CTranslation::Wanted(d.language, d.lcAll, d.lcMessages, d.lang), d.wanted)
            << d.language << " | " << d.lcAll << " | " << d.lcMessages << " | " << d.lang;
    }
}

// An app folder whose German catalogue holds `content`.
QString FolderWithCatalogue(const QTemporaryDir& app, const QByteArray& content)
{
    QDir(app.path()).mkpath(QStringLiteral("locale/de"));
    QFile qm(QDir(app.path()).filePath(QStringLiteral("locale/de/vantel.qm")));
    if (qm.open(QIODevice::WriteOnly)) qm.write(content);
    return app.path();
}

// The first wanted language with a catalogue that reads speaks, Qt's own words with it, until the
// game ends; a missing or damaged catalogue, or English asked first, leaves the game in English.
TEST(Translation, TheFirstWantedLanguageWhoseCatalogueReadsSpeaksUntilTheGameEnds)
{
    QFile real(QStringLiteral(VANTEL_LOCALE "/de/vantel.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray catalogue = real.readAll();
    const struct {
        QByteArray content;
        QStringList wanted;
        const char* shapes;
    } cases[] = {{catalogue, {"xx", "de_CH", "de", "fr"}, "FORMEN"}, {catalogue, {"en_US", "en", "de"}, "SHAPES"},
                 {catalogue, {"xx_YY", "xx"}, "SHAPES"},          {QByteArray(), {"de"}, "SHAPES"},
                 {"not a catalogue", {"de"}, "SHAPES"},          {catalogue.left(40), {"de"}, "SHAPES"}};
    for (const auto& c : cases) {
        QTemporaryDir app;
        {
            const CTranslation translation(FolderWithCatalogue(app, c.content), c.wanted);
            const bool german = QLatin1String(c.shapes) == QLatin1String("FORMEN");
            SCOPED_TRACE(c.wanted.join(':').toStdString() + ", " + std::to_string(c.content.size()) + " bytes");
            EXPECT_EQ(translation.Language(), german ? "de" : "");
            EXPECT_EQ(picturewords::WordsOf("label_shapes"), c.shapes);
            EXPECT_EQ(language::Folder(), german ? QDir(app.path()).filePath("locale/de") : QString());
            // Qt's own words: the standard buttons of its dialogs.
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), german ? "Abbrechen" : "Cancel");
        }
        EXPECT_EQ(picturewords::WordsOf("label_shapes"), "SHAPES");
        EXPECT_EQ(language::Folder(), QString());
    }
}

}  // namespace
