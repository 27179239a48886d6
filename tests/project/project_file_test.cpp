#include "project/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "project/description_text.h"
#include "project/project_file_format.h"
#include "project/project_records.h"
#include "project/recent_file_list.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

using test::TempDir;

// Every field set, no two alike, with Singles that have no exact binary form
// and Doubles of 15 significant digits.
ProjectRecords DistinctRecords() {
    ProjectRecords r;
    VeskParams& v = r.Vesk;
    v.ActiveMiningMode = 1;
    v.PreviousMining = 1;
    v.VerticalPosition = 1;
    v.InterburdenThickness = 0.1f;
    v.SeamThickness = 5.97f;
    v.GobWidth = 1234.567f;
    v.RemnantWidth = 1.0e-5f;
    v.GobWidth1 = 3.4e+10f;
    v.GobWidth2 = -0.3f;
    v.ExtraSupport = 1;
    v.ActiveSeamCMRR = 47.5f;
    v.AgeOfWorkings = 33.3f;

    KavoParams& k = r.Kavo;
    k.EntryHeight = 6.1f;
    k.PanelWidth = 1000.1f;
    k.DepthOfCover = 812.2f;
    k.EntryWidth = 18.3f;
    k.CrosscutSpacing = 120.4f;
    k.NumberOfEntries = 6;
    k.EntryCenters = {0, 80.5f, 81.5f, 82.5f, 83.5f, 84.5f};
    k.CoalStrength = 901.1f;
    k.AbutmentAngle = 21.2f;
    k.UnitWeight = 162.3f;
    k.CMRR = 44.4f;
    k.UseCMRRFactors = 1;
    k.SFHeadgate = 1.31f;
    k.SFBleeder = 1.32f;
    k.SFTailgate = 1.33f;
    k.PillarConfiguration = 3;
    k.YieldPillarWidth = 25.5f;
    k.AdvancedGeometry = 1;
    k.PillarCrosscutAngle = {0, 90, 85.5f, 80.5f, 75.5f, 70.5f};
    k.PillarCrosscutSpacing = {0, 101.1f, 102.2f, 103.3f, 104.4f, 105.5f};

    OndarParams& o = r.Ondar;
    o.EntryHeight = 6.12345678901234;
    o.DepthOfCover = 1234.56789012345;
    o.EntryWidth = 0.1;
    o.CrosscutSpacing = 80.0000000000001;
    o.CrosscutAngle = 75.25;
    o.NumberOfEntries = 10;
    o.EntryCenters = {0, 61.1234567890123, 62.2, 63.3, 64.4, 65.5, 66.6, 67.7, 68.8, 69.9};
    o.CoalStrength = 6.20524855525563;
    o.UnitWeight = 25.4464789236601;
    o.AMZBreadth = 1.5e-7;
    o.LoadingCondition = 3;
    o.AMZAuto = 0;
    o.ArchFactor = 0.62f;
    o.ArchFactorAuto = 0;
    o.ActiveGobExtent = 1001.5;
    o.ActiveGobAbutmentAngle = 22.5;
    o.FirstGobExtent = 1002.5;
    o.FirstGobAbutmentAngle = 23.5;
    o.FirstGobBarrierWidth = 150.25;
    o.FirstGobSlabCut = 12.125;
    o.SecondGobExtent = 1003.5;
    o.SecondGobAbutmentAngle = 24.5;
    o.SecondGobBarrierWidth = 200.75;
    o.SecondGobSlabCut = 7.0625;
    o.LeaveRowA = 1;
    o.LeaveRowB = 0;
    o.LeaveRowC = 1;
    o.LeaveRowD = -1;
    o.RowCPillarWidth = 40.1f;
    o.RowDPillarWidth = 0.1f;
    return r;
}

struct Fixture {
    RecordingUserInterface ui;
    Workspace ws{ui};
    TempDir dir;
    Fixture() {
        ws.Options.DisplayHistoryWin = 1;
        ws.State.ProjectSaved = ByteTrue;  // as after the start-up's New
    }

    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const MessageRequest& m : ui.messages) prompts.push_back(m.prompt);
        return prompts;
    }
};

