#include "tests/fuzz/page_playback_check.h"

#include "platform/qt/painter_canvas.h"
#include "tests/fuzz/fuzz_check.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

namespace zel::fuzz {
namespace {

bool g_Playing = false;

void FailOnWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (g_Playing && type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "Qt: %s\n", message.toLocal8Bit().constData());
        FUZZ_CHECK(false, "Qt warned while playing a page");
    }
}

} // namespace

void StartGuiApplication(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run; the targets never return to main.
    static QGuiApplication* application = new QGuiApplication(*argc, *argv);
    (void)application;
    qInstallMessageHandler(FailOnWarnings);
}

void PlayOntoImage(const platform::TRecordedPage& page) {
    static QImage image(48, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    platform::TPainterCanvas canvas(painter, 96);
    g_Playing = true;
    canvas.PlayPage(page, {0, 0, image.width(), image.height()});
    g_Playing = false;
}

} // namespace zel::fuzz
