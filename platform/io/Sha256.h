#pragma once
// SHA-256 of byte streams, for the digests that travel with a piece set. The hashing itself
// is the system's libcrypto (hardware-accelerated where the processor can).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct evp_md_ctx_st;  // libcrypto's digest state (EVP_MD_CTX)

namespace tirnel {

using Sha256Digest = std::array<std::uint8_t, 32>;

// An incremental digest: Update with the bytes in order, then Finish once. A moved-from
// object may only be destroyed or assigned to.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&& other) noexcept;
    Sha256& operator=(Sha256&& other) noexcept;
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Update(const void* data, std::size_t size);
    Sha256Digest Finish();

private:
    evp_md_ctx_st* mContext = nullptr;
};

Sha256Digest Sha256Of(std::string_view bytes);

// 64 lowercase hex digits.
std::string HexOf(const Sha256Digest& digest);
// Reads exactly 64 hex digits of either case; anything else gives nothing.
std::optional<Sha256Digest> DigestFromHex(std::string_view text);

}  // namespace tirnel
