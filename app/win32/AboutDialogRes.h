// Resource ids of the About box.
#pragma once

#define IDD_ABOUT 100
