// vesk-cli calc: one full calculation of a project file, in place of the main
// window's Open and Calculate.
#include <charconv>
#include <cmath>
#include <iostream>
#include <string>

#include "analysis/calculation_driver.h"
#include "cli/batch_session.h"
#include "cli/cli_calc_keys.h"
#include "cli/cli_commands.h"
#include "project/workspace.h"

namespace vesk::cli {

CalcJson JsonValue(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

CalcJson JsonValue(float value) {
    if (!std::isfinite(value)) return nullptr;
    char text[64];
    auto written =
        std::to_chars(text, text + sizeof text, value);  // shortest text that reads back as `value`
    double nearest = 0;
    std::from_chars(text, written.ptr, nearest);
    return nearest;
}

namespace {

constexpr const char* kUsage = "usage: vesk-cli calc FILE [--json | --report | --page N]\n";

enum class Output { Report, Page, Json };

// The page that prints the verdicts, and the words it prints.
CalcJson VerdictKeys(const Workspace& ws) {
    CalcJson verdict = CalcJson::object();
    const InteractionResults& r = ws.Interaction;
    if (r.DevelopmentVerdict != InteractionVerdict::None)
        verdict["Development"] = std::string(VerdictWord(r.DevelopmentVerdict));
    if (r.SecondCaseVerdict != InteractionVerdict::None) {
        const char* second = ws.VeskWork.ActiveMiningMode == 1 ? "Retreat" : "Tailgate";
        verdict[second] = std::string(VerdictWord(r.SecondCaseVerdict));
    }
    return verdict;
}

int LastPage(const Workspace& ws) {
    return ws.VeskWork.ActiveMiningMode == 1 ? 6 : 4;
}

CalcJson ResultJson(const Workspace& ws) {
    CalcJson out = CalcJson::object();
    out["ElementWidth"] = JsonValue(ws.Model.ElementWidth);
    out["ElementCount"] = ws.Model.ElementCount;
    out["CriticalElement"] = ws.Model.CriticalElement;
    out["CriticalSeam"] = ws.Model.CriticalSeam;
    out["StressAdjustDivisor"] = JsonValue(ws.Run.StressAdjustDivisor);
    out["avgSingleSeamStress"] = JsonValue(ws.Run.avgSingleSeamStress);
    out["avgMultiSeamStress"] = JsonValue(ws.Run.avgMultiSeamStress);
    if (ws.VeskWork.ActiveMiningMode == 1)
        AddRetreatKeys(ws, out);
    else
        AddLongwallKeys(ws, out);
    const StressSummary& s = ws.Stress;
    out["DevStress"] = JsonValue(s.DevStress);
    out["DevAbutmentStress"] = JsonValue(s.DevAbutmentStress);
    out["DevTotalStress"] = JsonValue(s.DevTotalStress);
    out["RetreatStressIncrease"] = JsonValue(s.RetreatStressIncrease);
    out["RetreatTotalStress"] = JsonValue(s.RetreatTotalStress);
    const InteractionResults& r = ws.Interaction;
    out["CriticalInterburdenDev"] = JsonArray(r.CriticalInterburdenDev, 2);
    out["AllowableStressDev"] = JsonArray(r.AllowableStressDev, 2);
    out["CriticalInterburdenRet"] = JsonArray(r.CriticalInterburdenRet, 2);
    out["AllowableStressRet"] = JsonArray(r.AllowableStressRet, 2);
    out["MinOndarSFMS"] = JsonValue(r.MinOndarSFMS);
    out["HasRetreatChart"] = r.HasRetreatChart;
    out["Verdict"] = VerdictKeys(ws);
    CalcJson pages = CalcJson::array();
    for (int page = 0; page <= LastPage(ws); ++page) pages.push_back(ws.OutBuf[static_cast<size_t>(page)]);
    out["Pages"] = pages;
    return out;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    Output output = Output::Report;
    int modes = 0;
    int page = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            output = Output::Json;
            ++modes;
        } else if (a == "--report") {
            output = Output::Report;
            ++modes;
        } else if (a == "--page" && i + 1 < args.size()) {
            const std::string& n = args[++i];
            auto parsed = std::from_chars(n.data(), n.data() + n.size(), page);
            if (parsed.ec != std::errc() || parsed.ptr != n.data() + n.size() || page < 0 || page > 6) {
                err << "vesk-cli calc: page must be a number from 0 to 6\n" << kUsage;
                return 2;
            }
            output = Output::Page;
            ++modes;
        } else if (!a.empty() && a[0] != '-' && file.empty()) {
            file = a;
        } else {
            err << kUsage;
            return 2;
        }
    }
    if (file.empty() || modes > 1) {
        err << kUsage;
        return 2;
    }

    auto fail = [&](const std::string& message) {
        err << "vesk-cli calc: " << message << '\n';
        if (output == Output::Json) {
            CalcJson error = CalcJson::object();
            error["Error"] = message;
            out << error.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        }
        return 1;
    };

    BatchSession session;
    std::string openError;
    if (!session.open(file, openError)) return fail(openError);
    Workspace& ws = session.ws;

    if (!Calculate(ws)) {
        const std::string message = session.takeMessages();
        return fail(message.empty() ? "the calculation did not complete" : message);
    }
    // Messages of a completed run (warnings) go to the error stream only.
    if (!session.ui.messages.empty()) err << session.takeMessages() << '\n';

    switch (output) {
        case Output::Json:
            out << ResultJson(ws).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
            break;
        case Output::Page: out << ws.OutBuf[static_cast<size_t>(page)]; break;
        case Output::Report:
            for (int p = 0; p <= LastPage(ws); ++p) {
                if (p > 0) out << '\f';
                out << ws.OutBuf[static_cast<size_t>(p)];
            }
            break;
    }
    return 0;
}

}  // namespace vesk::cli
