// Where the solver files live, how solver statuses reach the user, and the
// readers of the result files.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"
#include "stresslink/solver_files.h"
#include "stresslink/solver_model_builder.h"
#include "stresslink/solver_results.h"
#include "stresslink/solver_run.h"
#include "support/test_support.h"

namespace vesk {
namespace {

TEST(SolverFilePathTest, FolderByOptionAndBaseNameOfTheProject) {
    RecordingUserInterface ui;
    Workspace ws(ui);
    ws.Paths.AppFolder = "/opt/vesk/bin/";
    ws.Paths.SystemTempFolder = "/tmp/";
    ws.Paths.UserTempFolder = "/home/u/Documents/MyPavex/Temp/";
    ws.Header.ProjectFileName = "/home/u/mines/North.Main.VSK";
    const struct {
        int16_t option;
        const char* path;
    } folders[] = {
        {0, "/opt/vesk/bin/North.in2"},
        {1, "/tmp/North.in2"},
        {2, "/North.in2"},
        {3, "/home/u/Documents/MyPavex/Temp/North.in2"},
        {4, ""},
        {-1, ""},
    };
    for (const auto& f : folders) {
        ws.Options.iOptDir = f.option;
        EXPECT_EQ(SolverFilePath(ws, ".in2"), f.path) << "iOptDir " << f.option;
    }

    const struct {
        const char* projectFile;
        const char* base;
    } names[] = {
        {"/home/u/mines/North.Main.VSK", "North"},
        {"/other/place/North.VSK", "North"},  // same base, same solver files
        {"/home/u/.hidden.VSK", ".hidden.VSK"},
        {"/home/u/no_extension", "no_extension"},
        {"/home/u/dotted.folder/plain", "plain"},
        {"Untitled", "Untitled"},
        {"", "Untitled"},
    };
    for (const auto& n : names) EXPECT_EQ(SolverBaseName(n.projectFile), n.base) << n.projectFile;

    ws.Options.iOptDir = 1;
    ws.Header.ProjectFileName = "Untitled";
    EXPECT_EQ(SolverFilePath(ws, ".vk1"), "/tmp/Untitled.vk1");
}

int32_t Status0(const char*) {
    return 0;
}
int32_t Status4(const char*) {
    return 4;
}
int32_t Status7(const char*) {
    return 7;
}
int32_t Status12(const char*) {
    return 12;
}
int32_t Status65536(const char*) {
    return 65536;
}

TEST(RunSolverTest, StatusesBecomeTheProgramsMessages) {
    const struct {
        SolverLibrary::EntryPoint entry;
        bool ok;
        const char* message;  // nullptr: none shown
    } cases[] = {
        {Status0, true, nullptr},
        {Status4, false,
         "Error in Solution Module: ReadInput-> Could not read Seam 1 material character codes"},
        {Status12, false, "Error in Solution Module: SOR-> Maximum Number of Iterations Reached"},
        {Status7, false, nullptr},
        // Not a success just because its low 16 bits are 0.
        {Status65536, false, nullptr},
    };
    for (const auto& c : cases) {
        RecordingUserInterface ui;
        Workspace ws(ui);
        ws.Solver.useEntryPoint(c.entry);
        EXPECT_EQ(RunSolver(ws, "/tmp/x.in2", SolverCallerMainMenu), c.ok);
        if (c.message == nullptr) {
            EXPECT_TRUE(ui.messages.empty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].prompt, c.message);
            EXPECT_EQ(ui.messages[0].title, "");
        }
    }
    EXPECT_EQ(
        SolverStatusMessage(31),
        "Error in Solution Module: Pillar_Average_Modulus-> Material Code Out of Range in Pillar Average "
        "Modulus Routine");
    EXPECT_EQ(SolverStatusMessage(21),
              "Error in Solution Module: Strain_Safety_Factor-> Material Code Out of Range in Safety Factor "
              "Routine");
    EXPECT_FALSE(SolverStatusMessage(41).empty());
    EXPECT_TRUE(SolverStatusMessage(7).empty());
}

TEST(RunSolverTest, CopiesOfTheWorkspaceLibraryShareOneBinding) {
    SolverLibrary first;
    first.useEntryPoint(Status12);
    SolverLibrary copy = first;
    int32_t status = 0;
    std::string error;
    ASSERT_TRUE(copy.call("/tmp/x.in2", status, error));
    EXPECT_EQ(status, 12);
    EXPECT_TRUE(first.loaded());
}

// One test for both, in this order: once loaded, the library stays resident
// in the process and would be found by its name alone (so a repeated run
// checks the absent library only the first time).
TEST(RunSolverTest, TheLibraryIsFoundBesideTheProgramAndItsAbsenceReported) {
    void* resident = dlopen(SolverLibrary::FileName, RTLD_LAZY | RTLD_NOLOAD);
    if (resident != nullptr) dlclose(resident);
    if (resident == nullptr) {
        test::TempDir empty;
        RecordingUserInterface ui;
        Workspace ws(ui);
        ws.Solver = SolverLibrary(empty.path().string() + "/");
        EXPECT_FALSE(RunSolver(ws, "/tmp/x.in2", SolverCallerMainMenu));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(
            ui.messages[0].prompt.rfind(
                "Error in Solution Module: the solver library libVeskJirn_v9.so could not be loaded. ", 0),
            0u)
            << ui.messages[0].prompt;
        EXPECT_FALSE(ws.Solver.loaded());
    }
    // The test programs sit beside the solver library in the build's bin folder.
    SolverLibrary library;
    std::string error;
    ASSERT_TRUE(library.load(error)) << error;
    EXPECT_EQ(library.loadedFrom(), (test::BinaryDir() / SolverLibrary::FileName).string());
}

class ResultReaderTest : public ::testing::Test {
protected:
    ResultReaderTest() : ws(ui) {
        ws.Options.iOptDir = 1;
        ws.Paths.SystemTempFolder = dir.path().string() + "/";
        ws.Header.ProjectFileName = "/somewhere/Mine.VSK";
        ws.Model.ElementCount = 3;
        ws.Model.ElementWidth = 2;
    }

