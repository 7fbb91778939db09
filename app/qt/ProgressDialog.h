// ProgressDialog: the progress window of long work on a stick, modal over every window of
// the program.
#pragma once

#include <memory>

#include "ui/ProgressPacing.h"
#include "ui/ProgressWindow.h"

namespace morvane::qt {

class ProgressDialog final : public ProgressWindow {
public:
    ProgressDialog();
    ~ProgressDialog() override;

    void open(std::string_view title) override;
    bool advance(std::string_view path, std::size_t index, std::size_t count) override;
    void close() override;

private:
    class StayingDialog;
    std::unique_ptr<StayingDialog> dialog_;
    ProgressPacing pacing_;
};

}  // namespace morvane::qt
