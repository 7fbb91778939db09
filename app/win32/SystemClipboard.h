// The system clipboard, opened for the application's main window.
#pragma once

#include "app/win32/OwnerWindow.h"
#include "ui/Clipboard.h"

namespace morvane::win32 {

class SystemClipboard : public Clipboard {
public:
    explicit SystemClipboard(const OwnerWindow& owner) : owner_(owner) {}
    Result putText(std::string_view bytes) override;

private:
    const OwnerWindow& owner_;
};

}  // namespace morvane::win32
