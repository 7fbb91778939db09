// SHA-256 from a well-kept library, behind one small interface: the system's own on
// Windows (CNG, bcrypt.dll), OpenSSL's libcrypto on Linux and macOS.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace morvane {

using Sha256Digest = std::array<std::uint8_t, 32>;

// A running hash: bytes go in by `update`, in as many pieces as the caller likes, and
// `finish` answers the digest of all of them. Then the hash is spent.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void update(std::span<const std::uint8_t> bytes);
    Sha256Digest finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The digest as sha256sum writes it: 64 lower-case hexadecimal digits.
std::string hexDigest(const Sha256Digest& digest);

}  // namespace morvane
