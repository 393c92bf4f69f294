#include "CVantel2App.h"

int main(int argc, char** argv)
{
    CVantel2App app(argc, argv);
    return app.InitInstance();
}
