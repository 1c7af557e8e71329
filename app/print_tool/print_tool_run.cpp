#include "app/print_tool/print_tool_run.h"

#include "app/calibration_sheet.h"
#include "app/print_tool/examinee_list_file.h"
#include "app/print_tool/interrupt.h"
#include "app/print_tool/progress_line.h"
#include "app/print_tool/tool_failure.h"
#include "app/print_tool/tool_files.h"
#include "app/print_tool/tool_settings.h"
#include "app/settings.h"
#include "app/ticket_print_check.h"
#include "app/ticket_report.h"
#include "app/ticket_report_offsets.h"
#include "framework/exceptions.h"
#include "output/report_window_classes.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/printers.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <unistd.h>

namespace zel::app {
namespace {

std::string ReadList(const TPrintToolOptions& options, const TPrintToolStreams& streams) {
    if (options.ListFile == "-")
        return ReadStandardInput(streams.InputClosed);
    return ReadWholeFile(options.ListFile, options.ListFile, "一覧ファイルを読めません");
}

// The queue's index among the installed printers.
int QueueIndex(const std::string& queue) {
    const std::vector<std::string> names = platform::PrinterNames();
    if (queue == "-") {
        const int index = platform::DefaultPrinterIndex();
        if (index < 0)
            throw EToolFailure("プリンタがインストールされていません");
        return index;
    }
    const std::string wanted = cp932::FromUtf8(queue);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == wanted)
            return static_cast<int>(i);
    throw EToolFailure(queue + ": そのような名前のプリンタ (キュー) はありません");
}

// The job's title: as given, else the list's name without its folder and
// extension.
std::string JobTitle(const TPrintToolOptions& options) {
    if (options.Title)
        return cp932::FromUtf8(*options.Title);
    if (options.Calibration)
        return cp932::Sys("調整用シート");
    if (options.ListFile == "-")
        return cp932::Sys("受験票");
    std::string name = options.ListFile.substr(options.ListFile.find_last_of('/') + 1);
    if (const std::size_t dot = name.find_last_of('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return cp932::FromUtf8(name);
}

// A "?" on a row the list's decoding already named is not told twice.
void WarnAboutTickets(TTicketReport& report, const TExamineeRows& rows,
                      const std::vector<int>& namedRows, std::ostream& err) {
    std::vector<TPrintFinding> findings = CheckTicketReport(report, rows);
    std::erase_if(findings, [&namedRows](const TPrintFinding& finding) {
        return finding.Kind == TFindingKind::QuestionMark &&
               std::find(namedRows.begin(), namedRows.end(), finding.Row) != namedRows.end();
    });
    if (!findings.empty())
        err << "zelmark-print: 警告:\n" << cp932::ToUtf8(FindingsText(findings)) << '\n';
}

EToolFailure NoTickets() {
    return EToolFailure("一覧から受験票が 1 枚もできませんでした");
}

bool ToStandardOutput(const TPrintToolOptions& options) {
    return options.Output != TToolOutput::Printer && options.Target == "-";
}

// Refused before anything is read: a file that could not be made, or a
// PDF about to fill the terminal.
void CheckTarget(const TPrintToolOptions& options, const TPrintToolStreams& streams) {
    if (options.Output == TToolOutput::Printer)
        return;
    if (!ToStandardOutput(options)) {
        CheckOutputFile(options.Target);
        return;
    }
    if (streams.OutputIsTerminal)
        throw EToolFailure(
            "標準出力が端末です: ファイルかパイプに送ってください (例: --pdf - > 受験票.pdf)");
}

// A slip of the command line must not write the tickets over the list, or
// over the settings that hold the print offsets.
void RefuseAnInputAsTarget(const TPrintToolOptions& options) {
    if (options.Output == TToolOutput::Printer || ToStandardOutput(options))
        return;
    const std::string target = cp932::FromUtf8(options.Target);
    if (!options.ListFile.empty() && options.ListFile != "-" &&
        platform::IsSameFile(target, cp932::FromUtf8(options.ListFile)))
        throw EToolFailure(options.Target + ": 一覧ファイルと同じファイルには書き出せません");
    const std::string settings =
        options.SettingsFile.empty() ? SettingsPath() : cp932::FromUtf8(options.SettingsFile);
    if (platform::IsSameFile(target, settings))
        throw EToolFailure(options.Target + ": 設定ファイルと同じファイルには書き出せません");
}

EToolFailure NoPagesFrom(int first, int pageCount) {
    return EToolFailure("ページ " + std::to_string(first) + " からのページがありません (全 " +
                        std::to_string(pageCount) + " ページ)");
}

// The pages as the file `target` (cp932) in `folder` (UTF-8): a saved
// report, or the PDF of pages first ... last. A failed write says so when
// the disk is full.
void SaveFile(TQRPrinter& printer, const TPrintToolOptions& options, int first, int last,
              const std::string& target, const std::string& folder, TProgressLine& progress) {
    bool made = true;
    try {
        if (options.Output == TToolOutput::SavedReport) {
            printer.Save(target);
        } else {
            TProgressLine writing(progress.Stream(), progress.Shown(), "PDF");
            made = printer.SaveToPdf(target, first, last, [&](int) {
                writing.PageDone();
                StopIfInterrupted();
            });
            writing.Finish();
        }
    } catch (const Exception& failure) {
        const std::string cause = DiskFullCause(folder);
        throw EToolFailure(cp932::ToUtf8(failure.Message()) + (cause.empty() ? "" : ": " + cause));
    }
    if (!made)
        throw NoPagesFrom(first, printer.PageCount());
}

// The file is made in the temporary folder, where its name shows only for
// the moment it takes to open it, and then goes to standard output.
void WriteToStandardOutput(TQRPrinter& printer, const TPrintToolOptions& options, int first,
                           int last, TProgressLine& progress) {
    const std::string folder = platform::TempDirectory();
    const std::string temp = folder + "zelmark-print-" + std::to_string(::getpid()) +
                             (options.Output == TToolOutput::Pdf ? ".pdf" : ".QRP");
    const std::string native = cp932::ToUtf8(temp);
    struct TRemoved {
        const std::string& path;
        ~TRemoved() {
            KeepOnAbruptEnd();
            ::unlink(path.c_str());
        }
    } removed{native};
    RemoveOnAbruptEnd(native);
    SaveFile(printer, options, first, last, temp, cp932::ToUtf8(folder), progress);
    StopIfInterrupted();
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        throw EToolFailure(native + ": 読めません: " + CauseOf(errno));
    ::unlink(native.c_str());
    KeepOnAbruptEnd();
    const auto fail = [fd](const char* what) {
        const int error = errno;
        ::close(fd);
        StopIfInterrupted();
        throw EToolFailure(std::string(what) + CauseOf(error));
    };
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got == 0)
            break;
        if (got < 0)
            fail("一時ファイルを読めません: ");
        for (ssize_t done = 0; done < got;) {
            const ssize_t put =
                ::write(STDOUT_FILENO, block + done, static_cast<std::size_t>(got - done));
            if (put < 0)
                fail("標準出力に書き込めません: ");
            done += put;
        }
    }
    ::close(fd);
}

void WriteOutput(TTicketReport& report, const TPrintToolOptions& options, TProgressLine& progress) {
    // A calibration sheet is the first page alone.
    const int first = options.Calibration ? 1 : options.FromPage;
    const int last = options.Calibration ? 1 : options.ToPage;
    int pagesMade = 0;
    report.OnEndPage = [&report, &progress, &pagesMade,
                        previous = report.OnEndPage](TCustomPagettaRep& sender) {
        if (previous)
            previous(sender);
        ++pagesMade;
        progress.PageDone();
        // A print job cancelled this way is discarded, not printed in part.
        if (InterruptSignal() != 0)
            report.Cancel();
    };
    if (options.Output == TToolOutput::Printer) {
        report.PrinterSettings().SetPrinterIndex(QueueIndex(options.Target));
        report.PrinterSettings().SetFirstPage(first);
        report.PrinterSettings().SetLastPage(last);
        // A queue without the tickets' paper: no one is there to ask, so
        // the job goes only when the command line said it may.
        std::optional<std::string> paperRefused;
        SetQRGoOnQuestion([&](const std::string& warning) {
            if (options.AnyPaper) {
                progress.Stream() << "zelmark-print: 警告: " << cp932::ToUtf8(warning) << '\n';
                return true;
            }
            paperRefused = cp932::ToUtf8(warning);
            return false;
        });
        struct TForgetQuestion {
            ~TForgetQuestion() { SetQRGoOnQuestion({}); }
        } forget;
        report.Print();
        progress.Finish();
        StopIfInterrupted();
        if (paperRefused)
            throw EToolFailure(*paperRefused + " (--any-paper で、このまま印刷します)");
        // A range past the last page starts no job: nothing was printed.
        if (pagesMade == 0)
            throw NoTickets();
        if (first > pagesMade)
            throw NoPagesFrom(first, pagesMade);
        return;
    }
    // Files are made from the pages a preview would show, on the report's
    // own paper: whatever printers the machine has play no part in them.
    report.OnPreview = [](TQRPrinter& printer) { printer.PrinterSettings().SetDevice(nullptr); };
    report.Preview();
    progress.Finish();
    StopIfInterrupted();
    TQRPrinter* printer = report.QRPrinter();
    if (!printer || printer->PageCount() == 0)
        throw NoTickets();
    if (ToStandardOutput(options)) {
        WriteToStandardOutput(*printer, options, first, last, progress);
        return;
    }
    const std::string target = cp932::FromUtf8(options.Target);
    const std::size_t slash = options.Target.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? "." : options.Target.substr(0, slash + 1);
    SaveFile(*printer, options, first, last, target, folder, progress);
    // A stop that comes while the file is finished and put in place (the
    // last and longest part of a PDF) is seen only after it: the file goes.
    if (InterruptSignal() != 0) {
        platform::DeleteFile(target);
        StopIfInterrupted();
    }
}

} // namespace

