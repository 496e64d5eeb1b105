#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "protocol/adaptor_protocol.h"

// What the uhid adaptor holds when it starts, known to the guest session so that it
// can tell values read from the adaptor from the window's defaults.
namespace e2e {

// Stored thresholds V1, V2, H2, H1, SeqH2, SeqH1: none is a factory value, and every
// spot of the scripted lever tour stays well clear of them.
inline constexpr std::array<std::uint8_t, protocol::kSettingCount> kStartSettings{72,  181, 66,
                                                                                  190, 78,  176};

// Memory with a different value in every byte, so a block read from the wrong place
// or in the wrong order shows.
inline constexpr std::array<std::uint8_t, protocol::kMemorySize> startMemory() {
    std::array<std::uint8_t, protocol::kMemorySize> memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>(i * 29 + 7);
    }
    return memory;
}

}  // namespace e2e