// Records compared through their file text, so that a failure shows the
// fields that differ.
std::string AsText(ProjectRecords r) {
    ProjectFileContents contents;
    contents.Records = r;
    return FormatProjectFile(contents);
}

void PutRecords(Workspace& ws, const ProjectRecords& r) {
    ws.VeskInput = r.Vesk;
    ws.KavoInput = r.Kavo;
    ws.OndarInput = r.Ondar;
}

ProjectRecords StoredRecords(const Workspace& ws) {
    return ProjectRecords{ws.VeskInput, ws.KavoInput, ws.OndarInput};
}

bool Open(Workspace& ws, const std::string& path) {
    ws.Header.ProjectFileName = path;
    return FileOpen(ws);
}

void ExpectEmptyUntitledProject(const Workspace& ws) {
    EXPECT_EQ(ws.Header.ProjectFileName, "Untitled");
    EXPECT_EQ(ws.State.NoData, 255);
    EXPECT_EQ(ws.Header.ProjectTitle, "");
    EXPECT_EQ(StoredRecords(ws), NewProjectRecords(ws.Header.UnitSystem));
}

TEST(ProjectFile, EveryFieldSurvivesSaveAndOpen) {
    test::CommaLocale comma;  // numbers keep "." under a comma locale
    Fixture f;
    const ProjectRecords original = DistinctRecords();
    PutRecords(f.ws, original);
    f.ws.Header.UnitSystem = 1;
    f.ws.Header.ProjectTitle = "  Panel 7, north mains";
    f.ws.Header.ProjectDescription = "First line, with comma\r\nSecond";
    f.ws.Header.ProjectFileName = f.dir.file("full.VSK");
    f.ws.State.ProjectSaved = 0;
    ASSERT_TRUE(FileSave(f.ws));
    EXPECT_EQ(f.ws.State.ProjectSaved, 255);

    const std::string text = test::ReadTextFile(f.dir.file("full.VSK"));
    EXPECT_EQ(
        text.rfind("Vesk_103\r\n 1 \r\n  Panel 7, north mains\r\n##StartDesc##\r\nFirst line, with comma\r\n"
                   "Second\r\n##EndDesc##\r\n##Vesk START##\r\n 1 \r\n 1 \r\n 1 \r\n0.1\r\n5.97\r\n",
                   0),
        0u);
    EXPECT_NE(text.find("\r\n1234.567\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1E-05\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1234.56789012345\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n-1 \r\n40.1\r\n0.1\r\n##Ondar END##"), std::string::npos);
    EXPECT_EQ(text.find(',', text.find("##EndDesc##")), std::string::npos);  // no comma in any number
    for (size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1)) {
        ASSERT_EQ(text[p - 1], '\r') << "bare LF at " << p;
    }
    EXPECT_EQ(text.substr(text.size() - 15), "##Ondar END##\r\n");
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("full.VSK.~sav")));

    Fixture g;
    ASSERT_TRUE(Open(g.ws, f.dir.file("full.VSK")));
    EXPECT_EQ(StoredRecords(g.ws), original);
    EXPECT_EQ(AsText(StoredRecords(g.ws)), AsText(original));
    EXPECT_EQ(g.ws.Header.UnitSystem, 1);
    EXPECT_EQ(g.ws.Header.ProjectTitle, "  Panel 7, north mains");
    EXPECT_EQ(g.ws.Header.ProjectDescription, "First line, with comma\r\nSecond");
    EXPECT_EQ(g.ws.State.FileFormatVersion, 53);
    EXPECT_EQ(g.ws.State.ProjectSaved, 255);
    EXPECT_EQ(g.ws.State.NoData, 0);
    EXPECT_EQ(g.ws.State.UnitsLocked, 255);
    EXPECT_NE(g.ws.History.Text.find("Opening: " + f.dir.file("full.VSK")), std::string::npos);
    EXPECT_TRUE(g.ui.messages.empty());
}