int RunPrintTool(const TPrintToolOptions& options, const TPrintToolStreams& streams) {
    try {
        RefuseAnInputAsTarget(options);
        CheckTarget(options, streams);
        const TToolSettings settings = ReadToolSettings(options.SettingsFile);
        // A ticket with the placeholder name or without its year is a wrong
        // ticket: the sheet of samples alone may go without.
        const std::optional<std::string> school =
            options.School ? cp932::FromUtf8(*options.School) : settings.SchoolName;
        const std::optional<std::string> year =
            options.Year ? cp932::FromUtf8(*options.Year) : settings.Year;
        if (!options.Calibration && (!school || !year)) {
            const std::string missing = !school && !year ? "塾名 (--school) と年度 (--year)"
                                        : !school        ? "塾名 (--school)"
                                                         : "年度 (--year)";
            throw EToolFailure(missing + " がありません: " + WhereLooked(settings, !school, !year));
        }
        TCalibrationExaminees samples;
        std::optional<TExamineeTable> table;
        std::vector<int> namedRows;
        if (!options.Calibration) {
            const std::string name =
                options.ListFile == "-" ? std::string("標準入力") : options.ListFile;
            TDecodedList list =
                DecodeExamineeList(ReadList(options, streams), options.Encoding, name);
            table.emplace(ReadExamineeTable(list.Text, options.KeepFirstLine, name, list.Warnings));
            for (const std::string& warning : list.Warnings)
                streams.Err << "zelmark-print: 警告: " << warning << '\n';
            namedRows = list.UnheldRows;
            if (table->RowCount() <= 1)
                throw EToolFailure(name + ": 一覧に受験者がいません");
        }

        if (const std::string warning = MissingOffsetsWarning(settings); !warning.empty())
            streams.Err << "zelmark-print: 警告: " << warning << '\n';
        const TExamineeRows& rows = table ? static_cast<const TExamineeRows&>(*table) : samples;
        TTicketReport report(rows);
        report.SetReportTitle(JobTitle(options));
        report.SchoolNameLabel->SetCaption(school.value_or(DefaultSchoolName()));
        // The sheet shows every box with a text in it.
        report.YearLabel->SetCaption(year.value_or("8"));
        report.TermLabel->SetCaption(
            cp932::FromUtf8(options.Calibration && options.Term.empty() ? "夏期" : options.Term));
        PutPrintOffsets(settings.Offsets, report, report.Page());
        std::optional<TCalibrationMarks> marks;
        if (options.Calibration) {
            marks.emplace(report, settings.Offsets);
            samples.SetCount(marks->SheetTickets());
        } else {
            WarnAboutTickets(report, rows, namedRows, streams.Err);
        }

        TProgressLine progress(streams.Err, streams.ShowProgress && !options.Quiet, "受験票");
        WriteOutput(report, options, progress);
        return 0;
    } catch (const EToolFailure& failure) {
        streams.Err << "zelmark-print: " << failure.what() << '\n';
    } catch (const Exception& failure) {
        streams.Err << "zelmark-print: " << cp932::ToUtf8(failure.Message()) << '\n';
    }
    return 1;
}

} // namespace zel::app
