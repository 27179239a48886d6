#include "solver_fixture.h"

#include <charconv>
#include <sstream>

namespace veskjirn::test {

namespace {

std::string Number(double v) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << v;
    return text.str();
}

}  // namespace

int CriticalElementOf(const ModelSpec& layout) {
    return layout.margin - 5;
}

std::string ModelText(const ModelSpec& layout) {
    const int n = 2 * layout.margin + layout.gob;
    const int crosscut = 10, pillar = 40;
    std::string previous(static_cast<std::size_t>(n), 'J');
    for (int i = layout.margin + 1; i <= n - layout.margin; ++i) previous[static_cast<std::size_t>(i - 1)] = 'S';
    previous[static_cast<std::size_t>(layout.margin)] = '1';
    previous[static_cast<std::size_t>(n - layout.margin - 1)] = '1';
    const int anchor = CriticalElementOf(layout);
    std::string active(static_cast<std::size_t>(n), 'A');
    for (int i = anchor + 1; i <= n; i += crosscut + pillar) {
        for (int k = 0; k < crosscut && i + k <= n; ++k) active[static_cast<std::size_t>(i + k - 1)] = '1';
    }
    for (int i = anchor - pillar; i >= 1; i -= crosscut + pillar) {
        for (int k = 0; k < crosscut && i - k >= 1; ++k) active[static_cast<std::size_t>(i - k - 1)] = '1';
    }
    std::string control = std::to_string(layout.unitsCode) + "," + Number(layout.extraction) + ",0," +
                          Number(layout.width) + "," + std::to_string(n) + "," + Number(layout.depth1) + "," +
                          Number(layout.depth2) + "," + Number(layout.height1) + "," + Number(layout.height2) +
                          "," + std::to_string(anchor) + ",1";
    return InputText(control, active, previous);
}

std::string InputText(const std::string& controlLine, const std::string& seam1, const std::string& seam2) {
    return controlLine + "\n" + seam1 + "\n" + seam2 + "\n\n";
}

int32_t RunText(const vesk::test::TempDir& folder, const std::string& name, const std::string& text,
                bool literalKernels) {
    const std::string path = folder.file(name);
    vesk::test::WriteTextFile(path, text);
    RunOptions options;
    options.literalKernels = literalKernels;
    return RunModel(path.c_str(), options);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<double> ParseNumbers(const std::string& line) {
    std::vector<double> values;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == ',')) ++pos;
        if (pos >= line.size()) break;
        double v = 0;
        auto result = std::from_chars(line.data() + pos, line.data() + line.size(), v);
        if (result.ec != std::errc()) break;
        values.push_back(v);
        pos = static_cast<std::size_t>(result.ptr - line.data());
    }
    return values;
}

std::vector<double> DatColumn(const std::string& datText, int n, int s, int column) {
    std::vector<std::string> lines = SplitLines(datText);
    std::vector<double> values;
    const std::size_t first = s == 1 ? 32 : 32 + static_cast<std::size_t>(n) + 1;
    for (std::size_t k = first; k < first + static_cast<std::size_t>(n) && k < lines.size(); ++k) {
        std::vector<double> row = ParseNumbers(lines[k]);
        values.push_back(row.size() > static_cast<std::size_t>(column) ? row[static_cast<std::size_t>(column)]
                                                                       : 0.0);
    }
    return values;
}

}  // namespace veskjirn::test
