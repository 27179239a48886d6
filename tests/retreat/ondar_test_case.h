#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"
#include "retreat/ondar_model.h"

namespace vesk::test {

// A six-entry retreat panel under 400 ft of cover: five square pillars of
// 60 x 60 ft (80 ft centres, 20 ft entries, 7 ft high), a 400 ft panel, the
// automatic AMZ breadth of 100 ft and the reference coal strength and unit
// weight. Loading condition 0 (development).
inline OndarParams ReferenceRetreat() {
    OndarParams p;
    p.EntryHeight = 7;
    p.DepthOfCover = 400;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 80;
    p.CrosscutAngle = 90;
    p.NumberOfEntries = 6;
    for (int i = 1; i <= 5; ++i) p.EntryCenters[i] = 80;
    p.CoalStrength = 900;
    p.UnitWeight = 162;
    p.AMZBreadth = 100;
    p.AMZAuto = 1;
    p.ArchFactor = 1;
    p.ArchFactorAuto = 1;
    p.LoadingCondition = 0;
    return p;
}

// The same panel with an active gob of 500 ft and two side gobs with 60 ft
// barriers (loading condition 3 unless changed).
inline OndarParams RetreatWithSideGobs(int16_t loadingCondition = 3) {
    OndarParams p = ReferenceRetreat();
    p.LoadingCondition = loadingCondition;
    p.ActiveGobExtent = 500;
    p.FirstGobExtent = 800;
    p.SecondGobExtent = 800;
    p.FirstGobBarrierWidth = 60;
    p.SecondGobBarrierWidth = 60;
    return p;
}

// A workspace with a window-less front end.
struct RetreatFixture {
    RecordingUserInterface ui;
    Workspace ws{ui};

    // Loads `params` as the working copy and runs the method with the given
    // multiple-seam stress (psi). Fails the test when the input check fails.
    void Run(const OndarParams& params, float multiSeamStress = 0) {
        ws.OndarWork = params;
        ws.Run.avgMultiSeamStress = multiSeamStress;
        ASSERT_TRUE(OndarLoadModelInputs(ws)) << LastMessage();
        OndarCalculate(ws, 0);
    }

    std::string LastMessage() const { return ui.messages.empty() ? "" : ui.messages.back().prompt; }
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace vesk::test
