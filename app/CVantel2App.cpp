#include "CVantel2App.h"

#include <QStandardPaths>

#include "AppIcon.h"
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

CVantel2App::CVantel2App(int& argc, char** argv) : QApplication(WithoutDesktopLook(argc), argv)
{
    setApplicationName(QStringLiteral("Vantel"));
    setApplicationDisplayName(QStringLiteral("Vantel"));
    setDesktopFileName(QStringLiteral("com.tarnwick.Vantel"));   // packaging/com.tarnwick.Vantel.desktop
    setWindowIcon(AppIcon());
}

QString CVantel2App::DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

int CVantel2App::InitInstance()
{
    CVantel2Dlg dlg(DataFolder(), applicationDirPath());
    dlg.FitToScreen();
    dlg.exec();
    return 0;
}
