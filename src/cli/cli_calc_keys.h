#pragma once
// The JSON keys of `vesk-cli calc --json`, shared by the command and the
// method-specific parts. Keys are the program's own result names.
#include <array>
#include <cstddef>
#include <nlohmann/json.hpp>

namespace vesk {
struct Workspace;
}

namespace vesk::cli {

using CalcJson = nlohmann::ordered_json;

// A Single result as the double nearest its shortest decimal text, so that
// 1.3f reads 1.3 and not 1.2999999523; not-a-number and infinities are null.
CalcJson JsonValue(float value);
CalcJson JsonValue(double value);

// Elements 1..N of a 1-based result array (element 0 unused).
template <typename T, std::size_t Size>
CalcJson JsonArray(const std::array<T, Size>& values, std::size_t count) {
    CalcJson out = CalcJson::array();
    for (std::size_t i = 1; i <= count && i < Size; ++i) out.push_back(JsonValue(values[i]));
    return out;
}

// Results of the longwall method: KavoSF, KavoSFR, KavoSFMS, KavoSFRMS,
// KavoTotalStress, KavoLoads (arrays of the five loading conditions).
void AddLongwallKeys(const Workspace& ws, CalcJson& out);

// Results of the room-and-pillar method: OndarSF, OndarSFMS (by stage) and
// BarrierSF (by stage, then side).
void AddRetreatKeys(const Workspace& ws, CalcJson& out);

}  // namespace vesk::cli
