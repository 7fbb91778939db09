// Resource ids shared by the whole program.
#pragma once

#define IDI_MORVANE 128
