#include "project/description_text.h"

#include <vector>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/project_records.h"
#include "project/workspace.h"

namespace vesk {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// Cuts a long line into pieces of at most 60 characters, preferring to cut
// after a blank at positions 60..40 (1-based); the blank stays at the end of
// its piece.
void WrapLine(std::string_view line, std::vector<std::string>& pieces) {
    std::string_view rest = line;
    while (rest.size() > DescriptionLineWidth) {
        size_t cut = DescriptionLineWidth;
        for (size_t pos = DescriptionLineWidth; pos >= DescriptionWrapSearchEnd; --pos) {
            if (rest[pos - 1] == ' ') {
                cut = pos;
                break;
            }
        }
        // A run of blanks can fill a whole piece; it would be a blank line.
        if (!TrimBlanks(rest.substr(0, cut)).empty()) pieces.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut);
    }
    pieces.emplace_back(rest);
}

}  // namespace

std::string NormalisedDescription(std::string_view description) {
    std::vector<std::string> pieces;
    for (std::string_view line : SplitLines(description)) {
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty()) continue;
        if (trimmed.size() > DescriptionLineWidth) {
            WrapLine(trimmed, pieces);
        } else {
            pieces.emplace_back(line);
        }
    }
    std::string result;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) result += CrLf;
        result += pieces[i];
    }
    return result;
}

void NormaliseProjectDescription(Workspace& ws) {
    ws.Header.ProjectDescription = NormalisedDescription(ws.Header.ProjectDescription);
}

void StoreProjectDescription(Workspace& ws, const std::string& title, const std::string& description,
                             int16_t unitSystem) {
    ws.Header.ProjectTitle = title;
    ws.Header.ProjectDescription = description;
    if (unitSystem != ws.Header.UnitSystem) {
        ws.Header.UnitSystem = unitSystem;
        SetNewProjectRecords(ws, unitSystem);
    }
    AddHistory(ws, "Project Description Modified");
    ws.State.ProjectSaved = ByteFalse;
    ws.State.NoData = ByteFalse;
    ws.State.UnitsLocked = ByteTrue;
}

}  // namespace vesk