// The fields a file of each version holds, after the tag, unit system,
// title and description. Marker lines only in "Vesk_103".
std::string SmallFixture(const std::string& tag) {
    const bool v101 = tag != "Vesk_100";
    const bool v102 = tag == "Vesk_102" || tag == "Vesk_103";
    const bool markers = tag == "Vesk_103";
    std::string s = tag + "\r\n 0 \r\nOld file\r\n##StartDesc##\r\nKept\r\n##EndDesc##\r\n";
    if (markers) s += "##Vesk START##\r\n";
    s += " 0 \r\n 1 \r\n 0 \r\n55\r\n6\r\n0\r\n120\r\n400\r\n500\r\n";
    if (v101) s += " 1 \r\n58\r\n22\r\n";
    if (markers) s += "##Vesk END##\r\n##Kavo START##\r\n";
    s += "7\r\n900\r\n1000\r\n18\r\n100\r\n 3 \r\n60\r\n80\r\n900\r\n21\r\n162\r\n1.3\r\n1.4\r\n1.5\r\n50\r\n"
         " 0 \r\n 1 \r\n30\r\n 0 \r\n90\r\n100\r\n90\r\n110\r\n";
    if (markers) s += "##Kavo END##\r\n##Ondar START##\r\n";
    s += "6\r\n700\r\n90\r\n20\r\n90\r\n 2 \r\n70\r\n900\r\n162\r\n0\r\n 1 \r\n";
    if (v102) s += "0.7\r\n 0 \r\n";
    s += " 2 \r\n800\r\n21\r\n600\r\n21\r\n150\r\n10\r\n0\r\n21\r\n0\r\n0\r\n";
    if (v102) s += " 1 \r\n 1 \r\n 1 \r\n 0 \r\n35\r\n0\r\n";
    if (markers) s += "##Ondar END##\r\n";
    return s;
}

TEST(ProjectFile, ReadsAllFourVersionsAndKeepsNewValuesForMissingFields) {
    struct Case {
        const char* tag;
        int16_t version;
    };
    for (Case c : {Case{"Vesk_100", 50}, Case{"Vesk_101", 51}, Case{"Vesk_102", 52}, Case{"Vesk_103", 53}}) {
        SCOPED_TRACE(c.tag);
        Fixture f;
        f.ws.OndarInput.ArchFactor = 0.9f;  // from the project open before
        test::WriteTextFile(f.dir.file("old.VSK"), SmallFixture(c.tag));
        ASSERT_TRUE(Open(f.ws, f.dir.file("old.VSK")));
        EXPECT_EQ(f.ws.State.FileFormatVersion, c.version);
        EXPECT_EQ(f.ws.Header.ProjectDescription, "Kept");
        const VeskParams& v = f.ws.VeskInput;
        const KavoParams& k = f.ws.KavoInput;
        const OndarParams& o = f.ws.OndarInput;
        EXPECT_EQ(v.PreviousMining, 1);
        EXPECT_EQ(v.GobWidth2, 500.0f);
        EXPECT_EQ(k.EntryCenters[2], 80.0f);
        EXPECT_EQ(k.CMRR, 50.0f);
        EXPECT_EQ(k.PillarCrosscutSpacing[2], 110.0f);
        EXPECT_EQ(o.NumberOfEntries, 2);
        EXPECT_EQ(o.EntryCenters[1], 70.0);
        EXPECT_EQ(o.LoadingCondition, 2);
        EXPECT_EQ(o.FirstGobSlabCut, 10.0);
        if (c.version >= 51) {
            EXPECT_EQ(v.ExtraSupport, 1);
            EXPECT_EQ(v.ActiveSeamCMRR, 58.0f);
            EXPECT_EQ(v.AgeOfWorkings, 22.0f);
        } else {
            EXPECT_EQ(v.ExtraSupport, 0);
            EXPECT_EQ(v.ActiveSeamCMRR, 45.0f);
            EXPECT_EQ(v.AgeOfWorkings, 10.0f);
        }
        if (c.version >= 52) {
            EXPECT_EQ(o.ArchFactor, 0.7f);
            EXPECT_EQ(o.ArchFactorAuto, 0);
            EXPECT_EQ(o.LeaveRowC, 1);
            EXPECT_EQ(o.RowCPillarWidth, 35.0f);
        } else {
            EXPECT_EQ(o.ArchFactor, 0.0f);
            EXPECT_EQ(o.ArchFactorAuto, 1);
            EXPECT_EQ(o.LeaveRowA + o.LeaveRowB + o.LeaveRowC + o.LeaveRowD, 0);
            EXPECT_EQ(o.RowCPillarWidth, 0.0f);
        }
    }
}

