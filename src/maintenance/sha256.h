#pragma once

#include <array>
#include <cstdint>
#include <span>

// SHA-256 of a byte sequence, used to check the built-in firmware image against the
// digest the build recorded.
namespace maintenance {

using Sha256Digest = std::array<std::uint8_t, 32>;

Sha256Digest sha256(std::span<const std::uint8_t> data);

}  // namespace maintenance
