#pragma once

namespace vesk {

// Inputs and results of the retreat method's last run (owned by the retreat
// method; read by the reports, the statistics, the sweeps and the drawings).
struct OndarModelState {
};

}  // namespace vesk
