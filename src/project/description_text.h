#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

struct Workspace;

// Longest description line the file keeps; longer lines are wrapped at a blank
// found between positions 60 and 40, else cut after position 60.
inline constexpr size_t DescriptionLineWidth = 60;
inline constexpr size_t DescriptionWrapSearchEnd = 40;

// The project description as it is saved and printed: blank lines dropped,
// lines longer than 60 characters (after trimming) wrapped, pieces joined by
// CR LF with no CR LF after the last one. Any line break (CR LF, CR, LF) in
// the input separates lines.
std::string NormalisedDescription(std::string_view description);

// Replaces ws.Header.ProjectDescription by its normalised form.
void NormaliseProjectDescription(Workspace& ws);

// OK (or "Next Form") of the description dialog: stores title and
// description; a changed unit system resets every parameter record to the
// new-project values of the new system. Marks the project modified.
void StoreProjectDescription(Workspace& ws, const std::string& title, const std::string& description,
                             int16_t unitSystem);

}  // namespace vesk
