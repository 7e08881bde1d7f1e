#include "platform/io/Sha256.h"

#include <new>
#include <utility>

#include <openssl/evp.h>

namespace tirnel {

Sha256::Sha256() : mContext(EVP_MD_CTX_new()) {
    // Both can only fail for want of memory.
    if (!mContext) throw std::bad_alloc();
    if (EVP_DigestInit_ex(mContext, EVP_sha256(), nullptr) != 1) {
        EVP_MD_CTX_free(mContext);
        throw std::bad_alloc();
    }
}

Sha256::~Sha256() { EVP_MD_CTX_free(mContext); }

Sha256::Sha256(Sha256&& other) noexcept : mContext(std::exchange(other.mContext, nullptr)) {}

Sha256& Sha256::operator=(Sha256&& other) noexcept {
    if (this != &other) {
        Sha256 old(std::move(*this));
        mContext = std::exchange(other.mContext, nullptr);
    }
    return *this;
}

void Sha256::Update(const void* data, std::size_t size) {
    if (size > 0) EVP_DigestUpdate(mContext, data, size);
}

Sha256Digest Sha256::Finish() {
    Sha256Digest digest{};
    unsigned int written = 0;
    EVP_DigestFinal_ex(mContext, digest.data(), &written);
    return digest;
}

Sha256Digest Sha256Of(std::string_view bytes) {
    Sha256 hash;
    hash.Update(bytes.data(), bytes.size());
    return hash.Finish();
}

std::string HexOf(const Sha256Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * digest.size());
    for (std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

std::optional<Sha256Digest> DigestFromHex(std::string_view text) {
    Sha256Digest digest{};
    if (text.size() != 2 * digest.size()) return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return digest;
}

}  // namespace tirnel
