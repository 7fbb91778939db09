// The set in use is put in place by a front end before any stick file is read. It is
// handed out as a copy under a lock, so that a reader on another thread (the window tests
// drive the program from one) always sees a whole set that stays valid.
#include "reports/KeyPadsInUse.h"

#include <mutex>
#include <utility>

namespace morvane {
namespace {

std::mutex lock;

std::optional<KeyPadSet>& slot()
{
    static std::optional<KeyPadSet> set;  // none: the pads built in
    return set;
}

}  // namespace

KeyPadSet builtInKeyPadSet() { return {kBuiltInKeyPads, {}}; }

KeyPadSet keyPadsInUse()
{
    const std::lock_guard held(lock);
    return slot() ? *slot() : builtInKeyPadSet();
}

UsingKeyPads::UsingKeyPads(KeyPadSet pads)
{
    const std::lock_guard held(lock);
    previous_ = std::exchange(slot(), std::move(pads));
}

UsingKeyPads::~UsingKeyPads()
{
    const std::lock_guard held(lock);
    slot() = std::move(previous_);
}

}  // namespace morvane
