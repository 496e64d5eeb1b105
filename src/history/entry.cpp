#include "history/entry.h"

#include <utility>

namespace history {
namespace {

constexpr std::array<std::pair<Event, std::string_view>, 6> kEventNames{{
    {Event::Read, "read"},
    {Event::StoredByUpdate, "stored by Update settings"},
    {Event::StoredAtClose, "stored at close"},
    {Event::StoredAllSix, "stored all six"},
    {Event::StoredByCommand, "stored by command"},
    {Event::Restored, "restored"},
}};

}  // namespace

std::string_view eventName(Event event) {
    for (const auto& [known, name] : kEventNames) {
        if (known == event) {
            return name;
        }
    }
    return {};
}

std::optional<Event> eventNamed(std::string_view name) {
    for (const auto& [event, known] : kEventNames) {
        if (known == name) {
            return event;
        }
    }
    return std::nullopt;
}

}  // namespace history
