# Writes OUTPUT: a C++ source holding the bytes of IMAGE.
file(READ "${IMAGE}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
if(byte_count EQUAL 0)
    message(FATAL_ERROR "The firmware image ${IMAGE} is empty")
endif()
# The image carries no version of its own: its digest names it.
file(SHA256 "${IMAGE}" digest)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "// Generated from ${IMAGE}; do not edit.
#include \"resources/built_in_firmware.h\"

namespace {
constexpr std::uint8_t kImage[${byte_count}] = {${bytes}};
}  // namespace

std::span<const std::uint8_t> resources::builtInFirmwareBytes() {
    return std::span<const std::uint8_t>(kImage, ${byte_count});
}

bool resources::builtInFirmwareIsTestImage() {
    return ${IS_TEST};
}

std::string_view resources::builtInFirmwareDigest() {
    return \"${digest}\";
}
")
