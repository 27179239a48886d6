#include "result_writers.h"

#include <cstdio>

#include "number_format.h"

namespace veskjirn {

namespace {

bool WriteWholeFile(CVeskJirn2DDoc& doc, const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written = false;
    if (file != nullptr) {
        written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = std::fclose(file) == 0 && written;
    }
    if (!written) doc.ErrLog.Write(Format("Could not write the result file %s\n", {path}));
    return written;
}

}  // namespace

std::string CompatibleFileText(const CVeskJirn2DDoc& doc) {
    const int n = doc.ElementCount;
    std::string out = doc.InputTitle;
    out += "\n\n";
    AppendFormat(out, "%i, %4i, %4i, %4i, %4i, %4i, %4i, %4i, %4i, %4.3g, %4.3g, %4.2g",
                 {doc.SeamCount, doc.MaterialCount, doc.UnitsCode, 1, 1, 1, 18, doc.MaterialCount, 1,
                  doc.ExtractionRatio[1], doc.ExtractionRatio[2], doc.CoalPoisson});
    out += "\n";
    AppendFormat(out, "%f, %4f, %4f, %4f",
                 {doc.RockPoisson, doc.RockModulus, doc.LaminationThickness, doc.StressGradient});
    out += "\n";
    if (doc.SeamCount == 2) {
        AppendFormat(out, "%.7f, %4i, %4.1f, %4.1f, %4.1f, %4.1f, %4i, %4i",
                     {doc.ElementWidth, n, doc.SeamOverburden[1], doc.SeamOverburden[2], doc.SeamHeight[1],
                      doc.SeamHeight[2], doc.WestBoundary, doc.EastBoundary});
    } else {
        AppendFormat(out, "%.7f, %4i, %4f, %4f, %4i, %4i",
                     {doc.ElementWidth, n, doc.SeamOverburden[1], doc.SeamHeight[1], doc.WestBoundary,
                      doc.EastBoundary});
    }
    for (int k = 0; k < doc.MaterialCount && k < kMaterialSlots; ++k) {
        const auto& p = doc.MaterialParam[static_cast<std::size_t>(k)];
        out += "\n";
        AppendFormat(out, "%i, %10.5f, %10.5f, %10.5f, %10.5f, %10.5f",
                     {doc.MaterialType[static_cast<std::size_t>(k)], p[1], p[2], p[3], p[4], p[5]});
    }
    out += "\n";
    AppendFormat(out, "%f, %4.8f, %4i, %4i",
                 {doc.OverRelaxation, doc.ConvergenceTolerance, doc.MaxIterations, 0});
    out += "\n\n";
    for (int s = 1; s <= doc.SeamCount; ++s) {
        for (int i = 1; i <= n; ++i) out += doc.CharCodes(s, i);
        out += "\n";
    }
    for (int s = 1; s <= doc.SeamCount; ++s) {
        for (int i = 1; i <= n; ++i) AppendInteger(out, doc.PillarCodes(s, i));
        out += "\n";
    }
    out += "\n";
    for (int s = 1; s <= doc.SeamCount; ++s) {
        for (int i = 1; i <= n; ++i) {
            out += "\n";
            AppendFormat(
                out, "%13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g, %13.5g",
                {doc.Displacement(s, i), doc.ElementStressGrid(s, i), doc.InducedStress(s, i),
                 doc.AvgPillarStress(s, i), doc.AvgInducedStress(s, i), doc.ElementSafetyFactor(s, i),
                 doc.PillarSafetyFactor(s, i), doc.RemoteDisp(s, i), doc.HStrain(s, i)});
        }
        out += "\n";
    }
    return out;
}

std::string CriticalStressFileText(const CVeskJirn2DDoc& doc) {
    const int s = doc.CriticalSeam;
    const int i = doc.CriticalElement;
    return Format("%13.5g, %13.5g, %13.5g",
                  {doc.SingleSeamCriticalStress, doc.AvgInducedStress(s, i), doc.AvgPillarStress(s, i)});
}

std::string StressProfileFileText(const CVeskJirn2DDoc& doc) {
    const int s = doc.CriticalSeam;
    std::string out;
    for (int i = 1; i <= doc.ElementCount; ++i) {
        AppendFormat(out, "%13.5g, %13.5g\n", {doc.SingleSeamStress(s, i), doc.ElementStressGrid(s, i)});
    }
    return out;
}

bool WriteCompatibleFile(CVeskJirn2DDoc& doc) {
    return WriteWholeFile(doc, doc.DatPath, CompatibleFileText(doc));
}

bool WriteCriticalStressFile(CVeskJirn2DDoc& doc) {
    return WriteWholeFile(doc, doc.Vk1Path, CriticalStressFileText(doc));
}

bool WriteStressProfileFile(CVeskJirn2DDoc& doc) {
    return WriteWholeFile(doc, doc.Vk2Path, StressProfileFileText(doc));
}

}  // namespace veskjirn
