#pragma once
#include "project/kavo_params.h"

namespace vesk::test {

// A three-entry gate road beside a 1000 ft panel under 1000 ft of cover: the
// longwall method's reference case (pillars 80 x 80 and 60 x 80 ft).
inline KavoParams ReferenceLongwall() {
    KavoParams p;
    p.DepthOfCover = 1000;
    p.PanelWidth = 1000;
    p.AbutmentAngle = 21;
    p.UnitWeight = 162;
    p.EntryHeight = 7;
    p.CoalStrength = 900;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 100;
    p.NumberOfEntries = 3;
    p.EntryCenters[1] = 100;
    p.EntryCenters[2] = 80;
    p.UseCMRRFactors = 0;
    return p;
}

}  // namespace vesk::test
