// Morvane.exe's entry point.
#include <windows.h>

#include "app/win32/MorvaneApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    return morvane::win32::MorvaneApp(instance).run(commandLine);
}
