// SHA-256 through OpenSSL's EVP interface.
#include <openssl/evp.h>

#include "base/Sha256.h"

namespace morvane {

struct Sha256::State {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    ~State() { EVP_MD_CTX_free(context); }
};

Sha256::Sha256() : state_(std::make_unique<State>())
{
    EVP_DigestInit_ex(state_->context, EVP_sha256(), nullptr);
}

Sha256::~Sha256() = default;

void Sha256::update(std::span<const std::uint8_t> bytes)
{
    EVP_DigestUpdate(state_->context, bytes.data(), bytes.size());
}

Sha256Digest Sha256::finish()
{
    Sha256Digest digest{};
    unsigned int length = 0;
    EVP_DigestFinal_ex(state_->context, digest.data(), &length);
    return digest;
}

}  // namespace morvane
