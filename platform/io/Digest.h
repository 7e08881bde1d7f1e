#pragma once
// Digests of byte streams: SHA-256 for the sets this program writes, and MD5 and CRC32 for
// the checksum files other splitters leave beside their sets. The hashing itself is the
// system's libcrypto (hardware-accelerated where the processor can) and zlib's CRC32.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct evp_md_ctx_st;  // libcrypto's digest state (EVP_MD_CTX)

namespace tirnel {

enum class HashKind { Sha256, Md5, Crc32 };

// A digest of any kind, its bytes first and zeros after them: SHA-256 fills 32 bytes, MD5 16,
// CRC32 4 (most significant first, as checksum files write it).
using DigestBytes = std::array<std::uint8_t, 32>;
using Sha256Digest = DigestBytes;

std::size_t DigestSize(HashKind kind);

// An incremental digest: Update with the bytes in order, then Finish once. A moved-from
// object may only be destroyed or assigned to.
class Hasher {
public:
    explicit Hasher(HashKind kind = HashKind::Sha256);
    ~Hasher();
    Hasher(Hasher&& other) noexcept;
    Hasher& operator=(Hasher&& other) noexcept;
    Hasher(const Hasher&) = delete;
    Hasher& operator=(const Hasher&) = delete;

    void Update(const void* data, std::size_t size);
    DigestBytes Finish();

private:
    HashKind mKind;
    evp_md_ctx_st* mContext = nullptr;  // SHA-256 and MD5
    std::uint32_t mCrc = 0;             // CRC32
};

DigestBytes DigestOf(HashKind kind, std::string_view bytes);
inline Sha256Digest Sha256Of(std::string_view bytes) { return DigestOf(HashKind::Sha256, bytes); }

// The digest's bytes as lowercase hex digits (64 for SHA-256, 32 for MD5, 8 for CRC32).
std::string HexOf(const DigestBytes& digest, HashKind kind = HashKind::Sha256);
// Reads exactly the hex digits of a digest of `kind`, of either case; anything else gives nothing.
std::optional<DigestBytes> DigestFromHex(std::string_view text, HashKind kind = HashKind::Sha256);

}  // namespace tirnel
