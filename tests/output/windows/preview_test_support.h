#pragma once

#include "output/report_printer.h"
#include "output/report_printer_client.h"
#include "output/windows/report_file_dialogs.h"
#include "output/windows/standard_preview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace zel::test {

inline platform::TColor PageColor(int page) {
    return platform::MakeColor(static_cast<std::uint8_t>(40 * page), 0, 200);
}

inline QRgb Rgb(platform::TColor color) {
    return qRgb(platform::RedOf(color), platform::GreenOf(color), platform::BlueOf(color));
}

// A page's mark: a filled square in its colour at 10 mm from the corner,
// 20 mm wide, so a shown page can be told apart from the others.
inline void DrawPageMark(TQRPrinter& printer, int page) {
    platform::TCanvas& canvas = *printer.Canvas();
    canvas.SetBrush({PageColor(page), platform::TBrushStyle::Solid});
    canvas.FillRect({printer.XPos(100), printer.YPos(100), printer.XPos(300), printer.YPos(300)});
}

// BeginDoc and `pages` pages, each with its mark; EndDoc when `finish`.
inline void RunReport(TQRPrinter& printer, int pages, bool finish = true) {
    printer.BeginDoc();
    for (int page = 1; page <= pages; ++page) {
        printer.NewPage();
        DrawPageMark(printer, page);
    }
    if (finish)
        printer.EndDoc();
}

// Owns report printers like a report does, one per preview, and releases
// each when its preview closes.
class TFakeReport : public TQRPrinterMaster {
public:
    TQRPrinter& NewPrinter() {
        m_Printers.push_back(std::make_unique<TQRPrinter>());
        m_Printers.back()->SetMaster(this);
        return *m_Printers.back();
    }
    bool Owns(const TQRPrinter* printer) const {
        return std::any_of(m_Printers.begin(), m_Printers.end(),
                           [&](const auto& p) { return p.get() == printer; });
    }
    void PrintRequested() override { ++PrintRequests; }
    void PreviewClosed(TQRPrinter& closing) override {
        std::erase_if(m_Printers, [&](const auto& p) { return p.get() == &closing; });
    }

    int PrintRequests = 0;

private:
    std::vector<std::unique_ptr<TQRPrinter>> m_Printers;
};

// Answers the save and load dialogs while it lives, keeping what they
// were asked with: "save title, filter, extension".
class TFileDialogAnswer {
public:
    explicit TFileDialogAnswer(std::optional<std::string> answer) : m_Answer(std::move(answer)) {
        SetReportFileDialogHandler([this](const TReportFileDialog& dialog) {
            const bool save = dialog.Kind == TReportFileDialog::TKind::Save;
            Asked.push_back((save ? "save " : "open ") + dialog.Title + ", " + dialog.Filter +
                            ", " + dialog.DefaultExtension);
            return m_Answer;
        });
    }
    ~TFileDialogAnswer() { SetReportFileDialogHandler({}); }
    TFileDialogAnswer(const TFileDialogAnswer&) = delete;
    TFileDialogAnswer& operator=(const TFileDialogAnswer&) = delete;

    std::vector<std::string> Asked;

private:
    std::optional<std::string> m_Answer;
};

// The window the report printer's Preview opened; closed when this goes.
class TOpenPreview {
public:
    explicit TOpenPreview(TQRPrinter& printer) {
        printer.Preview();
        m_Window = dynamic_cast<TQRStandardPreview*>(printer.PreviewForm());
        EXPECT_NE(m_Window, nullptr);
    }
    ~TOpenPreview() {
        if (m_Window)
            m_Window->close();
        Flush();
    }
    TOpenPreview(const TOpenPreview&) = delete;
    TOpenPreview& operator=(const TOpenPreview&) = delete;

    TQRStandardPreview* operator->() const { return m_Window; }
    TQRStandardPreview* Window() const { return m_Window; }
    bool Open() const { return !m_Window.isNull(); }

    // Delivers posted notifications and the deletion of closed windows.
    static void Flush() {
        platform::ProcessPendingMessages();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QPointer<TQRStandardPreview> m_Window;
};

// A report's printer with the standard preview open on it.
struct TOpenPreviewTest : ::testing::Test {
    // Runs `pages` pages, ending the run when `finish`, and lets the preview see them.
    void Run(int pages, bool finish = true) {
        RunReport(printer, pages, finish);
        TOpenPreview::Flush();
    }

    TFakeReport report;
    TQRPrinter& printer = report.NewPrinter();
    TOpenPreview preview{printer};
};

} // namespace zel::test
