#include "cli/adaptor_choice.h"

namespace cli {

AdaptorChoice adaptorChoice(const LaunchOptions& options) {
    using Source = AdaptorChoice::Source;
    if (options.recorded) {
        return {Source::Recorded, options.keepHistory};
    }
    if (options.simulated) {
        return {Source::Simulated, options.keepHistory};
    }
    return {Source::Real, true};
}

}  // namespace cli
