#include "CTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include <cstdlib>

#include "LanguageFolder.h"

namespace {

bool IsPlainLocale(const QByteArray& locale)
{
    return locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C.");
}

// "de_AT.UTF-8@euro": "de_AT"; the encoding and the variant do not choose a translation.
QString WithoutEncoding(const QByteArray& locale)
{
    QByteArray name = locale;
    for (char cut : {'@', '.'}) {
        const int at = name.indexOf(cut);
        if (at >= 0) name.truncate(at);
    }
    return QString::fromLatin1(name);
}

}  // namespace

QStringList CTranslation::Wanted(const QByteArray& language, const QByteArray& lcAll, const QByteArray& lcMessages,
                                 const QByteArray& lang)
{
    const QByteArray locale = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    if (IsPlainLocale(locale)) return {};
    QStringList wanted;
    for (const QByteArray& asked : (language.isEmpty() ? locale : language).split(':')) {
        const QString name = WithoutEncoding(asked);
        if (name.isEmpty()) continue;
        const QString bare = name.section(QLatin1Char('_'), 0, 0);
        for (const QString& each : {name, bare}) {
            if (!wanted.contains(each)) wanted << each;
        }
        if (bare == QLatin1String("en")) break;
    }
    return wanted;
}

QStringList CTranslation::WantedByDesktop()
{
    return Wanted(qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"), qgetenv("LANG"));
}

CTranslation::CTranslation(const QString& appFolder, const QStringList& wanted)
{
    for (const QString& each : wanted) {
        if (each.section(QLatin1Char('_'), 0, 0) == QLatin1String("en")) return;
        const QString folder = QDir(appFolder).filePath(QStringLiteral("locale/") + each);
        if (!m_game.load(QStringLiteral("vantel.qm"), folder) || m_game.isEmpty()) continue;
        QCoreApplication::installTranslator(&m_game);
        // Qt's own words: its catalogues are named after the bare language.
        if (m_qt.load(QStringLiteral("qtbase_") + each.section(QLatin1Char('_'), 0, 0),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        m_language = each;
        language::SetFolder(folder);
        return;
    }
}

CTranslation::~CTranslation()
{
    language::SetFolder(QString());
}