// Replaces the n-th line (1-based) of a CR LF text.
std::string WithLine(const std::string& text, int n, const std::string& replacement) {
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = text.find("\r\n", start) + 2;
    size_t end = text.find("\r\n", start);
    return text.substr(0, start) + replacement + text.substr(end);
}

// Line numbers in SmallFixture("Vesk_103").
constexpr int UnitSystemLine = 2;
constexpr int KavoEntriesLine = 27;
constexpr int UseCMRRLine = 37;
constexpr int PillarConfigLine = 38;
constexpr int OndarEntriesLine = 52;
constexpr int LoadingConditionLine = 60;

std::string LineAt(const std::string& text, int n) {
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = text.find("\r\n", start) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST(ProjectFile, ReaderClampsOutOfRangeValues) {
    const std::string base = SmallFixture("Vesk_103");
    ASSERT_EQ(LineAt(base, KavoEntriesLine), " 3 ");
    ASSERT_EQ(LineAt(base, PillarConfigLine), " 1 ");
    ASSERT_EQ(LineAt(base, LoadingConditionLine), " 2 ");
    ASSERT_EQ(LineAt(base, OndarEntriesLine), " 2 ");
    Fixture f;
    std::string text = WithLine(base, UnitSystemLine, " 7 ");
    text = WithLine(text, UseCMRRLine, " 5 ");
    text = WithLine(text, PillarConfigLine, "-2 ");
    // A stored loading condition 4 is kept; the retreat method takes it as 3.
    text = WithLine(text, LoadingConditionLine, " 4 ");
    test::WriteTextFile(f.dir.file("clamp.VSK"), text);
    ASSERT_TRUE(Open(f.ws, f.dir.file("clamp.VSK")));
    EXPECT_EQ(f.ws.Header.UnitSystem, 0);
    EXPECT_EQ(f.ws.KavoInput.UseCMRRFactors, 0);
    EXPECT_EQ(f.ws.KavoInput.PillarConfiguration, 0);
    EXPECT_EQ(f.ws.OndarInput.LoadingCondition, 4);
}

TEST(ProjectFile, ZeroEntriesIsWrittenAsZeroAndReadAsOne) {
    Fixture f;
    f.ws.OndarInput.NumberOfEntries = 0;
    f.ws.OndarInput.EntryCenters[1] = 77;
    f.ws.Header.ProjectFileName = f.dir.file("zero.VSK");
    ASSERT_TRUE(FileSave(f.ws));
    EXPECT_EQ(f.ws.OndarInput.NumberOfEntries, 1);
    const std::string text = test::ReadTextFile(f.dir.file("zero.VSK"));
    EXPECT_NE(text.find("##Ondar START##\r\n0\r\n0\r\n90\r\n0\r\n0\r\n 0 \r\n900\r\n"), std::string::npos);

    // A count the arrays cannot hold is saved in range, so the file stays readable.
    f.ws.KavoInput.NumberOfEntries = 9;
    f.ws.OndarInput.NumberOfEntries = -4;
    ASSERT_TRUE(FileSave(f.ws));
    ASSERT_TRUE(Open(f.ws, f.dir.file("zero.VSK")));
    EXPECT_EQ(f.ws.KavoInput.NumberOfEntries, 6);
    EXPECT_EQ(f.ws.OndarInput.NumberOfEntries, 1);

    // A zero count in a file (either method) reads as one entry, no distances.
    std::string zero = WithLine(SmallFixture("Vesk_103"), OndarEntriesLine, " 0 ");
    size_t at = zero.find("\r\n 0 \r\n70\r\n");
    zero.erase(at + 7, 4);  // drop the one centre distance
    test::WriteTextFile(f.dir.file("zero2.VSK"), zero);
    ASSERT_TRUE(Open(f.ws, f.dir.file("zero2.VSK")));
    EXPECT_EQ(f.ws.OndarInput.NumberOfEntries, 1);
    EXPECT_EQ(f.ws.OndarInput.CoalStrength, 900.0);
}

TEST(ProjectFile, RefusesUnknownTagsWithInvalidFileType) {
    for (std::string text : {std::string("VESK_103\r\n 0 \r\n"), std::string("Vesk_104\r\n"), std::string(""),
                             std::string("\x7f"
                                         "ELF\x02\x01\x01\0\0\0junk\n",
                                         16),
                             std::string("Vesk_10")}) {
        Fixture f;
        f.ws.Header.ProjectTitle = "open before";
        test::WriteTextFile(f.dir.file("bad.VSK"), text);
        EXPECT_FALSE(Open(f.ws, f.dir.file("bad.VSK")));
        ASSERT_EQ(f.ui.messages.size(), 1u);
        EXPECT_EQ(f.ui.messages[0].prompt, "Invalid File Type");
        EXPECT_EQ(f.ui.messages[0].title, "");
        ExpectEmptyUntitledProject(f.ws);
    }
}

TEST(ProjectFile, MalformedFilesAreReportedWithFileAndLine) {
    const std::string base = SmallFixture("Vesk_103");
    auto cut = [&](int lines) {
        size_t end = 0;
        for (int i = 0; i < lines; ++i) end = base.find("\r\n", end) + 2;
        return base.substr(0, end);
    };
    struct Case {
        const char* name;
        std::string text;
        int number;
        int line;
    };
    const Case cases[] = {
        {"truncated in the Kavo section", cut(33), 62, 34},
        {"truncated in the description", cut(5), 62, 6},
        {"comma decimal", WithLine(base, 12, "5,5"), 13, 19},  // two numbers: the marker is out of step
        {"word for a number", WithLine(base, 31, "eighty"), 13, 31},
        {"empty number line", WithLine(base, 31, ""), 13, 31},
        {"too many longwall entries", WithLine(base, KavoEntriesLine, " 7 "), 9, KavoEntriesLine},
        {"too many retreat entries", WithLine(base, OndarEntriesLine, " 11 "), 9, OndarEntriesLine},
        {"negative entries", WithLine(base, KavoEntriesLine, "-2 "), 9, KavoEntriesLine},
        {"integer overflow", WithLine(base, 17, " 40000 "), 6, 17},
        {"single overflow", WithLine(base, 18, "1E+39"), 6, 18},
        {"loading condition 5", WithLine(base, LoadingConditionLine, " 5 "), 380, LoadingConditionLine},
        {"missing marker", WithLine(base, 21, "##Vesk STOP##"), 13, 21},
        {"binary junk", WithLine(base, 30, std::string("\x01\xff\x00\x02", 4)), 13, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const std::string path = f.dir.file("broken.VSK");
        test::WriteTextFile(path, c.text);
        EXPECT_FALSE(Open(f.ws, path));
        ASSERT_EQ(f.ui.messages.size(), 1u);
        const std::string& prompt = f.ui.messages[0].prompt;
        const std::string number = "(" + std::to_string(c.number) + ")";
        EXPECT_EQ(prompt.rfind("Error occurred: ", 0), 0u) << prompt;
        EXPECT_NE(prompt.find(" in " + path + ", line " + std::to_string(c.line) + " " + number),
                  std::string::npos)
            << prompt;
        const bool fileError = c.number == 62;
        EXPECT_EQ(prompt.find(". Procedure Terminated") != std::string::npos, !fileError) << prompt;
        EXPECT_EQ(f.ui.messages[0].buttons, fileError ? MessageButtons::RetryCancel : MessageButtons::Ok);
        EXPECT_NE(f.ws.History.Text.find("Error " + std::to_string(c.number) + ":"), std::string::npos);
        ExpectEmptyUntitledProject(f.ws);
    }
}

TEST(ProjectFile, RetryReadsTheFileAgain) {
    Fixture f;
    const std::string path = f.dir.file("later.VSK");
    f.ui.scriptedAnswers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    EXPECT_FALSE(Open(f.ws, path));
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[0].prompt, "Error occurred: File not found in " + path + " (53)");
    ExpectEmptyUntitledProject(f.ws);
}

TEST(ProjectFile, DescriptionIsNormalisedOnSave) {
    const std::string x60(60, 'x');
    struct Case {
        const char* name;
        std::string description;
        std::string saved;
    };
    const std::string no40to60 = std::string(38, 'a') + " " + std::string(36, 'b');   // 75, blank at 39
    const std::string blankAt50 = std::string(49, 'c') + " " + std::string(25, 'd');  // 75, blank at 50
    const Case cases[] = {
        {"comma kept", "A, B", "A, B"},
        {"blank lines dropped", "\r\nOne\r\n   \r\n\r\nTwo\r\n", "One\r\nTwo"},
        {"bare line feeds", "One\nTwo\rThree", "One\r\nTwo\r\nThree"},
        {"no blank between 40 and 60", no40to60, no40to60.substr(0, 60) + "\r\n" + no40to60.substr(60)},
        {"blank at 50", blankAt50, blankAt50.substr(0, 50) + "\r\n" + blankAt50.substr(50)},
        {"exactly 60 stays", x60, x60},
        {"long line trimmed first", "   " + x60 + "x   ", x60 + "\r\nx"},
        {"short line kept as typed", "   " + x60 + "   ", "   " + x60 + "   "},
        {"three pieces", std::string(130, 'z'),
         std::string(60, 'z') + "\r\n" + std::string(60, 'z') + "\r\n" + std::string(10, 'z')},
        {"empty", "", ""},
        {"long run of blanks", "a" + std::string(130, ' ') + "b",
         "a" + std::string(59, ' ') + "\r\n" + std::string(11, ' ') + "b"},
        {"end marker text", "##EndDesc##\r\nafter", "##EndDesc## \r\nafter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.ws.Header.ProjectDescription = c.description;
        f.ws.Header.ProjectTitle = "T";
        f.ws.Header.ProjectFileName = f.dir.file("d.VSK");
        ASSERT_TRUE(FileSave(f.ws));
        const std::string text = test::ReadTextFile(f.dir.file("d.VSK"));
        const std::string expected =
            "##StartDesc##\r\n" + (c.saved.empty() ? std::string() : c.saved + "\r\n") + "##EndDesc##\r\n";
        EXPECT_NE(text.find(expected), std::string::npos) << text.substr(0, 300);
        Fixture g;
        ASSERT_TRUE(Open(g.ws, f.dir.file("d.VSK")));
        EXPECT_EQ(g.ws.Header.ProjectDescription, c.saved);
        EXPECT_EQ(g.ws.VeskInput.ActiveSeamCMRR, 45.0f);  // sections still in step
    }
}

TEST(ProjectFile, TitleStaysOneLine) {
    Fixture f;
    f.ws.Header.ProjectTitle = "Two\r\nlines";
    f.ws.Header.ProjectFileName = f.dir.file("t.VSK");
    ASSERT_TRUE(FileSave(f.ws));
    Fixture g;
    ASSERT_TRUE(Open(g.ws, f.dir.file("t.VSK")));
    EXPECT_EQ(g.ws.Header.ProjectTitle, "Two  lines");
}

TEST(ProjectFile, FailedSaveKeepsThePreviousFile) {
    Fixture f;
    const std::string path = f.dir.file("keep.VSK");
    f.ws.Header.ProjectTitle = "first";
    f.ws.Header.ProjectFileName = path;
    ASSERT_TRUE(FileSave(f.ws));
    const std::string before = test::ReadTextFile(path);

    // The temporary file cannot be made: the save fails and says so.
    std::filesystem::create_directory(path + ".~sav");
    f.ws.Header.ProjectTitle = "second";
    f.ws.State.ProjectSaved = 0;
    EXPECT_FALSE(FileSave(f.ws));
    EXPECT_EQ(f.ws.State.ProjectSaved, 0);
    EXPECT_EQ(test::ReadTextFile(path), before);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].prompt.rfind("Error occurred: ", 0), 0u);

    // A folder that does not exist.
    f.ws.Header.ProjectFileName = f.dir.file("no/such/folder.VSK");
    EXPECT_FALSE(FileSave(f.ws));
}

