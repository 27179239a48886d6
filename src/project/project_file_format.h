#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "project/project_records.h"

namespace vesk {

// The tag the writer puts on line 1, and the tags the reader accepts with the
// FileFormatVersion each gives.
inline constexpr const char* ProjectFileTag = "Vesk_103";
inline constexpr int16_t CurrentFileFormatVersion = 53;

inline constexpr const char* StartDescMarker = "##StartDesc##";
inline constexpr const char* EndDescMarker = "##EndDesc##";

// Everything a project file holds.
struct ProjectFileContents {
    int16_t FileFormatVersion = CurrentFileFormatVersion;
    int16_t UnitSystem = 0;
    std::string ProjectTitle;
    std::string ProjectDescription;  // lines joined by CR LF, none after the last
    ProjectRecords Records;
};

// Why a file could not be read or written: the error number and description
// of the program's error messages, and the line of the file (0 when none).
struct FileError {
    int Number = 0;
    std::string Description;
    int Line = 0;
};

// Error numbers used for project and settings files.
inline constexpr int ErrOverflow = 6;
inline constexpr int ErrSubscriptOutOfRange = 9;
inline constexpr int ErrTypeMismatch = 13;
inline constexpr int ErrFileNotFound = 53;
inline constexpr int ErrDeviceIO = 57;
inline constexpr int ErrDiskFull = 61;
inline constexpr int ErrInputPastEndOfFile = 62;
inline constexpr int ErrPermissionDenied = 70;
inline constexpr int ErrPathFileAccess = 75;
inline constexpr int ErrPathNotFound = 76;
inline constexpr int ErrInvalidPropertyValue = 380;

// Text of a "Vesk_103" file, lines ending in CR LF. The description is
// written in its normalised form; a NumberOfEntries of 0 is written as "0"
// and becomes 1 in `contents`; a count the arrays cannot hold (below 0 or
// above the maximum) is brought into 1..maximum first.
std::string FormatProjectFile(ProjectFileContents& contents);

enum class ProjectFileReadStatus { Ok, InvalidFileType, Malformed };

// Reads a project file of any accepted tag ("Vesk_100".."Vesk_103").
// `contents` comes in with the new-project values; the fields an older version
// lacks keep them. UnitSystem outside 0..1 becomes 0, NumberOfEntries 0
// becomes 1, UseCMRRFactors outside 0..1 and PillarConfiguration outside 0..3
// become 0. A file that ends early, holds a number that does not read, an
// entry count outside 1..6 (longwall) or 1..10 (retreat), a choice value
// outside its options or a misplaced section marker is Malformed, with
// `error` naming the line. On any status but Ok, `contents` is unspecified.
ProjectFileReadStatus ParseProjectFile(std::string_view text, ProjectFileContents& contents,
                                       FileError& error);

// The Integer line form: " 5 ", "-1 ".
std::string IntegerLine(int16_t value);

}  // namespace vesk
