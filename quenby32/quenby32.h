#pragma once
// The exports of quenby32.dll, the run-integrity monitor, and the pointer types a loader needs.
// Names are undecorated (quenby32.def); calls come from one thread at a time.
#include <windows.h>

extern "C" {
// Starts the monitor's own thread and its foreground hook. 0, or the system's error code.
int WINAPI QuenbyArm(void);
// Opens a new run: the game was just started as gameProcessId.
void WINAPI QuenbyBeginRun(DWORD gameProcessId);
// 1 when, since the last BeginRun, another program came to the foreground or was started.
int WINAPI QuenbyRunWasDisturbed(void);
// Copies the first reason (at most size - 1 characters and a terminating zero) into buffer;
// returns the reason's full length, so a null buffer asks for the size. "" when undisturbed.
int WINAPI QuenbyLastReason(char* buffer, int size);
// Unhooks and ends the thread; safe to call twice and without Arm.
void WINAPI QuenbyRelease(void);
}

using QuenbyArmFunction = int(WINAPI*)(void);
using QuenbyBeginRunFunction = void(WINAPI*)(DWORD);
using QuenbyRunWasDisturbedFunction = int(WINAPI*)(void);
using QuenbyLastReasonFunction = int(WINAPI*)(char*, int);
using QuenbyReleaseFunction = void(WINAPI*)(void);
