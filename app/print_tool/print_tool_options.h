#pragma once
// The command line of zelmark-print: what to print from, with which
// captions and offsets, and where the tickets go. Plain parsing, no I/O.

#include <optional>
#include <string>
#include <vector>

namespace zel::app {

enum class TListEncoding { Detect, Utf8, Cp932 };
enum class TToolOutput { Pdf, Printer, SavedReport };

struct TPrintToolOptions {
    std::string ListFile; // "-" is standard input; empty only for a calibration sheet
    TListEncoding Encoding = TListEncoding::Detect;
    // UTF-8 as given; nothing means the settings file's value.
    std::optional<std::string> School;
    std::optional<std::string> Year;
    std::string Term; // UTF-8; 夏期, 秋期 or 冬期
    // The job's and the PDF's title, UTF-8; nothing: the list's name.
    std::optional<std::string> Title;
    std::string SettingsFile; // empty: zel.ini in the current folder, if there is one
    TToolOutput Output = TToolOutput::Pdf;
    std::string Target; // the file, or the queue ("-" for the default printer)
    int FromPage = 0;   // 0 is no bound
    int ToPage = 0;
    bool Quiet = false;
    bool Calibration = false;
    // A first line that reads as the sheet's header is an examinee too.
    bool KeepFirstLine = false;
    // A queue without JIS B5 (nor custom sizes) prints on its own paper.
    bool AnyPaper = false;
};

struct TParsedCommandLine {
    bool Help = false; // --help: print the help and succeed
    std::optional<TPrintToolOptions> Options;
    std::string Error; // UTF-8, when neither of the above
};

// `args` without the program name.
TParsedCommandLine ParsePrintToolCommandLine(const std::vector<std::string>& args);

// The short text shown after a usage error, and the full --help, UTF-8.
const char* PrintToolUsage();
const char* PrintToolHelp();

} // namespace zel::app