TEST(ProjectFile, SaveAsksForAPathWhenUntitledOrForced) {
    Fixture f;
    int asked = 0;
    std::string chosen = f.dir.file("chosen.VSK");
    SavePathChooser choose = [&](Workspace&, std::string& path) {
        ++asked;
        EXPECT_EQ(path, asked == 1 ? "Untitled" : chosen);
        path = chosen;
        return true;
    };
    f.ws.Header.ProjectFileName = "Untitled";
    EXPECT_TRUE(FileMenuSave(f.ws, false, choose));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(f.ws.Header.ProjectFileName, chosen);
    EXPECT_TRUE(FileMenuSave(f.ws, false, choose));
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(FileMenuSave(f.ws, true, choose));
    EXPECT_EQ(asked, 2);

    f.ws.Header.ProjectFileName = "untitled";
    EXPECT_FALSE(FileMenuSave(f.ws, false, [](Workspace&, std::string&) { return false; }));
    EXPECT_FALSE(FileMenuSave(f.ws, false, {}));
    EXPECT_EQ(f.ws.Header.ProjectFileName, "untitled");
}

TEST(ProjectFile, OpenAsksToSaveTheModifiedProjectUnderItsOwnName) {
    Fixture f;
    const std::string previous = f.dir.file("previous.VSK");
    const std::string next = f.dir.file("next.VSK");
    test::WriteTextFile(next, SmallFixture("Vesk_102"));

    f.ws.Header.ProjectTitle = "edited";
    f.ws.State.ProjectSaved = 0;
    f.ws.State.PreviousFileName = previous;
    f.ui.scriptedAnswers = {MessageAnswer::Yes};
    ASSERT_TRUE(Open(f.ws, next));
    EXPECT_EQ(f.ui.messages[0].prompt, "Save changes to: " + previous + "?");
    EXPECT_EQ(f.ui.messages[0].defaultAnswer, MessageAnswer::No);
    EXPECT_NE(test::ReadTextFile(previous).find("\r\nedited\r\n"), std::string::npos);
    EXPECT_EQ(f.ws.Header.ProjectFileName, next);
    EXPECT_EQ(f.ws.Header.ProjectTitle, "Old file");

    // Yes, but the save of an untitled project is cancelled: nothing is lost.
    f.ws.Header.ProjectTitle = "unsaved work";
    f.ws.State.ProjectSaved = 0;
    f.ws.State.PreviousFileName = "Untitled";
    f.ui.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(Open(f.ws, next));
    EXPECT_EQ(f.ws.Header.ProjectTitle, "unsaved work");
    EXPECT_EQ(f.ws.Header.ProjectFileName, "Untitled");

    // No: opened without saving.
    f.ui.scriptedAnswers = {MessageAnswer::No};
    f.ws.State.PreviousFileName = previous;
    ASSERT_TRUE(Open(f.ws, next));
    EXPECT_NE(test::ReadTextFile(previous).find("\r\nedited\r\n"), std::string::npos);
}

