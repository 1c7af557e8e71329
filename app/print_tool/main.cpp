// zelmark-print: the tickets of a list file, without a window. Needs no
// display: the offscreen platform is chosen unless another one is set.

#include "app/print_tool/interrupt.h"
#include "app/print_tool/print_tool_options.h"
#include "app/print_tool/print_tool_run.h"
#include "platform/qt/font_faces.h"

#include <QGuiApplication>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

// Qt's notes on a run without a desktop session (no runtime folder, no
// display) are noise on a tool's error stream; its other messages stay.
void QuietNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:"))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
}

} // namespace

int main(int argc, char** argv) {
    // A closed standard input is told apart now, and its number held by
    // /dev/null, before any file the tool opens could take it.
    const bool inputClosed = fcntl(STDIN_FILENO, F_GETFD) == -1;
    if (inputClosed)
        open("/dev/null", O_RDONLY);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args.front() == "--version") {
        std::cout << "zelmark-print " ZELMARK_VERSION "\n";
        return 0;
    }
    const zel::app::TParsedCommandLine parsed = zel::app::ParsePrintToolCommandLine(args);
    if (parsed.Help) {
        std::cout << zel::app::PrintToolHelp();
        return 0;
    }
    if (!parsed.Options) {
        std::cerr << "zelmark-print: " << parsed.Error << '\n' << zel::app::PrintToolUsage();
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietNotes);
    // Text is measured with the fonts, which need the application object.
    QGuiApplication application(argc, argv);
    zel::platform::InstallFontFaceSubstitutions();
    zel::app::CatchInterrupts();
    const int exitCode =
        zel::app::RunPrintTool(*parsed.Options, {.InputClosed = inputClosed,
                                                 .OutputIsTerminal = isatty(STDOUT_FILENO) == 1,
                                                 .Err = std::cerr,
                                                 .ShowProgress = isatty(STDERR_FILENO) == 1});
    if (zel::app::InterruptSignal() != 0)
        zel::app::EndByInterruptSignal();
    return exitCode;
}
