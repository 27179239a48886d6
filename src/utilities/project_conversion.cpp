#include "utilities/project_conversion.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/project_state.h"
#include "project/recent_file_list.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {
namespace {

// Converts one field: in double, rounded to two decimals, back in the field's
// own type (a float too large for its type becomes an infinity rather than
// an undefined conversion).
class FieldConverter {
public:
    explicit FieldConverter(bool toEnglish) : toEnglish_(toEnglish) {}

    void operator()(float& field, double factor) const {
        double value = Rounded(field, factor);
        field = std::fabs(value) <= FLT_MAX ? static_cast<float>(value)
                                            : std::copysign(std::numeric_limits<float>::infinity(), value);
    }
    void operator()(double& field, double factor) const { field = Rounded(field, factor); }

private:
    double Rounded(double value, double factor) const {
        return RoundHalfEven(toEnglish_ ? value * factor : value / factor, 2);
    }
    bool toEnglish_;
};

// Entries 1..NumberOfEntries-1 that hold centre distances, inside the array.
int UsedDistances(int16_t numberOfEntries, int16_t maxEntries) {
    return std::clamp(static_cast<int>(numberOfEntries) - 1, 0, maxEntries - 1);
}

void ConvertRecords(Workspace& ws, const FieldConverter& convert) {
    VeskParams& v = ws.VeskInput;
    for (float* length : {&v.InterburdenThickness, &v.SeamThickness, &v.GobWidth, &v.RemnantWidth,
                          &v.GobWidth1, &v.GobWidth2})
        convert(*length, FeetPerMetre);

    KavoParams& k = ws.KavoInput;
    for (float* length : {&k.EntryHeight, &k.DepthOfCover, &k.PanelWidth, &k.EntryWidth, &k.CrosscutSpacing,
                          &k.YieldPillarWidth})
        convert(*length, FeetPerMetre);
    for (int i = 1; i <= UsedDistances(k.NumberOfEntries, KavoParams::MaxEntries); ++i) {
        convert(k.EntryCenters[static_cast<size_t>(i)], FeetPerMetre);
        convert(k.PillarCrosscutSpacing[static_cast<size_t>(i)], FeetPerMetre);
    }
    convert(k.CoalStrength, PsiPerMPa);
    convert(k.UnitWeight, PcfPerKNm3);

    OndarParams& o = ws.OndarInput;
    for (double* length : {&o.EntryHeight, &o.DepthOfCover, &o.EntryWidth, &o.CrosscutSpacing, &o.AMZBreadth,
                           &o.ActiveGobExtent, &o.FirstGobExtent, &o.FirstGobBarrierWidth, &o.FirstGobSlabCut,
                           &o.SecondGobExtent, &o.SecondGobBarrierWidth, &o.SecondGobSlabCut})
        convert(*length, FeetPerMetre);
    for (int i = 1; i <= UsedDistances(o.NumberOfEntries, OndarParams::MaxEntries); ++i)
        convert(o.EntryCenters[static_cast<size_t>(i)], FeetPerMetre);
    convert(o.RowCPillarWidth, FeetPerMetre);
    convert(o.RowDPillarWidth, FeetPerMetre);
    convert(o.CoalStrength, PsiPerMPa);
    convert(o.UnitWeight, PcfPerKNm3);
}

}  // namespace

bool CanConvertProject(Workspace& ws) {
    if (ws.State.NoData == ByteTrue) {
        ShowMessage(ws, "Current file is empty");
        return false;
    }
    if (ws.State.ProjectSaved == ByteFalse) {
        ShowMessage(ws, "Save Current File before accessing this option");
        return false;
    }
    return true;
}

std::string ConvertedFileName(const std::string& previousFileName, int16_t target) {
    return (target == Metric ? "Metric_" : "English_") + ShortFileName(previousFileName);
}

bool ConvertProjectUnits(Workspace& ws, int16_t target) {
    if ((target != English && target != Metric) || target == ws.Header.UnitSystem) return false;
    ConvertRecords(ws, FieldConverter(target == English));
    ws.Header.UnitSystem = target;
    ws.Header.ProjectFileName = ConvertedFileName(ws.Header.ProjectFileName, target);
    ws.State.ProjectSaved = ByteFalse;
    return true;
}

}  // namespace vesk
