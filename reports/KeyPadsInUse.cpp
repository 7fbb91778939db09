// The set in use is set by a front end before any stick file is read; the pointer is
// atomic so that a reader on another thread (the window tests drive the program from
// one) sees a whole set. No set put in use means the pads built in.
#include "reports/KeyPadsInUse.h"

#include <atomic>

namespace morvane {
namespace {

std::atomic<const KeyPadSet*> inUse{nullptr};

}  // namespace

KeyPadSet builtInKeyPadSet() { return {kBuiltInKeyPads, {}}; }

const KeyPadSet& keyPadsInUse()
{
    static const KeyPadSet builtIn = builtInKeyPadSet();
    const KeyPadSet* set = inUse.load();
    return set != nullptr ? *set : builtIn;
}

UsingKeyPads::UsingKeyPads(KeyPadSet pads) : pads_(std::move(pads)), previous_(inUse.exchange(&pads_)) {}

UsingKeyPads::~UsingKeyPads() { inUse.store(previous_); }

}  // namespace morvane
