#pragma once
// What zelmark-print takes from the settings file: the school name and
// year the main window would show, and the print offsets. The window
// forgives a damaged file; a batch run must not print a term's tickets at
// offsets it guessed, so here a value that is not a number is a failure.

#include "app/ticket_report_offsets.h"

#include <string>

namespace zel::app {

struct TToolSettings {
    std::string SchoolName; // code page 932
    std::string Year;
    TPrintOffsets Offsets;
};

// `path` is UTF-8; empty is zel.ini in the current folder, whose absence
// gives the main window's defaults. A named file that is missing or cannot
// be read, or an offset that is not a number, raises EToolFailure.
TToolSettings ReadToolSettings(const std::string& path);

} // namespace zel::app
