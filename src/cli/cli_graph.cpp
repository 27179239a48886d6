// vesk-cli graph: the table of one design graph, as the graph window plots it.
#include <charconv>
#include <nlohmann/json.hpp>
#include <ostream>

#include "analysis/text_format.h"
#include "cli/batch_session.h"
#include "cli/cli_calc_keys.h"
#include "cli/cli_commands.h"
#include "graphs/graph_export.h"
#include "graphs/graph_kinds.h"
#include "graphs/plotted_series.h"
#include "interaction/parameter_sweep.h"

namespace vesk::cli {
namespace {

constexpr const char* kUsage = "usage: vesk-cli graph FILE --kind K [--csv OUT | --xlsx OUT | --json]\n";

// Curves side by side: "X-coord" and the legend name per curve, a row per point.
void PrintTable(const std::vector<PlottedSeries>& series, std::ostream& out) {
    size_t rows = 0;
    for (size_t i = 0; i < series.size(); ++i) {
        out << (i ? "\t" : "") << "X-coord\t" << series[i].Name;
        rows = std::max(rows, series[i].Points.size());
    }
    out << '\n';
    for (size_t j = 0; j < rows; ++j) {
        for (size_t i = 0; i < series.size(); ++i) {
            if (i) out << '\t';
            if (j < series[i].Points.size()) {
                out << FormatGeneral(series[i].Points[j].first) << '\t' << FormatGeneral(series[i].Points[j].second);
            } else {
                out << '\t';
            }
        }
        out << '\n';
    }
}

CalcJson GraphJson(int kind, const std::vector<PlottedSeries>& series) {
    CalcJson out = CalcJson::object();
    out["GraphKind"] = kind;
    CalcJson list = CalcJson::array();
    for (const PlottedSeries& s : series) {
        CalcJson points = CalcJson::array();
        for (const auto& [x, y] : s.Points) points.push_back(CalcJson::array({JsonValue(x), JsonValue(y)}));
        list.push_back(CalcJson{{"Name", s.Name}, {"Points", points}});
    }
    out["Series"] = list;
    return out;
}

}  // namespace

int RunGraph(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file, csv, xlsx;
    int kind = -1;
    bool json = false;
    int outputs = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--kind" && i + 1 < args.size()) {
            const std::string& k = args[++i];
            auto parsed = std::from_chars(k.data(), k.data() + k.size(), kind);
            if (parsed.ec != std::errc() || parsed.ptr != k.data() + k.size() || kind < 0 || kind >= GraphKindCount) {
                err << "vesk-cli graph: the kind must be a number from 0 to 7\n" << kUsage;
                return 2;
            }
        } else if (a == "--csv" && i + 1 < args.size()) {
            csv = args[++i];
            ++outputs;
        } else if (a == "--xlsx" && i + 1 < args.size()) {
            xlsx = args[++i];
            ++outputs;
        } else if (a == "--json") {
            json = true;
            ++outputs;
        } else if (!a.empty() && a[0] != '-' && file.empty()) {
            file = a;
        } else {
            err << kUsage;
            return 2;
        }
    }
    if (file.empty() || kind < 0 || outputs > 1) {
        err << kUsage;
        return 2;
    }

    BatchSession session;
    std::string error;
    if (!session.open(file, error)) {
        err << "vesk-cli graph: " << error << '\n';
        return 1;
    }
    const GraphRunResult result = RunGraphFromMenu(session.ws, kind);
    if (!result.ok()) {
        std::string message = session.takeMessages();
        if (!result.Error.empty()) message += (message.empty() ? "" : "\n") + result.Error;
        err << "vesk-cli graph: " << (message.empty() ? "the graph could not be computed" : message) << '\n';
        return 1;
    }
    const std::string warnings = session.takeMessages();
    if (!warnings.empty()) err << warnings << '\n';

    const std::vector<PlottedSeries> series = PlotSeries(session.ws);
    if (json) {
        out << GraphJson(kind, series).dump(2) << '\n';
    } else if (!csv.empty() || !xlsx.empty()) {
        const bool ok = !csv.empty() ? ExportGraphCsv(series, csv, error) : ExportGraphXlsx(series, xlsx, error);
        if (!ok) {
            err << "vesk-cli graph: " << error << '\n';
            return 1;
        }
        out << ExportedMessage(series.size()) << '\n';
    } else {
        PrintTable(series, out);
    }
    return 0;
}

}  // namespace vesk::cli
