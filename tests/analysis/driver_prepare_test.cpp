// The pre-check of a run: working copies, the automatic pressure arch factor
// and the multiple-seam input check.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "analysis/calculation_driver.h"
#include "analysis/recording_user_interface.h"
#include "interaction/multi_seam_checks.h"
#include "project/workspace.h"

namespace vesk {
namespace {

TEST(CalcArchFactorAutoTest, DepthAgainstPanelWidth) {
    const struct {
        const char* name;
        int16_t unitSystem;
        double depth;
        std::array<double, 10> centers;
        int16_t entries;
        float expected;
    } cases[] = {
        // 1 - 0.28 ln(500 / 300) = 0.857...
        {"deep panel", 0, 500, {0, 100, 100, 100}, 4, 0.86f},
        // 350 - 80 = 270 is less than the 300 ft panel.
        {"shallow panel", 0, 350, {0, 100, 100, 100}, 4, 1.0f},
        // The same project in metres is converted first: 500 - 262.47 < 300.
        {"metric", 1, 152.4, {0, 30.48, 30.48, 30.48}, 4, 1.0f},
        {"metric deep", 1, 304.8, {0, 30.48, 30.48, 30.48}, 4, 0.66f},
        // Only the centres of the entries in use count.
        {"unused centres", 0, 500, {0, 100, 100, 100, 999}, 4, 0.86f},
        {"no panel width", 0, 500, {0, 0, 0, 0}, 4, 1.0f},
        // A very deep, narrow panel is held at 0.28.
        {"lower bound", 0, 20000, {0, 10}, 2, 0.28f},
    };
    for (const auto& c : cases) {
        RecordingUserInterface ui;
        Workspace ws(ui);
        ws.Header.UnitSystem = c.unitSystem;
        ws.OndarWork.DepthOfCover = c.depth;
        ws.OndarWork.EntryCenters = c.centers;
        ws.OndarWork.NumberOfEntries = c.entries;
        EXPECT_FLOAT_EQ(CalcArchFactorAuto(ws), c.expected) << c.name;
    }
}

TEST(PrepareRunTest, WorkingCopiesAndTheAutomaticArchFactor) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.State.NoData = 0;
    ws.VeskInput.InterburdenThickness = 60;
    ws.VeskInput.SeamThickness = 6;
    ws.VeskInput.GobWidth = 500;
    ws.OndarInput.DepthOfCover = 500;
    ws.OndarInput.NumberOfEntries = 4;
    ws.OndarInput.EntryCenters = {0, 100, 100, 100};
    ws.OndarInput.ArchFactor = 0;
    ws.OndarInput.ArchFactorAuto = 1;
    ws.KavoWork.DepthOfCover = 999;  // left over from an earlier run
    ASSERT_TRUE(PrepareRun(ws));
    EXPECT_EQ(ws.VeskWork, ws.VeskInput);
    EXPECT_EQ(ws.KavoWork, ws.KavoInput);
    EXPECT_FLOAT_EQ(ws.OndarWork.ArchFactor, 0.86f);
    EXPECT_FLOAT_EQ(ws.OndarInput.ArchFactor, 0);  // the stored copy is not touched

    // A factor of the user's own, or a manual factor, stays.
    ws.OndarInput.ArchFactor = 0.5f;
    ASSERT_TRUE(PrepareRun(ws));
    EXPECT_FLOAT_EQ(ws.OndarWork.ArchFactor, 0.5f);
    ws.OndarInput.ArchFactor = 0;
    ws.OndarInput.ArchFactorAuto = 0;
    ASSERT_TRUE(PrepareRun(ws));
    EXPECT_FLOAT_EQ(ws.OndarWork.ArchFactor, 0);
    EXPECT_TRUE(ui.messages.empty());

    // The geometry check runs on the fresh working copy.
    ws.VeskInput.SeamThickness = 0;
    EXPECT_FALSE(PrepareRun(ws));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].prompt, "Check Vesk Parameters. Invalid seam thickness");
}

