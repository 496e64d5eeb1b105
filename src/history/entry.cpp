#include "history/entry.h"

#include "i18n/translate.h"

#include <utility>

namespace history {
namespace {

// The names files keep; the History dialog shows them translated.
constexpr std::array<std::pair<Event, std::string_view>, 6> kEventNames{{
    {Event::Read, QT_TRANSLATE_NOOP("History", "read")},
    {Event::StoredByUpdate, QT_TRANSLATE_NOOP("History", "stored by Update settings")},
    {Event::StoredAtClose, QT_TRANSLATE_NOOP("History", "stored at close")},
    {Event::StoredAllSix, QT_TRANSLATE_NOOP("History", "stored all six")},
    {Event::StoredByCommand, QT_TRANSLATE_NOOP("History", "stored by command")},
    {Event::Restored, QT_TRANSLATE_NOOP("History", "restored")},
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
