#include "stresslink/solver_results.h"

#include <charconv>
#include <fstream>
#include <string_view>
#include <vector>

#include "analysis/text_format.h"
#include "project/workspace.h"
#include "stresslink/solver_files.h"

namespace vesk {

namespace {

constexpr const char* kFileNotFound = "File not found";
constexpr const char* kPastEnd = "Input past end of file";
constexpr const char* kTypeMismatch = "Type mismatch";

// Lines of .dat file before the element rows of seam 1: title, model header,
// 19 materials, control values, code and pillar-mark lines, blank lines.
constexpr int kDatHeaderLines = 32;

bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::string(kFileNotFound) + ": " + path;
        return false;
    }
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return true;
}

// One number of a result line; blanks around it are allowed.
bool ParseValue(std::string_view text, double& value) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// The first `count` comma-separated numbers of a line (further items ignored).
bool ParseValues(const std::string& line, int count, double* values) {
    std::string_view rest = line;
    for (int k = 0; k < count; ++k) {
        size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        if (!ParseValue(item, values[k])) return false;
        if (comma == std::string_view::npos) {
            if (k + 1 < count) return false;
            rest = {};
        } else {
            rest.remove_prefix(comma + 1);
        }
    }
    return true;
}

// The first `count` numbers of line `index`; false with `error` set when the
// file ends before that line or the line does not hold them.
bool ReadLineValues(const std::vector<std::string>& lines, size_t index, int count, double* values,
                    std::string& error) {
    if (index >= lines.size()) {
        error = kPastEnd;
        return false;
    }
    if (!ParseValues(lines[index], count, values)) {
        error = kTypeMismatch;
        return false;
    }
    return true;
}

// Element rows first..first+n-1 of `lines` into rows 1..n of `table`.
bool ReadElementRows(const std::vector<std::string>& lines, size_t first, int n, float elementWidth,
                     std::vector<ProfileRow>& table, std::vector<float>& x, std::string& error) {
    table.assign(static_cast<size_t>(n) + 1, ProfileRow{});
    for (int i = 1; i <= n; ++i) {
        double values[9];
        if (!ReadLineValues(lines, first + static_cast<size_t>(i - 1), 9, values, error)) return false;
        for (int column = 1; column <= 9; ++column)
            table[static_cast<size_t>(i)][static_cast<size_t>(column)] =
                static_cast<float>(values[column - 1]);
        x[static_cast<size_t>(i)] = static_cast<float>(i) * elementWidth;
    }
    return true;
}

}  // namespace

bool ReadCriticalStresses(const std::string& path, float& singleSeamStress, float& multiSeamStress,
                          std::string& error) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines, error)) return false;
    double values[2];
    if (!ReadLineValues(lines, 0, 2, values, error)) return false;
    singleSeamStress = static_cast<float>(values[0]);
    multiSeamStress = static_cast<float>(values[1]);
    return true;
}

bool ReadStressProfiles(Workspace& ws, std::string& error) {
    std::vector<std::string> lines;
    if (!ReadLines(SolverFilePath(ws, ".dat"), lines, error)) return false;
    const int n = ws.Model.ElementCount > 0 ? ws.Model.ElementCount : 0;
    GraphData& graph = ws.Graph;
    graph.ProfileX.assign(static_cast<size_t>(n) + 1, 0.0f);
    if (!ReadElementRows(lines, kDatHeaderLines, n, ws.Model.ElementWidth, graph.ProfileRowsA, graph.ProfileX,
                         error))
        return false;
    // One blank line separates the two seams.
    return ReadElementRows(lines, kDatHeaderLines + static_cast<size_t>(n) + 1, n, ws.Model.ElementWidth,
                           graph.ProfileRowsB, graph.ProfileX, error);
}

bool ReadCriticalProfile(Workspace& ws, std::string& error) {
    std::vector<std::string> lines;
    if (!ReadLines(SolverFilePath(ws, ".vk2"), lines, error)) return false;
    const int n = ws.Model.ElementCount > 0 ? ws.Model.ElementCount : 0;
    GraphData& graph = ws.Graph;
    graph.ProfileX.assign(static_cast<size_t>(n) + 1, 0.0f);
    graph.ProfilePairs.assign(static_cast<size_t>(n) + 1, ProfilePair{});
    for (int i = 1; i <= n; ++i) {
        double values[2];
        if (!ReadLineValues(lines, static_cast<size_t>(i - 1), 2, values, error)) return false;
        graph.ProfilePairs[static_cast<size_t>(i)][1] = static_cast<float>(values[0]);
        graph.ProfilePairs[static_cast<size_t>(i)][2] = static_cast<float>(values[1]);
        graph.ProfileX[static_cast<size_t>(i)] = static_cast<float>(i) * ws.Model.ElementWidth;
    }
    return true;
}

}  // namespace vesk