TEST(ValidateMultiSeamInputsTest, FirstFaultInDialogOrder) {
    VeskParams valid;
    valid.InterburdenThickness = 60;
    valid.SeamThickness = 6;
    valid.GobWidth = 500;
    valid.ActiveSeamCMRR = 45;
    valid.AgeOfWorkings = 10;
    const struct {
        const char* name;
        void (*change)(VeskParams&);
        const char* message;  // nullptr: valid
    } cases[] = {
        {"valid", [](VeskParams&) {}, nullptr},
        {"no interburden", [](VeskParams& v) { v.InterburdenThickness = 0; },
         "Check Vesk Parameters. Invalid interburden thickness"},
        {"interburden not a number",
         [](VeskParams& v) { v.InterburdenThickness = std::numeric_limits<float>::quiet_NaN(); },
         "Check Vesk Parameters. Invalid interburden thickness"},
        {"interburden before seam thickness",
         [](VeskParams& v) {
             v.InterburdenThickness = -1;
             v.SeamThickness = 0;
         },
         "Check Vesk Parameters. Invalid interburden thickness"},
        {"no seam thickness", [](VeskParams& v) { v.SeamThickness = 0; },
         "Check Vesk Parameters. Invalid seam thickness"},
        {"CMRR 20", [](VeskParams& v) { v.ActiveSeamCMRR = 20; },
         "Check Vesk Parameters. Invalid CMRR. CMRR should be between 20 and 100"},
        {"CMRR 20.5", [](VeskParams& v) { v.ActiveSeamCMRR = 20.5f; }, nullptr},
        {"CMRR 100", [](VeskParams& v) { v.ActiveSeamCMRR = 100; }, nullptr},
        {"CMRR 100.5", [](VeskParams& v) { v.ActiveSeamCMRR = 100.5f; },
         "Check Vesk Parameters. Invalid CMRR. CMRR should be between 20 and 100"},
        {"age 0", [](VeskParams& v) { v.AgeOfWorkings = 0; }, nullptr},
        {"negative age", [](VeskParams& v) { v.AgeOfWorkings = -1; },
         "Check Vesk Parameters. Invalid age of older workings"},
        {"no gob", [](VeskParams& v) { v.GobWidth = 0; }, "Check Vesk Parameters. Invalid gob width"},
        {"remnant layout ignores the gob width",
         [](VeskParams& v) {
             v.PreviousMining = 1;
             v.GobWidth = 0;
             v.RemnantWidth = 50;
             v.GobWidth1 = 100;
             v.GobWidth2 = 100;
         },
         nullptr},
        {"no remnant",
         [](VeskParams& v) {
             v.PreviousMining = 1;
             v.GobWidth1 = 100;
             v.GobWidth2 = 100;
         },
         "Check Vesk Parameters. Invalid remnant width"},
        {"no gob 1",
         [](VeskParams& v) {
             v.PreviousMining = 1;
             v.RemnantWidth = 50;
             v.GobWidth2 = 100;
         },
         "Check Vesk Parameters. Invalid width of Gob 1"},
        {"no gob 2",
         [](VeskParams& v) {
             v.PreviousMining = 1;
             v.RemnantWidth = 50;
             v.GobWidth1 = 100;
         },
         "Check Vesk Parameters. Invalid width of Gob 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingUserInterface ui;
        Workspace ws(ui);
        ws.VeskWork = valid;
        c.change(ws.VeskWork);
        EXPECT_EQ(ValidateMultiSeamInputs(ws), c.message == nullptr);
        if (c.message == nullptr) {
            EXPECT_TRUE(ui.messages.empty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].prompt, c.message);
            EXPECT_EQ(ui.messages[0].title, "");
            EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
        }
    }
}

}  // namespace
}  // namespace vesk
