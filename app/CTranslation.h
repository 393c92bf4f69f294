#pragma once
// The game in the player's language: the language the desktop asks for, when the game has a
// translation into it, with Qt's own words (its standard buttons and menus) in that language too.
// Without one, or with a catalogue that cannot be read, the game stays in English.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTranslator>

class CTranslation {
public:
    // The languages asked for, most wanted first, read as gettext reads them: the list in LANGUAGE,
    // unless the locale is C or POSIX, otherwise the locale of the first of LC_ALL, LC_MESSAGES and
    // LANG that is set. Each comes as asked ("de_AT") and then as its bare language ("de"). The list
    // ends at English, which the game speaks without a translation, and is empty when the locale is
    // C or POSIX.
    static QStringList Wanted(const QByteArray& language, const QByteArray& lcAll, const QByteArray& lcMessages,
                              const QByteArray& lang);
    static QStringList WantedByDesktop();

    // Installs the first of `wanted` that has a catalogue in `appFolder`/locale/LANG/vantel.qm and
    // tells the game's pictures and instructions where that language's folder is.
    CTranslation(const QString& appFolder, const QStringList& wanted);
    ~CTranslation();
    CTranslation(const CTranslation&) = delete;
    CTranslation& operator=(const CTranslation&) = delete;

    // The language installed ("de"), empty for English.
    const QString& Language() const { return m_language; }

private:
    QTranslator m_game;
    QTranslator m_qt;
    QString m_language;
};
