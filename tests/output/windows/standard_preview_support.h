#pragma once
// Opening the standard preview the way a report does, and closing it again
// at the end of a test.

#include "output/windows/standard_preview.h"
#include "tests/output/windows/preview_test_support.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <gtest/gtest.h>

namespace zel::test {

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
    // Runs `pages` pages, ending the run when `finish`, and lets the
    // preview see them.
    void Run(int pages, bool finish = true) {
        RunReport(printer, pages, finish);
        TOpenPreview::Flush();
    }

    TFakeReport report;
    TQRPrinter& printer = report.NewPrinter();
    TOpenPreview preview{printer};
};

} // namespace zel::test
