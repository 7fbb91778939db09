// The system clipboard, through Qt's application clipboard.
#pragma once

#include "ui/Clipboard.h"

namespace morvane::qt {

class SystemClipboard : public Clipboard {
public:
    Result putText(std::string_view bytes) override;
};

}  // namespace morvane::qt
