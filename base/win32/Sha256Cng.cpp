// SHA-256 through the system's Cryptography API: Next Generation (bcrypt.dll).
#include <windows.h>

#include <bcrypt.h>

#include <algorithm>

#include "base/Sha256.h"

namespace morvane {

struct Sha256::State {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    ~State()
    {
        if (hash != nullptr)
            BCryptDestroyHash(hash);
        if (algorithm != nullptr)
            BCryptCloseAlgorithmProvider(algorithm, 0);
    }
};

Sha256::Sha256() : state_(std::make_unique<State>())
{
    if (BCryptOpenAlgorithmProvider(&state_->algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0)
        BCryptCreateHash(state_->algorithm, &state_->hash, nullptr, 0, nullptr, 0, 0);
}

Sha256::~Sha256() = default;

// CNG takes at most 4 GiB at a time.
void Sha256::update(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ULONG piece = static_cast<ULONG>(std::min<std::size_t>(bytes.size(), 0x40000000));
        BCryptHashData(state_->hash, const_cast<PUCHAR>(bytes.data()), piece, 0);
        bytes = bytes.subspan(piece);
    }
}

Sha256Digest Sha256::finish()
{
    Sha256Digest digest{};
    BCryptFinishHash(state_->hash, digest.data(), static_cast<ULONG>(digest.size()), 0);
    return digest;
}

}  // namespace morvane
