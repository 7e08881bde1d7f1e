#include "platform/io/Digest.h"

#include <new>
#include <utility>

#include <openssl/evp.h>
#include <zlib.h>

namespace tirnel {

std::size_t DigestSize(HashKind kind) {
    switch (kind) {
    case HashKind::Sha256: return 32;
    case HashKind::Md5: return 16;
    case HashKind::Crc32: return 4;
    }
    return 0;
}

Hasher::Hasher(HashKind kind) : mKind(kind) {
    if (kind == HashKind::Crc32) {
        mCrc = static_cast<std::uint32_t>(crc32_z(0, nullptr, 0));
        return;
    }
    mContext = EVP_MD_CTX_new();
    // Both can only fail for want of memory.
    if (!mContext) throw std::bad_alloc();
    if (EVP_DigestInit_ex(mContext, kind == HashKind::Md5 ? EVP_md5() : EVP_sha256(), nullptr) != 1) {
        EVP_MD_CTX_free(mContext);
        throw std::bad_alloc();
    }
}

Hasher::~Hasher() { EVP_MD_CTX_free(mContext); }

Hasher::Hasher(Hasher&& other) noexcept
    : mKind(other.mKind), mContext(std::exchange(other.mContext, nullptr)), mCrc(other.mCrc) {}

Hasher& Hasher::operator=(Hasher&& other) noexcept {
    if (this != &other) {
        Hasher old(std::move(*this));
        mKind = other.mKind;
        mContext = std::exchange(other.mContext, nullptr);
        mCrc = other.mCrc;
    }
    return *this;
}

void Hasher::Update(const void* data, std::size_t size) {
    if (size == 0) return;
    if (mKind == HashKind::Crc32) {
        mCrc = static_cast<std::uint32_t>(crc32_z(mCrc, static_cast<const Bytef*>(data), size));
        return;
    }
    EVP_DigestUpdate(mContext, data, size);
}

DigestBytes Hasher::Finish() {
    DigestBytes digest{};
    if (mKind == HashKind::Crc32) {
        for (int i = 0; i < 4; ++i) digest[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(mCrc >> (24 - 8 * i));
        return digest;
    }
    unsigned int written = 0;
    EVP_DigestFinal_ex(mContext, digest.data(), &written);
    return digest;
}

DigestBytes DigestOf(HashKind kind, std::string_view bytes) {
    Hasher hash(kind);
    hash.Update(bytes.data(), bytes.size());
    return hash.Finish();
}

std::string HexOf(const DigestBytes& digest, HashKind kind) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < DigestSize(kind); ++i) {
        text += kDigits[digest[i] >> 4];
        text += kDigits[digest[i] & 0xF];
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

std::optional<DigestBytes> DigestFromHex(std::string_view text, HashKind kind) {
    DigestBytes digest{};
    const std::size_t size = DigestSize(kind);
    if (text.size() != 2 * size) return std::nullopt;
    for (std::size_t i = 0; i < size; ++i) {
        const int high = HexValue(text[2 * i]);
        const int low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return digest;
}

}  // namespace tirnel
