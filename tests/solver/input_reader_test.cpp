// The input file reader and the run's start: statuses 1 to 5 (and 11 for codes
// without a material law), the messages in the .err file, the file names.
#include "input_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "solver_fixture.h"

namespace veskjirn {
namespace {

using vesk::test::ReadTextFile;
using vesk::test::TempDir;
using veskjirn::test::InputText;
using veskjirn::test::RunText;

TEST(ControlLine, ScansLikeTheCommaPatternWithOrWithoutSpaces) {
    for (const char* line : {"1,0.2,0,2,350,500,550,7,6,95,1", "1, 0.2,  0,\t2, 350, 500, 550, 7, 6, 95, 1\r",
                             "  +1, .2, 0., 2e0, 350, 5e2, 550, 7, 6, 0x5f, 01"}) {
        CVeskJirn2DDoc doc;
        ASSERT_EQ(ScanControlLine(line, doc), 11) << line;
        EXPECT_EQ(doc.UnitsCode, 1);
        EXPECT_EQ(doc.ExtractionRatio[1], 0.2);
        EXPECT_EQ(doc.ElementWidth, 2.0);
        EXPECT_EQ(doc.ElementCount, 350);
        EXPECT_EQ(doc.SeamOverburden[1], 500.0);
        EXPECT_EQ(doc.SeamHeight[2], 6.0);
        EXPECT_EQ(doc.CriticalElement, 95);
        EXPECT_EQ(doc.CriticalSeam, 1);
    }
}

TEST(ControlLine, CountsTheValuesBeforeTheFirstMismatch) {
    struct Case {
        const char* line;
        int count;
    } cases[] = {
        {"1,0.2,0,2,350,500,550,7,6,95", 10},
        {"1 ,0.2,0,2,350,500,550,7,6,95,1", 1},   // no white space before a comma
        {"1,0.2,0,2,350.5,500,550,7,6,95,1", 5},  // the count is read as 350, then "." mismatches
        {"1,0,2;0,2,350,500,550,7,6,95,1", 3},
        {"1,0.2,0,2e,350,500,550,7,6,95,1", 3},  // exponent without digits
        {"1,0.2,0,2,99999999999,500,550,7,6,95,1", 4},
        {"1,0.2,0,2,350,500,550,7,6,95,08", 11},  // octal "0", the "8" is left over (and refused later)
        {"", 0},
        {"1,0.2,0,2,350,nan,550,7,6,95,1", 11},  // read, refused later
    };
    for (const Case& c : cases) {
        CVeskJirn2DDoc doc;
        EXPECT_EQ(ScanControlLine(c.line, doc), c.count) << c.line;
    }
}

TEST(MaterialCodes, CharactersMapToMaterialNumbers) {
    EXPECT_EQ(CharToMaterial('A'), 0);
    EXPECT_EQ(CharToMaterial('J'), 9);
    EXPECT_EQ(CharToMaterial('S'), 18);
    EXPECT_EQ(CharToMaterial('Z'), 25);
    EXPECT_EQ(CharToMaterial('0'), 26);
    EXPECT_EQ(CharToMaterial('1'), 27);
    EXPECT_EQ(CharToMaterial('9'), 35);
    // Other characters follow the same two rules (values are signed bytes).
    EXPECT_EQ(CharToMaterial('#'), 13);
    EXPECT_EQ(CharToMaterial('\\'), 27);
    EXPECT_EQ(CharToMaterial('a'), 32);
    EXPECT_EQ(CharToMaterial('\xc3'), -61 - 22);
}

// Where the reader's failures are the ones the file format defines, the error
// log holds exactly their message line.
TEST(MalformedInput, DefinedFailuresLeaveOnlyTheirMessageLine) {
    const std::string a10(10, 'A'), ok = "1,0.2,0,2,10,500,550,7,6,5,1";
    const struct {
        std::string text;
        int32_t status;
        const char* err;
    } cases[] = {
        {"1,0.2,0,2,10,500,550,7,6,5\n" + a10 + "\n" + a10 + "\n", 2,
         "Could not accurately read the VeskJirn2D input file\n"},
        {InputText("1,0.2,0,2,0,500,550,7,6,5,1", "", ""), 4,
         "Could not read Seam 1 material character codes\n"},
        {ok + "\n", 4, "Could not read Seam 1 material character codes\n"},
        {ok + "\n  \t\n" + a10 + "\n", 4, "Could not read Seam 1 material character codes\n"},
        {ok + "\n" + a10 + "\n", 5, "Could not read Seam 2 material character codes\n"},
        {InputText(ok, a10, ""), 5, "Could not read Seam 2 material character codes\n"},
    };
    TempDir folder;
    int index = 0;
    for (const auto& c : cases) {
        const std::string name = "defined" + std::to_string(index++);
        EXPECT_EQ(RunText(folder, name + ".in2", c.text), c.status) << name;
        EXPECT_EQ(ReadTextFile(folder.file(name + ".err")), c.err) << name;
    }
}

// A character that names a coal material in the code table is a coal element,
// whatever character it is.
TEST(MaterialCodes, EveryNonBlankCharacterIsStored) {
    TempDir folder;
    const std::string ok = "1,0.2,0,2,10,500,550,7,6,5,1";
    EXPECT_EQ(RunText(folder, "hash.in2", InputText(ok, "AAAA#AAAAA", std::string(10, 'J'))), 0);
    EXPECT_EQ(ReadTextFile(folder.file("hash.err")), "");
    EXPECT_NE(ReadTextFile(folder.file("hash.out")).find("AAAA#AAAAA\n"), std::string::npos);
}

// Every damaged input ends with a documented status and a message, never a
// crash; the progress log stays empty when the input could not be read.
TEST(MalformedInput, EndsWithADocumentedStatusAndMessage) {
    const std::string a10(10, 'A'), j10(10, 'J');
    const std::string ok = "1,0.2,0,2,10,500,550,7,6,5,1";
    struct Case {
        std::string text;
        int32_t status;
        std::string firstErrLine;
    } cases[] = {
        {"1,0.2,0,2,10,500,550,7,6,5\n" + a10 + "\n" + j10 + "\n", 2,
         "Could not accurately read the VeskJirn2D input file"},
        {"", 2, "Could not accurately read the VeskJirn2D input file"},
        {std::string("\x7f"
                     "ELF\x01\x02\x00\x00garbage\n\xff\xfe",
                     18),
         2, "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,2,0,500,550,7,6,5,1", "", ""), 4,
         "Could not read Seam 1 material character codes"},
        {InputText("1,0.2,0,2,-5,500,550,7,6,5,1", a10, j10), 4,
         "Could not read Seam 1 material character codes"},
        {InputText("1,0.2,0,2,2000000000,500,550,7,6,5,1", a10, j10), 3,
         "Unable to allocate memory for grid matrices"},
        {InputText(ok, a10.substr(1), j10), 4, "Could not read Seam 1 material character codes"},
        {InputText(ok, a10 + "A", j10), 4, "Could not read Seam 1 material character codes"},
        {InputText(ok, "AAAAA AAAA", j10), 4, "Could not read Seam 1 material character codes"},
        {ok + "\n", 4, "Could not read Seam 1 material character codes"},
        {ok + "\n" + a10 + "\n", 5, "Could not read Seam 2 material character codes"},
        {InputText(ok, a10, ""), 5, "Could not read Seam 2 material character codes"},
        {InputText("1,0.2,0,2,10,500,550,7,6,0,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,2,10,500,550,7,6,11,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,2,10,500,550,7,6,5,3", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,2,10,500,500,7,6,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,nan,0,2,10,500,550,7,6,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,inf,10,500,550,7,6,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,1,0,2,10,500,550,7,6,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,0,10,500,550,7,6,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        {InputText("1,0.2,0,2,10,500,550,7,0,5,1", a10, j10), 2,
         "Could not accurately read the VeskJirn2D input file"},
        // Codes of the model without a material law stop the solution.
        {InputText(ok, "AAAATAAAAA", j10), 11, "Material Code Out of Range in Element Stress Routine - ES3"},
        {InputText(ok, "AAAA0AAAAA", j10), 11, "Material Code Out of Range in Element Stress Routine - ES1"},
        {InputText(ok, a10, "JJJJ5JJJJJ"), 11, "Material Code Out of Range in Element Stress Routine - ES2"},
        {InputText(ok, "AAAAaAAAAA", j10), 11, "Material Code Out of Range in Element Stress Routine - ES2"},
        {InputText(ok, "AAAA[AAAAA", j10), 11, "Material Code Out of Range in Element Stress Routine - ES1"},
        {InputText(ok, a10, "JJJJJJJJ\xc3\xa9"), 11,
         "Material Code Out of Range in Element Stress Routine - ES3"},
    };
    TempDir folder;
    int index = 0;
    for (const Case& c : cases) {
        const std::string name = "case" + std::to_string(index++);
        EXPECT_EQ(RunText(folder, name + ".in2", c.text), c.status) << name;
        std::string err = ReadTextFile(folder.file(name + ".err"));
        EXPECT_EQ(err.substr(0, err.find('\n')), c.firstErrLine) << name;
        if (c.status < 11) {
            EXPECT_EQ(ReadTextFile(folder.file(name + ".out")), "") << name;
        }
        EXPECT_FALSE(std::filesystem::exists(folder.file(name + ".vk1"))) << name;
    }
}

// Runs a block with the process's current folder set to `folder`.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

TEST(RunFiles, MissingInputWritesTheFallbackErrorFileInTheCurrentFolder) {
    TempDir folder;
    InFolder inFolder(folder.path());
    const std::string missing = folder.file("sub/none.in2");
    EXPECT_EQ(RunModel(missing.c_str()), 1);
    EXPECT_EQ(ReadTextFile(folder.file("VeskJirn2D.err")),
              "Could not open the VeskJirn2D input file - SR1\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("sub")));
    EXPECT_EQ(RunModel(nullptr), 1);
    EXPECT_EQ(RunModel(folder.path().c_str()), 1);  // a folder is no input file
}

TEST(RunFiles, OutputNamesFollowTheLastPointOfThePath) {
    TempDir folder;
    std::filesystem::create_directory(folder.path() / "a.b");
    InFolder inFolder(folder.path());
    const std::string bad = "1,0.2,0,2,10,500,550,7,6,5\n";
    {
        CVeskJirn2DDoc doc;
        SetFileNames(doc, "/x/proj.v2/model.in2");
        EXPECT_EQ(doc.InputName, "model.in2");
        EXPECT_EQ(doc.InputTitle, "model");
        EXPECT_EQ(doc.BasePath, "/x/proj.v2/model");
        EXPECT_EQ(doc.Vk1Path, "/x/proj.v2/model.vk1");
    }
    // No point at all: ".out" and ".err" in the current folder.
    vesk::test::WriteTextFile(folder.file("model"), bad);
    EXPECT_EQ(RunModel("model"), 2);
    EXPECT_TRUE(std::filesystem::exists(folder.file(".err")));
    EXPECT_TRUE(std::filesystem::exists(folder.file(".out")));
    // A point in a folder name only: the base is cut inside the folder name.
    vesk::test::WriteTextFile(folder.file("a.b/model"), bad);
    EXPECT_EQ(RunModel("a.b/model"), 2);
    EXPECT_EQ(ReadTextFile(folder.file("a.err")).substr(0, 15), "Could not accur");
}

// A log or result file that cannot be created is reported, never taken for a
// finished run (the program would go on to read stale results).
TEST(RunFiles, FilesThatCannotBeCreatedAreReported) {
    TempDir folder, elsewhere;
    InFolder inFolder(elsewhere.path());
    const std::string text = veskjirn::test::ModelText({});
    // A folder where a file must go cannot be opened as a file, whoever runs.
    std::filesystem::create_directory(folder.path() / "logs.err");
    EXPECT_EQ(RunText(folder, "logs.in2", text), 41);
    EXPECT_EQ(ReadTextFile(elsewhere.file("VeskJirn2D.err")),
              "Could not create the VeskJirn2D log files - SR2\n");

    std::filesystem::create_directory(folder.path() / "results.vk1");
    EXPECT_EQ(RunText(folder, "results.in2", text), 41);
    EXPECT_EQ(ReadTextFile(folder.file("results.err")),
              "Could not write the result file " + folder.file("results.vk1") + "\n");
}

}  // namespace
}  // namespace veskjirn
