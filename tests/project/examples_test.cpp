#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/project_file.h"
#include "project/project_file_format.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

// Every example opens cleanly, is written in the current layout (saving it
// again gives the same bytes), and together they cover both methods, both
// previous-mining layouts, both vertical positions, both unit systems and
// every retreat loading condition.
TEST(Examples, OpenCleanlyAndCoverTheLayouts) {
    std::set<std::string> seen;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::ExamplesDir())) {
        if (entry.path().extension() != ".VSK") continue;
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        ++count;
        RecordingUserInterface ui;
        Workspace ws(ui);
        ws.State.ProjectSaved = ByteTrue;
        ws.Header.ProjectFileName = path;
        ASSERT_TRUE(FileOpen(ws));
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(ws.State.FileFormatVersion, 53);
        EXPECT_FALSE(ws.Header.ProjectTitle.empty());

        ProjectFileContents contents;
        contents.UnitSystem = ws.Header.UnitSystem;
        contents.ProjectTitle = ws.Header.ProjectTitle;
        contents.ProjectDescription = ws.Header.ProjectDescription;
        contents.Records = ProjectRecords{ws.VeskInput, ws.KavoInput, ws.OndarInput};
        EXPECT_EQ(FormatProjectFile(contents), test::ReadTextFile(path));

        const VeskParams& v = ws.VeskInput;
        seen.insert(v.ActiveMiningMode == 0 ? "longwall" : "retreat");
        seen.insert(v.PreviousMining == 0 ? "gob" : "remnant");
        seen.insert(v.VerticalPosition == 0 ? "over" : "under");
        seen.insert(ws.Header.UnitSystem == 0 ? "english" : "metric");
        if (v.ActiveMiningMode == 1)
            seen.insert("condition " + std::to_string(ws.OndarInput.LoadingCondition));
        EXPECT_GT(v.InterburdenThickness, 0.0f);
    }
    EXPECT_GE(count, 6);
    EXPECT_TRUE(std::filesystem::exists(test::ExamplesDir() / "Longwall_Gob_Over.VSK"));
    for (const char* needed : {"longwall", "retreat", "gob", "remnant", "over", "under", "english", "metric",
                               "condition 1", "condition 2", "condition 3"}) {
        EXPECT_TRUE(seen.count(needed)) << needed;
    }
}

}  // namespace
}  // namespace vesk
