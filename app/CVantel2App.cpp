#include "CVantel2App.h"

#include <QStandardPaths>

#include <cstdlib>

#include "AppIcon.h"
#include "BaseFolder.h"
#include "CVantel2Dlg.h"

namespace {

// The game draws every picture itself and opens no desktop dialogs, so it asks for none of the
// desktop's look: on GTK-based desktops that look is a platform theme plug-in that brings all of
// GTK with it, costing memory and start-up time for nothing. A theme the player names explicitly
// (QT_QPA_PLATFORMTHEME) is still honoured. Only possible before the application object exists.
int& WithoutDesktopLook(int& argc)
{
    QGuiApplication::setDesktopSettingsAware(false);
    return argc;
}

}  // namespace

CVantel2App::CVantel2App(int& argc, char** argv)
    : QApplication(WithoutDesktopLook(argc), argv),
      m_translation(applicationDirPath(), CTranslation::WantedByDesktop())
{
    setApplicationName(QStringLiteral("Vantel"));
    setApplicationDisplayName(QStringLiteral("Vantel"));
    setDesktopFileName(QStringLiteral("com.tarnwick.Vantel"));   // packaging/com.tarnwick.Vantel.desktop
    setWindowIcon(AppIcon());
}

std::filesystem::path CVantel2App::DataFolder()
{
#if defined(Q_OS_DARWIN)
    // Every file name there is UTF-8, so the folder survives a trip through text.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return folder.isEmpty() ? std::filesystem::path() : std::filesystem::path(folder.toStdString());
#else
    // Straight from the environment's bytes: a home folder whose name is not valid UTF-8 would not
    // survive a trip through text.
    return stats::BaseFolderFromEnvironment(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
#endif
}

int CVantel2App::InitInstance()
{
    CVantel2Dlg dlg(DataFolder(), applicationDirPath());
    dlg.FitToScreen();
    dlg.exec();
    return 0;
}
