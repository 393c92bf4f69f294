// The game's language: chosen from the desktop's settings as gettext chooses, and English whenever
// no translation can be read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(Translation, AMissingOrDamagedCatalogueLeavesTheGameInEnglish)
{
    QFile real(QStringLiteral(VANTEL_LOCALE "/de/vantel.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray catalogue = real.readAll();
    for (const QByteArray& broken : {QByteArray(), QByteArray("not a catalogue"), catalogue.left(40)}) {
        QTemporaryDir app;
        const CTranslation translation(FolderWithCatalogue(app, broken), {"de_DE", "de"});
        EXPECT_EQ(translation.Language(), QString()) << broken.size() << " bytes";
        EXPECT_EQ(picturewords::WordsOf("label_shapes"), "SHAPES");
        EXPECT_EQ(language::Folder(), QString());
    }
    const CTranslation none(QStringLiteral(VANTEL_LOCALE "/.."), {"xx_YY", "xx"});
    EXPECT_EQ(none.Language(), QString());
}

TEST(Translation, TheFirstWantedLanguageWithACatalogueSpeaksUntilTheGameEnds)
{
    const QString app = QStringLiteral(VANTEL_LOCALE "/..");
    {
        const CTranslation german(app, {"xx", "de_CH", "de", "fr"});
        EXPECT_EQ(german.Language(), "de");
        EXPECT_EQ(picturewords::WordsOf("label_shapes"), "FORMEN");
        EXPECT_EQ(language::Folder(), QDir(app).filePath("locale/de"));
        // Qt's own words follow: the standard buttons of its dialogs.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }
    EXPECT_EQ(picturewords::WordsOf("label_shapes"), "SHAPES");
    EXPECT_EQ(language::Folder(), QString());
    const CTranslation english(app, {"en_US", "en", "de"});
    EXPECT_EQ(english.Language(), QString());
}

}  // namespace