TEST(TempWorkFile, WrittenFromWorkingCopiesAndRestoredAtStartUp) {
    Fixture f;
    f.ws.Paths.TempWorkFile = f.dir.file("~tmpwork.VSK");
    f.ws.Header.ProjectTitle = "Running";
    f.ws.Header.UnitSystem = 1;
    const ProjectRecords working = DistinctRecords();
    f.ws.VeskWork = working.Vesk;
    f.ws.KavoWork = working.Kavo;
    f.ws.OndarWork = working.Ondar;
    ASSERT_TRUE(SaveTempWorkFile(f.ws));
    EXPECT_NE(f.ws.History.Text.find("Saving TMP: " + f.ws.Paths.TempWorkFile), std::string::npos);
    EXPECT_EQ(StoredRecords(f.ws), NewProjectRecords(0));  // stored copies untouched

    Fixture g;
    g.ws.Paths.TempWorkFile = f.ws.Paths.TempWorkFile;
    g.ws.Header.ProjectFileName = f.dir.file("loaded-before.VSK");
    ASSERT_TRUE(RestoreTempWorkFile(g.ws));
    EXPECT_EQ(StoredRecords(g.ws), working);
    EXPECT_EQ(g.ws.Header.UnitSystem, 1);
    EXPECT_EQ(g.ws.Header.ProjectTitle, "Running");
    EXPECT_EQ(g.ws.Header.ProjectFileName, "Untitled");
    EXPECT_EQ(g.ws.State.ProjectSaved, 0);
    EXPECT_EQ(g.ws.State.NoData, 0);
    ASSERT_EQ(g.ui.messages.size(), 1u);
    EXPECT_EQ(g.ui.messages[0].prompt, "Latest Input Data recovered and loaded");
    EXPECT_FALSE(std::filesystem::exists(f.ws.Paths.TempWorkFile));
    EXPECT_FALSE(RestoreTempWorkFile(g.ws));  // nothing left to restore
}

