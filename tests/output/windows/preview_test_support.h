#pragma once
// Helpers for the report windows' tests: a report printer driven the way a
// report drives it, and a stand-in for the report that owns its printers
// and releases the one whose preview closes.

#include "output/report_printer.h"
#include "output/report_printer_client.h"
#include "output/windows/report_file_dialogs.h"

#include <QDir>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

namespace zel::test {

// When ZELMARK_SCREENSHOTS names a folder, windows looked at by a test are
// saved there too.
inline void KeepScreenshot(QWidget& widget, const char* name) {
    const QString folder = qEnvironmentVariable("ZELMARK_SCREENSHOTS");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(QString::fromUtf8(name)));
}

// A page's mark: a filled square in its colour at 10 mm from the corner,
// 20 mm wide, so a shown page can be told apart from the others.
inline void DrawPageMark(TQRPrinter& printer, platform::TColor color) {
    platform::TCanvas& canvas = *printer.Canvas();
    canvas.SetBrush({color, platform::TBrushStyle::Solid});
    canvas.FillRect({printer.XPos(100), printer.YPos(100), printer.XPos(300), printer.YPos(300)});
}

inline platform::TColor PageColor(int page) {
    return platform::MakeColor(static_cast<std::uint8_t>(40 * page), 0, 200);
}

// BeginDoc and `pages` pages, each with its mark; EndDoc when `finish`.
inline void RunReport(TQRPrinter& printer, int pages, bool finish = true) {
    printer.BeginDoc();
    for (int page = 1; page <= pages; ++page) {
        printer.NewPage();
        DrawPageMark(printer, PageColor(page));
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
// were asked with.
class TFileDialogAnswer {
public:
    explicit TFileDialogAnswer(std::optional<std::string> answer) : m_Answer(std::move(answer)) {
        SetReportFileDialogHandler([this](const TReportFileDialog& dialog) {
            Asked.push_back(dialog);
            if (OnAsked)
                OnAsked();
            return m_Answer;
        });
    }
    ~TFileDialogAnswer() { SetReportFileDialogHandler({}); }
    TFileDialogAnswer(const TFileDialogAnswer&) = delete;
    TFileDialogAnswer& operator=(const TFileDialogAnswer&) = delete;

    std::vector<TReportFileDialog> Asked;
    std::function<void()> OnAsked;

private:
    std::optional<std::string> m_Answer;
};

} // namespace zel::test
