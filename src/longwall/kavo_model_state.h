#pragma once

namespace vesk {

// Inputs and results of the longwall method's last run (owned by the longwall
// method; read by the reports, the statistics, the sweeps and the drawings).
struct KavoModelState {
};

}  // namespace vesk
