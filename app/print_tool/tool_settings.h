#pragma once
// What zelmark-print takes from the settings file: the school name and
// year the main window would show, and the print offsets. The window
// forgives a damaged or missing file; a batch run must not print a term's
// tickets with a placeholder name or at offsets it guessed, so here a file
// that is not a settings file, or a value that is not a number, is a
// failure, and what the file lacks is said.

#include "app/ticket_report_offsets.h"

#include <optional>
#include <string>
#include <vector>

namespace zel::app {

struct TToolSettings {
    std::string Shown;  // the file as messages name it, UTF-8
    bool Found = false; // there was a settings file to read
    // Code page 932; nothing when the file holds no such key (or is absent).
    std::optional<std::string> SchoolName;
    std::optional<std::string> Year;
    TPrintOffsets Offsets;
    std::vector<std::string> MissingOffsets; // keys of [margin] not in the file
};

// `path` is UTF-8; empty is zel.ini in the current folder, which may be
// absent. A named file that is missing, a file that cannot be read or is
// not a settings file (UTF-16, binary, no "key=value" at all), or an offset
// that is not a number, raises EToolFailure naming the file and the cause.
TToolSettings ReadToolSettings(const std::string& path);

// The warning for offsets that came from nowhere, UTF-8; empty when the
// file holds all four.
std::string MissingOffsetsWarning(const TToolSettings& settings);

// Where the school name or year was looked for, for the failure that
// names what is missing: "<file> がありません" or "<file> の [basic] に … がありません".
std::string WhereLooked(const TToolSettings& settings, bool schoolMissing, bool yearMissing);

} // namespace zel::app
