// ut2003.exe, the simulated game.
#include <windows.h>

#include "tools/simgame/win32/game_run.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return tarvik::simgame::RunSimulatedGame(::GetCommandLineA());
}
