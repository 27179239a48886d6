#pragma once

namespace vesk {

// The data of the last design graph (filled by the sweeps, read by the graph
// window and the exports).
struct GraphData {
};

}  // namespace vesk
