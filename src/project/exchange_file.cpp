#include "project/exchange_file.h"

#include <ctime>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/description_text.h"
#include "project/project_file.h"
#include "project/project_file_format.h"
#include "project/text_file_io.h"
#include "project/workspace.h"

namespace vesk {
namespace {

class LineWriter {
public:
    void Text(const std::string& text) { out_ += text + CrLf; }
    void Int(int16_t value) { Text(IntegerLine(value)); }
    void Real(float value) { Text(FormatGeneral(value)); }
    void Real(double value) { Text(FormatGeneral(value)); }
    const std::string& text() const { return out_; }

private:
    std::string out_;
};

bool WriteExchangeFile(Workspace& ws, const std::string& path, const std::string& text) {
    FileError error;
    while (!WriteFileReplacing(path, text, error))
        if (ShowFileError(ws, error, path) != MessageAnswer::Retry) return false;
    return true;
}

const FileError TooManyEntries{ErrSubscriptOutOfRange, "Subscript out of range", 0};

}  // namespace

std::string KavoExchangePath(const DataPaths& paths) {
    return paths.SystemTempFolder + KavoExchangeFileName;
}
std::string OndarExchangePath(const DataPaths& paths) {
    return paths.SystemTempFolder + OndarExchangeFileName;
}

bool FormatKavoExchangeFile(const KavoParams& k, int16_t unitSystem, std::string& text) {
    if (k.NumberOfEntries > KavoParams::MaxEntries) return false;
    LineWriter w;
    w.Text(KavoExchangeTag);
    w.Int(unitSystem);
    w.Text("Kavo Input generated from Vesk");
    w.Text("Kavo Input generated from Vesk");
    w.Text(EndDescMarker);
    w.Real(k.EntryHeight);
    w.Real(k.DepthOfCover);
    w.Real(k.PanelWidth);
    w.Real(k.EntryWidth);
    w.Real(k.CrosscutSpacing);
    w.Int(k.NumberOfEntries);
    for (int i = 1; i <= k.NumberOfEntries - 1; ++i) w.Real(k.EntryCenters[static_cast<size_t>(i)]);
    w.Real(k.CoalStrength);
    w.Real(k.AbutmentAngle);
    w.Real(k.UnitWeight);
    w.Real(k.SFHeadgate);
    w.Real(k.SFBleeder);
    w.Real(k.SFTailgate);
    w.Real(k.CMRR);
    w.Int(k.UseCMRRFactors);
    w.Int(k.PillarConfiguration);
    w.Real(k.YieldPillarWidth);
    w.Int(k.AdvancedGeometry);
    for (int i = 1; i <= k.NumberOfEntries - 1; ++i) {
        w.Real(k.PillarCrosscutAngle[static_cast<size_t>(i)]);
        w.Real(k.PillarCrosscutSpacing[static_cast<size_t>(i)]);
    }
    text = w.text();
    return true;
}

bool FormatOndarExchangeFile(OndarParams& o, int16_t unitSystem, const std::string& dateText,
                             std::string& text) {
    if (o.NumberOfEntries > OndarParams::MaxEntries) return false;
    LineWriter w;
    w.Text(OndarExchangeTag);
    w.Int(unitSystem);
    w.Text("Ondar Input generated from Vesk");
    w.Text(StartDescMarker);
    w.Text("Ondar Input generated from Vesk" + dateText);
    w.Text(EndDescMarker);
    w.Real(o.EntryHeight);
    w.Real(o.DepthOfCover);
    w.Real(o.CrosscutAngle);
    w.Real(o.EntryWidth);
    w.Real(o.CrosscutSpacing);
    w.Int(o.NumberOfEntries);
    if (o.NumberOfEntries == 0) o.NumberOfEntries = 1;
    for (int i = 1; i <= o.NumberOfEntries - 1; ++i) w.Real(o.EntryCenters[static_cast<size_t>(i)]);
    w.Real(o.CoalStrength);
    w.Real(o.UnitWeight);
    w.Real(o.AMZBreadth);
    w.Int(o.AMZAuto);
    w.Int(o.ArchFactorAuto);
    w.Int(o.LoadingCondition);
    w.Int(1);
    w.Real(o.ArchFactor);
    w.Real(o.ActiveGobExtent);
    w.Real(o.ActiveGobAbutmentAngle);
    w.Real(o.FirstGobExtent);
    w.Real(o.FirstGobAbutmentAngle);
    w.Real(o.FirstGobBarrierWidth);
    w.Real(o.FirstGobSlabCut);
    w.Real(o.SecondGobExtent);
    w.Real(o.SecondGobAbutmentAngle);
    w.Real(o.SecondGobBarrierWidth);
    w.Real(o.SecondGobSlabCut);
    w.Int(o.LeaveRowA);
    w.Int(o.LeaveRowB);
    w.Int(o.LeaveRowC);
    w.Int(o.LeaveRowD);
    w.Real(o.RowCPillarWidth);
    w.Real(o.RowDPillarWidth);
    text = w.text();
    return true;
}

bool FileSaveKavo(Workspace& ws, const std::string& path) {
    AddHistory(ws, "Saving: " + path);
    NormaliseProjectDescription(ws);
    std::string text;
    if (!FormatKavoExchangeFile(ws.KavoInput, ws.Header.UnitSystem, text)) {
        ShowFileError(ws, TooManyEntries, path);
        return false;
    }
    return WriteExchangeFile(ws, path, text);
}

bool FileSaveOndar(Workspace& ws, const std::string& path, const std::string& dateText) {
    AddHistory(ws, "Saving: " + path);
    std::string text;
    if (!FormatOndarExchangeFile(ws.OndarInput, ws.Header.UnitSystem, dateText, text)) {
        ShowFileError(ws, TooManyEntries, path);
        return false;
    }
    return WriteExchangeFile(ws, path, text);
}

std::string ShortDateText(std::chrono::system_clock::time_point when) {
    std::time_t time = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&time, &local);
    char buffer[64];
    size_t length = std::strftime(buffer, sizeof buffer, "%x", &local);
    return std::string(buffer, length);
}

}  // namespace vesk
