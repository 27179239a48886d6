#include "analysis/input_echo.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "analysis/text_format.h"
#include "project/description_text.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {

namespace {

constexpr const char* kLineEnd = "\r\n";

// UnitLabel rows used by the page.
constexpr int kLengthRow = 0;
constexpr int kStressRow = 1;
constexpr int kUnitWeightRow = 2;

// Width of the project file line; longer paths continue on the next line.
constexpr int kFileLineWidth = 70;

// Appends the lines of the page. Every labelled line is the label padded
// with dots to its column, the value and its unit.
class EchoPage {
public:
    explicit EchoPage(int16_t unitSystem) : unitSystem_(unitSystem) {}

    void Line(std::string_view text) {
        text_ += text;
        text_ += kLineEnd;
    }
    void Blank() { text_ += kLineEnd; }
    void Raw(std::string_view text) { text_ += text; }

    void Value(std::string_view label, int width, const std::string& value, std::string_view suffix = {}) {
        std::string line = PadDots(label, width);
        line += value;
        line += suffix;
        Line(line);
    }
    void Length(std::string_view label, int width, const std::string& value) {
        Value(label, width, value, Unit(kLengthRow));
    }

    // The unit suffix of the project's system. The file reader keeps the
    // system at 0 or 1; any other value prints no unit rather than reading
    // outside the table.
    std::string Unit(int row) const {
        if (unitSystem_ < 0 || static_cast<size_t>(unitSystem_) >= UnitLabel.size()) return {};
        return UnitLabel[static_cast<size_t>(unitSystem_)][static_cast<size_t>(row)];
    }

