// Entry point of tarvik.exe. The command line is not used.
#include <windows.h>

#include "app/win32/tarvik_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    tarvik::CTarvikApp app;
    return app.Run();
}
