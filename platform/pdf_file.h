#pragma once
// A PDF document of pages drawn on a canvas. Text stays text, with its
// fonts embedded as subsets. The pages go to a temporary file beside the
// target, which takes the target's name only when Finish succeeds, so a
// failed or abandoned document never leaves a partial file behind.

#include "platform/canvas.h"
#include "platform/printers.h"

#include <memory>
#include <string>
#include <string_view>

namespace zel::platform {

class TPdfFile {
public:
    // `path` and `title` are code page 932; `paper` is the page's width and
    // length as it lies, in millimetres.
    TPdfFile(std::string_view path, TPaperMillimetres paper, std::string_view title);
    ~TPdfFile();
    TPdfFile(const TPdfFile&) = delete;
    TPdfFile& operator=(const TPdfFile&) = delete;

    // Opens the temporary file and starts the first page; false when the
    // folder cannot be written.
    bool Begin();
    // The page being drawn, origin at the paper's top-left corner; only
    // between Begin and Finish.
    TCanvas* Canvas();
    // The whole paper in the canvas's pixels.
    TSize PageSize() const;
    bool NewPage();
    // Ends the document and puts it in place; false when anything failed,
    // and then nothing is left at the target that was not there before.
    bool Finish();
    // Drops the document; the target stays as it was.
    void Abort();

private:
    struct Impl;
    std::unique_ptr<Impl> m_Impl;
};

} // namespace zel::platform
