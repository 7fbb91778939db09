// ProgressDialog: the modeless progress window of long work on a stick, over the main
// window, which takes no input while it is open.
#pragma once

#include <windows.h>

#include "app/win32/OwnerWindow.h"
#include "base/win32/Dialog.h"
#include "ui/ProgressPacing.h"
#include "ui/ProgressWindow.h"

namespace morvane::win32 {

class ProgressDialog final : public ProgressWindow, private Dialog {
public:
    ProgressDialog(HINSTANCE instance, OwnerWindow& owner) : instance_(instance), owner_(owner) {}
    ~ProgressDialog() override { close(); }

    void open(std::string_view title) override;
    bool advance(std::string_view path, std::size_t index, std::size_t count) override;
    void close() override;

private:
    void onCommand(int id) override;

    HINSTANCE instance_;
    OwnerWindow& owner_;
    HWND disabledOwner_ = nullptr;
    bool cancelled_ = false;
    ProgressPacing pacing_;
};

}  // namespace morvane::win32