TEST(RecentFiles, NewestFirstAtMostFourAndReopenSwaps) {
    Fixture f;
    f.ws.Options.KeepFileNames = 1;
    auto add = [&](const std::string& path) {
        f.ws.Header.ProjectFileName = path;
        return UpdateRecentFileList(f.ws);
    };
    for (const char* p : {"/d/a.VSK", "/d/b.VSK", "/d/c.VSK", "/d/d.VSK", "/d/e.VSK"}) EXPECT_TRUE(add(p));
    ASSERT_EQ(f.ws.Recent.Count, 4);
    EXPECT_EQ(f.ws.Recent.Entries[0].LongName, "/d/e.VSK");
    EXPECT_EQ(f.ws.Recent.Entries[0].ShortName, "e.VSK");
    EXPECT_EQ(f.ws.Recent.Entries[3].LongName, "/d/b.VSK");

    EXPECT_FALSE(add("/d/c.VSK"));  // listed: swaps with the first entry
    EXPECT_EQ(f.ws.Recent.Entries[0].LongName, "/d/c.VSK");
    EXPECT_EQ(f.ws.Recent.Entries[2].LongName, "/d/e.VSK");

    f.ws.Options.ShortRecentFiles = 1;
    EXPECT_FALSE(add("/elsewhere/b.VSK"));  // same short name
    EXPECT_EQ(f.ws.Recent.Entries[0].LongName, "/elsewhere/b.VSK");
    EXPECT_EQ(RecentFileCaption(f.ws, 0), "b.VSK");

    f.ws.Options.KeepFileNames = 0;
    EXPECT_FALSE(add("/d/z.VSK"));
    EXPECT_EQ(f.ws.Recent.Entries[0].LongName, "/elsewhere/b.VSK");
    EXPECT_EQ(ShortFileName("C:\\data\\x.VSK"), "x.VSK");
}