    std::string Take() { return std::move(text_); }

private:
    int16_t unitSystem_;
    std::string text_;
};

std::string YesNo(int16_t flag) {
    return flag == 1 ? "yes" : "no";
}

std::string BuildLabel() {
    std::string patch = std::to_string(VESK_VERSION_PATCH);
    if (patch.size() < 2) patch.insert(0, 2 - patch.size(), '0');
    return "Vesk module build: " + std::to_string(VESK_VERSION_MAJOR) + "." +
           std::to_string(VESK_VERSION_MINOR) + "." + patch;
}

void EchoModuleHeader(const Workspace& ws, EchoPage& page) {
    page.Line(BuildLabel());
    page.Raw(WrapAt("Project File: " + ws.Header.ProjectFileName, kFileLineWidth));
    page.Line("Input Units: " + page.Unit(kLengthRow) + page.Unit(kStressRow));
    page.Blank();
}

void EchoMultipleSeam(const VeskParams& vesk, EchoPage& page) {
    page.Line("[MULTIPLE SEAM PARAMETERS]");
    page.Value("Active Seam Mining Mode", 30, vesk.ActiveMiningMode == 0 ? "Kavo" : "Ondar");
    page.Value("Previous Mining", 30,
               vesk.PreviousMining == 0 ? "Gob Solid Layout" : "Remnant Pillar Layout");
    page.Value("Vertical Position", 30,
               vesk.VerticalPosition == 0 ? "Active OVER Previous" : "Active UNDER Previous");
    page.Length("Interburden Thickness", 30, FormatGeneral(vesk.InterburdenThickness));
    page.Blank();

    page.Line("[PREVIOUS SEAM PARAMETERS]");
    page.Length("Seam Thickness", 50, FormatGeneral(vesk.SeamThickness));
    if (vesk.PreviousMining == 0) {
        page.Length("Width of Gob", 50, FormatGeneral(vesk.GobWidth));
    } else {
        page.Length("Width of Remnant", 50, FormatGeneral(vesk.RemnantWidth));
        page.Length("Width of Gob 1", 50, FormatGeneral(vesk.GobWidth1));
        page.Length("Width of Gob 2", 50, FormatGeneral(vesk.GobWidth2));
    }
    page.Value("Age of Workings", 50, FormatGeneral(vesk.AgeOfWorkings), " years");
    page.Blank();

    page.Line("[ACTIVE SEAM PARAMETERS]");
    page.Value("CMRR", 50, FormatGeneral(vesk.ActiveSeamCMRR));
    page.Blank();
}

// Centre distances 1..entries-1; the count is kept within the array so that a
// damaged record cannot read past it.
template <typename Centers>
void EchoCenterDistances(const Centers& centers, int16_t entries, EchoPage& page) {
    const int last = std::min<int>(entries - 1, static_cast<int>(centers.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        page.Length("Center to Center Distance #" + std::to_string(i), 50,
                    FormatGeneral(centers[static_cast<size_t>(i)]));
    }
}

void EchoLongwall(const KavoParams& kavo, EchoPage& page) {
    page.Line("[Kavo DATA]");
    page.Length("Entry Height", 50, FormatGeneral(kavo.EntryHeight));
    page.Length("Depth of Cover", 50, FormatGeneral(kavo.DepthOfCover));
    page.Length("Panel Width", 50, FormatGeneral(kavo.PanelWidth));
    page.Length("Entry Width", 50, FormatGeneral(kavo.EntryWidth));
    page.Value("Number of Entries", 50, std::to_string(kavo.NumberOfEntries));
    page.Length("Crosscut Spacing", 50, FormatGeneral(kavo.CrosscutSpacing));
    EchoCenterDistances(kavo.EntryCenters, kavo.NumberOfEntries, page);
    page.Blank();

    page.Line("[Kavo DEFAULT PARAMETERS]");
    page.Value("In Situ Coal Strength", 50, FormatGeneral(kavo.CoalStrength), page.Unit(kStressRow));
    page.Value("Abutment Angle", 50, FormatGeneral(kavo.AbutmentAngle), " (deg)");
    page.Value("Unit Weight of Overburden", 50, FormatGeneral(kavo.UnitWeight), page.Unit(kUnitWeightRow));
}

std::string LoadingConditionText(int16_t condition) {
    switch (condition) {
        case 0: return "DEVELOPMENT LOAD (NO NEARBY GOB)";
        case 1: return "ONE ACTIVE RETREAT SECTION";
        case 2: return "ONE ACTIVE SECTION AND ONE SIDE GOB";
        case 3: return "ONE ACTIVE SECTION AND TWO SIDE GOBS";
        default: return std::to_string(condition);  // a damaged record shows its value
    }
}

struct SideGob {
    const char* name;  // "First", "Second"
    const char* row;   // "C", "D"
    double extent;
    double abutmentAngle;
    double barrierWidth;
    double slabCut;
    int16_t leaveRow;
    float rowPillarWidth;
};

void EchoSideGob(const SideGob& gob, EchoPage& page) {
    const std::string name = gob.name;
    page.Line("[" + name + " Gob]");
    page.Length("Extent of " + name + " Gob", 55, FormatGeneral(gob.extent));
    page.Value("Abutment Angle of " + name + " Gob", 55, FormatGeneral(gob.abutmentAngle), " (deg)");
    page.Length("Barrier Pillar Width of " + name + " Gob", 55, FormatGeneral(gob.barrierWidth));
    page.Length("Depth of Slab Cut in Barrier Pillar of " + name + " Gob", 55, FormatGeneral(gob.slabCut));
    page.Value(std::string("Leave pillar Row '") + gob.row + "' in place", 55, YesNo(gob.leaveRow));
    if (gob.leaveRow == 1) {
        page.Length(std::string("Width of pillars in row '") + gob.row + "'", 55,
                    FormatGeneral(gob.rowPillarWidth));
    } else {
        page.Blank();
    }
}

void EchoRetreat(const OndarParams& ondar, EchoPage& page) {
    page.Line("[Ondar DATA]");
    page.Length("Entry Height", 50, FormatGeneral(ondar.EntryHeight));
    page.Length("Depth of Cover", 50, FormatGeneral(ondar.DepthOfCover));
    page.Value("Crosscut Angle", 50, FormatGeneral(ondar.CrosscutAngle), " (deg)");
    page.Length("Entry Width", 50, FormatGeneral(ondar.EntryWidth));
    page.Value("Number of Entries", 50, std::to_string(ondar.NumberOfEntries));
    page.Length("Crosscut Spacing", 50, FormatGeneral(ondar.CrosscutSpacing));
    EchoCenterDistances(ondar.EntryCenters, ondar.NumberOfEntries, page);
    page.Blank();

    page.Line("[Ondar DEFAULT PARAMETERS]");
    page.Value("In Situ Coal Strength", 50, FormatGeneral(ondar.CoalStrength), page.Unit(kStressRow));
    page.Value("Unit Weight of Overburden", 50, FormatGeneral(ondar.UnitWeight), page.Unit(kUnitWeightRow));
    page.Length("Breadth of AMZ", 50, FormatGeneral(ondar.AMZBreadth));
    page.Line(ondar.AMZAuto == 1 ? "AMZ set automatically" : "AMZ set manually");
    page.Value("Pressure Arch Factor", 55, FormatGeneral(ondar.ArchFactor));
    page.Line(ondar.ArchFactorAuto == 1 ? "Pressure Arch Factor set automatically"
                                        : "Pressure Arch Factor set manually");
    page.Blank();

    page.Line("[Ondar RETREAT MINING PARAMETERS]");
    // The retreat method takes a stored 4 as two side gobs; the page shows
    // the case that is calculated.
    const int16_t condition = ondar.LoadingCondition == 4 ? int16_t{3} : ondar.LoadingCondition;
    page.Value("Loading Condition", 35, LoadingConditionText(condition));
    if (condition >= 1 && condition <= 3) {
        page.Line("[Active Gob]");
        page.Length("Extent of Active Gob", 55, FormatGeneral(ondar.ActiveGobExtent));
        page.Value("Abutment Angle of Active Gob", 55, FormatGeneral(ondar.ActiveGobAbutmentAngle), " (deg)");
        page.Value("Leave pillar Row 'A' in place", 55, YesNo(ondar.LeaveRowA));
        page.Value("Leave pillar Row 'B' in place", 55, YesNo(ondar.LeaveRowB));
    }
    if (condition == 2 || condition == 3) {
        EchoSideGob(
            {"First", "C", ondar.FirstGobExtent, ondar.FirstGobAbutmentAngle, ondar.FirstGobBarrierWidth,
             ondar.FirstGobSlabCut, ondar.LeaveRowC, ondar.RowCPillarWidth},
            page);
    }
    if (condition == 3) {
        EchoSideGob(
            {"Second", "D", ondar.SecondGobExtent, ondar.SecondGobAbutmentAngle, ondar.SecondGobBarrierWidth,
             ondar.SecondGobSlabCut, ondar.LeaveRowD, ondar.RowDPillarWidth},
            page);
    }
}

}  // namespace

void LoadOutBuf0(Workspace& ws, int mode) {
    (void)mode;  // every caller asks for the full page
    ws.OutBuf[0].clear();

    // The page shows the description as the file keeps it.
    NormaliseProjectDescription(ws);

    EchoPage page(ws.Header.UnitSystem);
    if (ws.Options.PrintModuleHeader != 0) EchoModuleHeader(ws, page);

    page.Line("[PROJECT TITLE]");
    page.Line(ws.Header.ProjectTitle);
    page.Blank();

    page.Line("[PROJECT DESCRIPTION]");
    page.Line(ws.Header.ProjectDescription);
    page.Blank();

    EchoMultipleSeam(ws.VeskWork, page);
    if (ws.VeskWork.ActiveMiningMode == 0) {
        EchoLongwall(ws.KavoWork, page);
    } else {
        EchoRetreat(ws.OndarWork, page);
    }
    page.Blank();
    page.Blank();

    ws.OutBuf[0] = page.Take();
}

}  // namespace vesk
