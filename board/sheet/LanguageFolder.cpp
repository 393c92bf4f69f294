#include "LanguageFolder.h"

#include <QDir>
#include <QFileInfo>

namespace language {
namespace {

QString& TheFolder()
{
    static QString folder;
    return folder;
}

}  // namespace

void SetFolder(const QString& folder)
{
    TheFolder() = folder;
}

const QString& Folder()
{
    return TheFolder();
}

QString Translated(const QString& file, const QString& english)
{
    if (Folder().isEmpty()) return english;
    const QString translated = QDir(Folder()).filePath(file);
    return QFileInfo::exists(translated) ? translated : english;
}

}  // namespace language
