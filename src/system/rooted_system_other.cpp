// Elsewhere: files are read as they are, and there are no POSIX owners, modes or access
// lists to tell.
#include <fstream>

#include "system/rooted_system.h"

namespace diagnosis {
namespace {

constexpr std::streamsize kReadLimit = 1 << 16;

}  // namespace

std::optional<std::string> RootedSystem::readText(const std::string& path) const {
    std::ifstream file(under(path), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(kReadLimit), '\0');
    file.read(text.data(), kReadLimit);
    if (file.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

std::optional<FileFacts> RootedSystem::fileFacts(const std::string&) const {
    return std::nullopt;
}

void addUserIds(SessionFacts&) {}

}  // namespace diagnosis
