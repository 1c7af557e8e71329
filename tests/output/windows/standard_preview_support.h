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

} // namespace zel::test
