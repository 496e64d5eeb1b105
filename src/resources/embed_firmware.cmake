# Writes OUTPUT: a C++ source holding the bytes of IMAGE and their SHA-256.
file(READ "${IMAGE}" hex HEX)
file(SHA256 "${IMAGE}" digest)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
if(byte_count EQUAL 0)
    message(FATAL_ERROR "The firmware image ${IMAGE} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," digest_bytes "${digest}")
file(WRITE "${OUTPUT}" "// Generated from ${IMAGE}; do not edit.
#include \"maintenance/firmware_image.h\"

namespace {
constexpr std::uint8_t kImage[${byte_count}] = {${bytes}};
}  // namespace

FirmwareImage builtInFirmwareImage() {
    return FirmwareImage{std::span<const std::uint8_t>(kImage, ${byte_count}),
                         {${digest_bytes}}, ${IS_TEST}};
}
")
