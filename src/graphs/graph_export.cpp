#include "graphs/graph_export.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/text_format.h"

namespace vesk {
namespace {

size_t LongestSeries(const std::vector<PlottedSeries>& series) {
    size_t rows = 0;
    for (const PlottedSeries& s : series) rows = std::max(rows, s.Points.size());
    return rows;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

bool RenameInto(const std::string& temporary, const std::string& path, std::string& error) {
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        error = "Cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

std::string ExportedMessage(size_t curveCount) { return "Exported " + std::to_string(curveCount) + " Curves"; }

bool ExportGraphCsv(const std::vector<PlottedSeries>& series, const std::string& path, std::string& error) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "Cannot write " + path;
            return false;
        }
        for (size_t i = 0; i < series.size(); ++i) {
            out << (i ? "," : "") << "X-coord," << CsvField(series[i].Name);
        }
        out << "\r\n";
        const size_t rows = LongestSeries(series);
        for (size_t j = 0; j < rows; ++j) {
            for (size_t i = 0; i < series.size(); ++i) {
                if (i) out << ',';
                if (j < series[i].Points.size()) {
                    out << FormatGeneral(series[i].Points[j].first) << ','
                        << FormatGeneral(series[i].Points[j].second);
                } else {
                    out << ',';
                }
            }
            out << "\r\n";
        }
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temporary, ec);
            error = "Cannot write " + path;
            return false;
        }
    }
    return RenameInto(temporary, path, error);
}

bool ExportGraphXlsx(const std::vector<PlottedSeries>& series, const std::string& path, std::string& error) {
    const std::string temporary = path + ".tmp.xlsx";
    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook) {
        error = "Cannot write " + path;
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Graph");
    for (size_t i = 0; i < series.size(); ++i) {
        const auto xColumn = static_cast<lxw_col_t>(2 * i);
        worksheet_write_string(sheet, 0, xColumn, "X-coord", nullptr);
        worksheet_write_string(sheet, 0, xColumn + 1, series[i].Name.c_str(), nullptr);
        for (size_t j = 0; j < series[i].Points.size(); ++j) {
            // The cell takes the float's shortest decimal value, so 1.3f shows
            // as 1.3 and not 1.29999995231628.
            double x = 0, y = 0;
            ParseNumber(FormatGeneral(series[i].Points[j].first), x);
            ParseNumber(FormatGeneral(series[i].Points[j].second), y);
            worksheet_write_number(sheet, static_cast<lxw_row_t>(j + 1), xColumn, x, nullptr);
            worksheet_write_number(sheet, static_cast<lxw_row_t>(j + 1), xColumn + 1, y, nullptr);
        }
    }
    if (workbook_close(workbook) != LXW_NO_ERROR) {
        std::error_code ec;
        std::filesystem::remove(temporary, ec);
        error = "Cannot write " + path;
        return false;
    }
    return RenameInto(temporary, path, error);
}

}  // namespace vesk
