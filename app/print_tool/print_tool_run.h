#pragma once
// One run of zelmark-print: settings, list, report, output. Every failure
// ends in one line on the error stream and leaves no output file behind.

#include "app/print_tool/print_tool_options.h"

#include <iosfwd>

namespace zel::app {

struct TPrintToolStreams {
    bool InputClosed;      // standard input was closed when the tool started
    bool OutputIsTerminal; // a file for "-" would go to the terminal
    std::ostream& Err;     // failures, warnings and progress, UTF-8
    bool ShowProgress;     // the error stream is a terminal
};

// The exit code: 0 done, 1 failure.
int RunPrintTool(const TPrintToolOptions& options, const TPrintToolStreams& streams);

} // namespace zel::app