    // A .dat file of the solver's layout: 32 lines before the element rows.
    static std::string DatFile(int rowsOfSeam2) {
        std::string text = "Mine\n\n";
        for (int line = 3; line <= 32; ++line) text += "header " + std::to_string(line) + "\n";
        auto row = [](int seam, int i) {
            std::string r;
            for (int column = 1; column <= 9; ++column) {
                if (column > 1) r += ", ";
                r += "  " + std::to_string(seam * 100 + i * 10 + column) + ".5";
            }
            return r + "\n";
        };
        for (int i = 1; i <= 3; ++i) text += row(1, i);
        text += "\n";
        for (int i = 1; i <= rowsOfSeam2; ++i) text += row(2, i);
        return text;
    }

    test::TempDir dir;
    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(ResultReaderTest, CriticalStressesAreTheFirstTwoValues) {
    test::CommaLocale comma;
    const std::string path = dir.file("Mine.vk1");
    test::WriteTextFile(path, "       1234.5,      -12.25,  1.5007e+03");
    float single = 0, multi = 0;
    std::string error;
    ASSERT_TRUE(ReadCriticalStresses(path, single, multi, error)) << error;
    EXPECT_FLOAT_EQ(single, 1234.5f);
    EXPECT_FLOAT_EQ(multi, -12.25f);

    test::WriteTextFile(path, "  1234.5\n");
    EXPECT_FALSE(ReadCriticalStresses(path, single, multi, error));
    EXPECT_FALSE(ReadCriticalStresses(dir.file("missing.vk1"), single, multi, error));
    EXPECT_NE(error.find("File not found"), std::string::npos);
}

TEST_F(ResultReaderTest, StressProfilesOfBothSeams) {
    test::CommaLocale comma;
    test::WriteTextFile(dir.file("Mine.dat"), DatFile(3));
    std::string error;
    ASSERT_TRUE(ReadStressProfiles(ws, error)) << error;
    const GraphData& g = ws.Graph;
    ASSERT_EQ(g.ProfileRowsA.size(), 4u);
    ASSERT_EQ(g.ProfileRowsB.size(), 4u);
    EXPECT_FLOAT_EQ(g.ProfileRowsA[1][1], 111.5f);
    EXPECT_FLOAT_EQ(g.ProfileRowsA[3][9], 139.5f);
    EXPECT_FLOAT_EQ(g.ProfileRowsB[1][1], 211.5f);
    EXPECT_FLOAT_EQ(g.ProfileRowsB[2][5], 225.5f);
    EXPECT_FLOAT_EQ(g.ProfileX[1], 2);
    EXPECT_FLOAT_EQ(g.ProfileX[3], 6);

    test::WriteTextFile(dir.file("Mine.dat"), DatFile(2));  // seam 2 one row short
    EXPECT_FALSE(ReadStressProfiles(ws, error));
    EXPECT_EQ(error, "Input past end of file");
}

TEST_F(ResultReaderTest, CriticalProfileOfTheCriticalSeam) {
    test::WriteTextFile(dir.file("Mine.vk2"),
                        "       100.25,        200.5\r\n  101,  -3e+02\r\n  102,  0\r\n");
    std::string error;
    ASSERT_TRUE(ReadCriticalProfile(ws, error)) << error;
    ASSERT_EQ(ws.Graph.ProfilePairs.size(), 4u);
    EXPECT_FLOAT_EQ(ws.Graph.ProfilePairs[1][1], 100.25f);
    EXPECT_FLOAT_EQ(ws.Graph.ProfilePairs[1][2], 200.5f);
    EXPECT_FLOAT_EQ(ws.Graph.ProfilePairs[2][2], -300);
    EXPECT_FLOAT_EQ(ws.Graph.ProfileX[2], 4);

    test::WriteTextFile(dir.file("Mine.vk2"), "100, 200\n101, x\n102, 0\n");
    EXPECT_FALSE(ReadCriticalProfile(ws, error));
    ws.Header.ProjectFileName = "/somewhere/Other.VSK";
    EXPECT_FALSE(ReadCriticalProfile(ws, error));
    EXPECT_NE(error.find("File not found"), std::string::npos);
}

TEST_F(ResultReaderTest, ResultFilesOfTheSolverLibraryReadBack) {
    // A small longwall model solved by the library itself: the three result
    // files must agree with one another as the readers see them.
    ws.VeskWork.InterburdenThickness = 60;
    ws.VeskWork.SeamThickness = 6;
    ws.VeskWork.GobWidth = 300;
    ws.KavoWork.EntryHeight = 7;
    ws.KavoWork.DepthOfCover = 600;
    ws.KavoWork.EntryWidth = 20;
    ws.KavoWork.CrosscutSpacing = 100;
    ws.KavoWork.NumberOfEntries = 3;
    ws.KavoWork.EntryCenters = {0, 80, 80, 0, 0, 0};
    ws.Options.CellSizeEnglish = 4;
    ASSERT_TRUE(BuildSolverModel(ws));
    const std::string input = SolverFilePath(ws, ".in2");
    ASSERT_TRUE(WriteSolverInput(ws, input));
    ASSERT_TRUE(RunSolver(ws, input, SolverCallerMainMenu))
        << (ui.messages.empty() ? "" : ui.messages[0].prompt);

    float single = 0, induced = 0;
    std::string error;
    ASSERT_TRUE(ReadCriticalStresses(SolverFilePath(ws, ".vk1"), single, induced, error)) << error;
    ASSERT_TRUE(ReadStressProfiles(ws, error)) << error;
    const int n = ws.Model.ElementCount;
    const size_t critical = static_cast<size_t>(ws.Model.CriticalElement);
    ASSERT_EQ(ws.Graph.ProfileRowsA.size(), static_cast<size_t>(n) + 1);
    ASSERT_EQ(ws.Graph.ProfileRowsB.size(), static_cast<size_t>(n) + 1);
    EXPECT_FLOAT_EQ(ws.Graph.ProfileX[static_cast<size_t>(n)], static_cast<float>(n) * 4);
    // The critical seam is seam 1 (active over previous): its average induced
    // stress at the critical element is the second value of the .vk1 file.
    const ProfileRow& row = ws.Graph.ProfileRowsA[critical];
    EXPECT_NEAR(row[5], induced, std::abs(induced) * 1e-4 + 1e-3);
    EXPECT_GT(row[4], 0);  // the critical element lies in a pillar

    ASSERT_TRUE(ReadCriticalProfile(ws, error)) << error;
    ASSERT_EQ(ws.Graph.ProfilePairs.size(), static_cast<size_t>(n) + 1);
    // .vk2: element stress of the critical seam, as in the .dat rows.
    for (size_t i : {size_t{1}, critical, static_cast<size_t>(n)})
        EXPECT_NEAR(ws.Graph.ProfilePairs[i][2], ws.Graph.ProfileRowsA[i][2],
                    std::abs(ws.Graph.ProfileRowsA[i][2]) * 1e-4 + 1e-3)
            << "element " << i;
}

}  // namespace
}  // namespace vesk
