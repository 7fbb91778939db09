// Morvane.exe's entry point.
#include <windows.h>

#include "app/win32/BrowserApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    return morvane::BrowserApp(instance).run(commandLine);
}
