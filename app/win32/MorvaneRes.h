// Resource ids of the Win32 program.
#pragma once

#define IDD_BROWSER 102
