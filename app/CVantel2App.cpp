#include "CVantel2App.h"

#include <QStandardPaths>

#include "AppIcon.h"
#include "CVantel2Dlg.h"

CVantel2App::CVantel2App(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vantel"));
    setApplicationDisplayName(QStringLiteral("Vantel"));
    setDesktopFileName(QStringLiteral("vantel"));
    setWindowIcon(AppIcon());
}

QString CVantel2App::DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

int CVantel2App::InitInstance()
{
    CVantel2Dlg dlg(DataFolder(), applicationDirPath());
    dlg.exec();
    return 0;
}
