#include "stresslink/solver_model_builder.h"

#include <charconv>
#include <cmath>

#include "analysis/messages.h"
#include "project/units.h"
#include "project/workspace.h"
#include "stresslink/solver_files.h"

namespace vesk {

namespace {

constexpr const char* kInvalidWidth = "Grid Generation Error: Invalid width of grid. Check the input data.";
constexpr const char* kKavoInvalidSpacing =
    "Grid Generation Error: (Kavo) Invalid Crosscut Spacing or Center-to-Center Distance.";
constexpr const char* kOndarInvalidSpacing =
    "Grid Generation Error: (Ondar) Invalid Crosscut Spacing or Center-to-Center Distance.";
constexpr const char* kUndermining =
    "This is an undermining case. Overburden should be > interburden and extraction thickness";
// A count beyond the 16-bit range is an overflow of the calculation, reported
// the way the program reports any unexpected run-time error.
constexpr const char* kOverflow = "Error occurred: Overflow (6). Procedure Terminated";

// Rounds a length quotient to whole elements, halves to even, into 16 bits.
// False when the quotient is not a number or does not fit.
bool RoundToElements(float quotient, int16_t& elements) {
    if (!std::isfinite(quotient)) return false;
    float rounded = std::nearbyint(quotient);  // the default rounding mode takes halves to even
    if (rounded > 32767.0f || rounded < -32768.0f) return false;
    elements = static_cast<int16_t>(rounded);
    return true;
}

// Sets element k (1-based) of a code row; elements outside the row are left
// alone (a degenerate layout narrower than one element).
void SetCode(std::string& row, int k, char code) {
    if (k >= 1 && k <= static_cast<int>(row.size())) row[static_cast<size_t>(k - 1)] = code;
}

// The active method's geometry in single precision.
struct ActiveGeometry {
    float H, D, We, C;
};

ActiveGeometry ActiveInputs(const Workspace& ws) {
    if (ws.VeskWork.ActiveMiningMode == 1) {
        const OndarParams& o = ws.OndarWork;
        return {static_cast<float>(o.EntryHeight), static_cast<float>(o.DepthOfCover),
                static_cast<float>(o.EntryWidth), static_cast<float>(o.CrosscutSpacing)};
    }
    const KavoParams& k = ws.KavoWork;
    return {k.EntryHeight, k.DepthOfCover, k.EntryWidth, k.CrosscutSpacing};
}

// Extraction ratio of the active seam, or false when the crosscut spacing or
// the first centre distance is zero.
bool ActiveExtraction(const Workspace& ws, const ActiveGeometry& g, float& ratio) {
    if (ws.VeskWork.ActiveMiningMode == 1) {
        float e1 = static_cast<float>(ws.OndarWork.EntryCenters[1]);
        if (e1 * g.C == 0.0f) return false;
        ratio = g.We / e1;
        return true;
    }
    const KavoParams& k = ws.KavoWork;
    if (k.EntryCenters[1] * g.C == 0.0f) return false;
    int pillars = k.NumberOfEntries - 1;
    float sum = 0;
    for (int i = 1; i <= pillars && i <= 5; ++i) sum += k.EntryCenters[static_cast<size_t>(i)];
    ratio = sum == 0.0f ? 0.0f : static_cast<float>(pillars) * g.We / sum;
    return true;
}

void AppendNumber(std::string& out, float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    out.append(buffer, result.ptr);
}

void AppendInteger(std::string& out, int value) {
    out += std::to_string(value);
}

}  // namespace

bool BuildSolverModel(Workspace& ws) {
    SolverModel& model = ws.Model;
    const VeskParams& v = ws.VeskWork;
    const bool metric = ws.Header.UnitSystem == Metric;
    const bool remnant = v.PreviousMining == 1;

    // 1. Margins of solid coal and the width of the section.
    const float I = v.InterburdenThickness;
    const float minimumMargin = metric ? 70.0f : 200.0f;
    float margin = remnant ? I : 2.0f * I;
    if (margin < minimumMargin) margin = minimumMargin;
    model.GridWidth =
        remnant ? v.GobWidth1 + margin + v.RemnantWidth + v.GobWidth2 + margin : margin + v.GobWidth + margin;

    // 2. Cell size, doubled for wide sections.
    if (metric) {
        if (ws.Options.CellSizeMetric == 0.0f) ws.Options.CellSizeMetric = 0.5f;
        model.ElementWidth = ws.Options.CellSizeMetric;
        if (model.GridWidth >= 700.0f) model.ElementWidth *= 2.0f;
    } else {
        if (ws.Options.CellSizeEnglish == 0) ws.Options.CellSizeEnglish = 2;
        model.ElementWidth = static_cast<float>(ws.Options.CellSizeEnglish);
        if (model.GridWidth >= 2000.0f) model.ElementWidth *= 2.0f;
    }
    const float w = model.ElementWidth;

    // 3. Elements per seam. A negative count (negative widths or cell size)
    // is as unusable as none.
    if (!RoundToElements(model.GridWidth / w, model.ElementCount)) {
        model.ElementCount = 0;
        ShowMessage(ws, kOverflow);
        return false;
    }
    if (model.GridWidth == 0.0f || model.ElementCount <= 0) {
        model.ElementCount = 0;
        model.GridCodes[0].clear();
        model.GridCodes[1].clear();
        ShowMessage(ws, kInvalidWidth);
        return false;
    }
    const int n = model.ElementCount;

    // 4. Fresh code rows.
    model.GridCodes[0].assign(static_cast<size_t>(n), ' ');
    model.GridCodes[1].assign(static_cast<size_t>(n), ' ');

    // 5. Active seam geometry and extraction ratio. The section runs along the
    // entries, so the entries parallel to it are smeared into the ratio.
    const ActiveGeometry g = ActiveInputs(ws);
    const float pillarLength = g.C - g.We;
    float ratio = 0;
    const char* invalidSpacing = v.ActiveMiningMode == 1 ? kOndarInvalidSpacing : kKavoInvalidSpacing;
    if (!ActiveExtraction(ws, g, ratio)) {
        ShowMessage(ws, invalidSpacing);
        return false;
    }
    model.ActiveExtractionRatio = ratio;

    // 6. Which seam is which.
    if (v.VerticalPosition == 1) {  // active UNDER previous
        model.ActiveSeam = 2;
        model.PreviousSeam = 1;
        model.SeamDepth = {0, g.D - I, g.D};
        model.SeamMiningHeight = {0, v.SeamThickness, g.H};
        model.SeamExtractionRatio = {0, 0, ratio};
        model.CriticalSeam = 2;
        // The previous seam must lie below the surface; the input dialogs
        // refuse such a project, but a project file can still hold one.
        if (!(model.SeamDepth[1] > 0.0f)) {
            ShowMessage(ws, kUndermining);
            return false;
        }
    } else {  // active OVER previous
        model.ActiveSeam = 1;
        model.PreviousSeam = 2;
        model.SeamDepth = {0, g.D, g.D + I};
        model.SeamMiningHeight = {0, g.H, v.SeamThickness};
        model.SeamExtractionRatio = {0, ratio, 0};
        model.CriticalSeam = 1;
    }

    // 7. Element counts of the layout.
    bool fits = RoundToElements(margin / w, model.MarginElements) &&
                RoundToElements(g.We / w / 2.0f, model.HalfEntryElements) &&
                RoundToElements(g.We / w, model.CrosscutElements) &&
                RoundToElements(pillarLength / w, model.PillarElements);
    if (remnant) {
        fits = fits && RoundToElements(v.GobWidth1 / w, model.Gob1Elements) &&
               RoundToElements(v.RemnantWidth / w, model.RemnantElements) &&
               RoundToElements(v.GobWidth2 / w, model.Gob2Elements);
    } else {
        model.Gob1Elements = model.RemnantElements = model.Gob2Elements = 0;
    }
    if (!fits) {
        ShowMessage(ws, kOverflow);
        return false;
    }
    const int m = model.MarginElements;
    const int h = model.HalfEntryElements;
    const int c = model.CrosscutElements > 0 ? model.CrosscutElements : 0;
    const int p = model.PillarElements > 0 ? model.PillarElements : 0;
    if (c + p == 0) {
        // Neither a crosscut nor a pillar is an element wide: the pattern of
        // the active seam would never advance.
        ShowMessage(ws, invalidSpacing);
        return false;
    }

    // 8. Previous seam: solid coal "J", gob "S", and an opening "1" at each
    // gob edge. The anchor is the edge that the active crosscut is centred on.
    std::string& previous = model.GridCodes[model.PreviousSeam - 1];
    previous.assign(static_cast<size_t>(n), 'J');
    for (int k = m + 1; k <= n - m; ++k) SetCode(previous, k, 'S');
    int anchor;
    if (remnant) {
        const int g1 = model.Gob1Elements;
        const int r = model.RemnantElements;
        for (int k = m + g1 + 1; k <= m + g1 + r; ++k) SetCode(previous, k, 'J');
        SetCode(previous, m + 1, '1');
        SetCode(previous, m + g1, '1');
        SetCode(previous, n - m, '1');
        SetCode(previous, m + g1 + r + 1, '1');
        anchor = g1 + m + r - h;
    } else {
        SetCode(previous, m + 1, '1');
        SetCode(previous, n - m, '1');
        anchor = m - h;
    }
    if (anchor > 32767 || anchor < -32768) {
        ShowMessage(ws, kOverflow);
        return false;
    }
    model.CriticalElement = static_cast<int16_t>(anchor);
    ws.Run.StressAdjustDivisor = 1.0f - ratio;

    // 9. Active seam: crosscuts "1" and pillars "A", a crosscut starting just
    // east of the anchor, cut off at both ends of the section.
    std::string& active = model.GridCodes[model.ActiveSeam - 1];
    int k = anchor + 1;
    while (k <= n) {
        for (int j = 0; j < c && k <= n; ++j) SetCode(active, k++, '1');
        for (int j = 0; j < p && k <= n; ++j) SetCode(active, k++, 'A');
    }
    k = anchor;
    while (k >= 1) {
        for (int j = 0; j < p && k >= 1; ++j) SetCode(active, k--, 'A');
        for (int j = 0; j < c && k >= 1; ++j) SetCode(active, k--, '1');
    }
    return true;
}

std::string SolverInputHeader(const Workspace& ws) {
    const SolverModel& model = ws.Model;
    std::string line = "1";  // unit code: feet and psi
    for (float value : {model.SeamExtractionRatio[1], model.SeamExtractionRatio[2], model.ElementWidth}) {
        line += ',';
        AppendNumber(line, value);
    }
    line += ',';
    AppendInteger(line, model.ElementCount);
    for (float value :
         {model.SeamDepth[1], model.SeamDepth[2], model.SeamMiningHeight[1], model.SeamMiningHeight[2]}) {
        line += ',';
        AppendNumber(line, value);
    }
    line += ',';
    AppendInteger(line, model.CriticalElement);
    line += ',';
    AppendInteger(line, model.CriticalSeam);
    return line;
}

bool WriteSolverInput(const Workspace& ws, const std::string& path) {
    return WriteSolverFile(
        path, SolverInputHeader(ws) + '\n' + ws.Model.GridCodes[0] + '\n' + ws.Model.GridCodes[1] + "\n\n");
}

}  // namespace vesk
