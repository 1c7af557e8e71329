#pragma once
// A recorded page as the report output handles it: drawn through a
// TMetafileCanvas, kept as bytes in the page store, and loaded back with a
// check that raises the system's error for bytes that are not a page.

#include "framework/exceptions.h"
#include "platform/recorded_page.h"
#include "platform/recording_canvas.h"

#include <string>
#include <string_view>

namespace zel {

// A picture whose bytes cannot be read.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

class TMetafile {
public:
    TMetafile() = default;
    // An empty page of width x height screen pixels.
    TMetafile(int width, int height) : m_Page(width, height) {}

    int Width() const { return m_Page.Width(); }
    int Height() const { return m_Page.Height(); }
    const platform::TRecordedPage& Page() const { return m_Page; }

    std::string SaveToBytes() const { return m_Page.Serialize(); }
    // Exactly one page's bytes; anything else raises EInvalidGraphic with
    // "メタファイルが不正です".
    static TMetafile LoadFromBytes(std::string_view bytes);

    // Stretched into the rectangle of the canvas.
    void Draw(platform::TCanvas& canvas, const platform::TRect& rect) const {
        canvas.PlayPage(m_Page, rect);
    }

private:
    friend class TMetafileCanvas;
    explicit TMetafile(platform::TRecordedPage page) : m_Page(std::move(page)) {}

    platform::TRecordedPage m_Page;
};

// Records onto a metafile, with the screen as reference device; the
// metafile holds the drawing once the canvas is released.
class TMetafileCanvas : public platform::TRecordingCanvas {
public:
    explicit TMetafileCanvas(TMetafile& metafile);
    ~TMetafileCanvas() override;
    TMetafileCanvas(const TMetafileCanvas&) = delete;
    TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

private:
    TMetafile& m_Metafile;
};

} // namespace zel