TEST(Caption, LongPathIsShortenedAndModifiedMarked) {
    Fixture f;
    const std::string path = "/home/engineer/projects/mine-seven/panel-12-north.VSK";  // 53
    f.ws.Header.ProjectFileName = path + "1234567";                                    // 60
    f.ws.State.ProjectSaved = 0;
    EXPECT_EQ(MainWindowCaption(f.ws, "Vesk"), "Vesk: /home/engi..." + (path + "1234567").substr(23) + "*");
    f.ws.State.ProjectSaved = 255;
    f.ws.Header.ProjectFileName = "Untitled";
    EXPECT_EQ(MainWindowCaption(f.ws, "Vesk"), "Vesk: Untitled");
}

TEST(DescriptionDialog, ChangingUnitsResetsTheRecords) {
    Fixture f;
    PutRecords(f.ws, DistinctRecords());
    StoreProjectDescription(f.ws, "T", "D", 0);
    EXPECT_EQ(StoredRecords(f.ws), DistinctRecords());
    StoreProjectDescription(f.ws, "T2", "D2", 1);
    EXPECT_EQ(StoredRecords(f.ws), NewProjectRecords(1));
    EXPECT_EQ(f.ws.Header.ProjectTitle, "T2");
    EXPECT_EQ(f.ws.State.ProjectSaved, 0);
    EXPECT_EQ(f.ws.State.UnitsLocked, 255);
}

}  // namespace
}  // namespace vesk
