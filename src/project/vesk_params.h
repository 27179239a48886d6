#pragma once
#include <cstdint>

namespace vesk {

// Multiple-seam geometry and the previous seam. Field order is the declared
// order; the project file uses an order of its own.
struct VeskParams {
    int16_t ActiveMiningMode = 0;  // 0 longwall (Kavo), 1 room-and-pillar (Ondar)
    int16_t PreviousMining = 0;    // 0 gob solid layout, 1 remnant pillar layout
    int16_t VerticalPosition = 0;  // 0 active OVER previous, 1 active UNDER previous
    float InterburdenThickness = 0;
    float SeamThickness = 0;
    float GobWidth = 0;
    float RemnantWidth = 0;
    float GobWidth1 = 0;
    float GobWidth2 = 0;
    int16_t ExtraSupport = 0;  // kept and saved; no calculation reads it
    float ActiveSeamCMRR = 45;
    float AgeOfWorkings = 10;

    bool operator==(const VeskParams&) const = default;
};

}  // namespace vesk
