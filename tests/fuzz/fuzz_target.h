#pragma once

#include <cstddef>
#include <cstdint>

// The entry point every fuzz target defines: libFuzzer calls it, and so does the corpus
// replay program that the ordinary builds run as a test.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
