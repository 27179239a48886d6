#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

// The predicted condition of one case, as page 1 words it. None means the
// page prints no line for the case (the retreat case of a development-only
// room-and-pillar run when the interburden is not above its critical value).
enum class InteractionVerdict : int8_t { None, Green, Yellow, Red };

// "GREEN", "YELLOW", "RED", or "" for None.
std::string_view VerdictWord(InteractionVerdict verdict);

// Results of the interaction statistics of the last run. The four bound arrays
// are indexed 1..2 like the rest of the program's per-item arrays (element 0
// unused): 1 without, 2 with a pattern of supplemental roof support.
struct InteractionResults {
    // Development case: critical interburden (ft) and allowable total
    // vertical stress (psi).
    std::array<float, 3> CriticalInterburdenDev{};
    std::array<float, 3> AllowableStressDev{};
    // Second case: tailgate loading (longwall) or retreat (room and pillar).
    std::array<float, 3> CriticalInterburdenRet{};
    std::array<float, 3> AllowableStressRet{};

    // -1 when the last report showed a second case (longwall always; room and
    // pillar with an active retreat section), else 0. Left alone by quiet runs.
    int16_t HasRetreatChart = 0;

    // Smallest of the room-and-pillar multiple-seam factors of the stages the
    // run has (development, and retreat with an active section); 999 when
    // none is smaller. Not touched by longwall runs.
    double MinOndarSFMS = 999;

    // Stability factors the multiple-seam factors were compared with: the
    // tailgate value of a longwall run, the development and retreat value of a
    // room-and-pillar run.
    float SuggestedSFTailgate = 0;
    double SuggestedSFRet = 0;

    // Predicted conditions of the last run, one word per case as page 1 prints
    // it. The second case is named by SecondCaseName: "Tailgate" (longwall) or
    // "Retreat" (room and pillar).
    InteractionVerdict DevelopmentVerdict = InteractionVerdict::None;
    InteractionVerdict SecondCaseVerdict = InteractionVerdict::None;
    std::string SecondCaseName;
};

}  // namespace vesk
