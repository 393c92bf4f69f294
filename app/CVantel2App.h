#pragma once
// The application: runs the game's window until the player closes it.

#include <QApplication>

#include <filesystem>

#include "CTranslation.h"

class CVantel2App : public QApplication {
    Q_OBJECT
public:
    CVantel2App(int& argc, char** argv);

    // Shows the window and returns when it has been closed.
    int InitInstance();

    // The player's local data folder, empty when the platform has none.
    static std::filesystem::path DataFolder();

private:
    CTranslation m_translation;
};
