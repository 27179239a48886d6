#pragma once

namespace vesk {

// Results of the interaction statistics of the last run.
struct InteractionResults {
};

}  // namespace vesk
