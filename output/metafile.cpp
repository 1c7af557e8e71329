#include "output/metafile.h"

#include "framework/format.h"
#include "framework/messages.h"

namespace zel {

TMetafile TMetafile::LoadFromBytes(std::string_view bytes) {
    auto page = platform::LoadRecordedPage(bytes);
    if (!page)
        throw EInvalidGraphic(Fmt(msg::kInvalidMetafile, {}));
    return TMetafile(std::move(*page));
}

TMetafileCanvas::TMetafileCanvas(TMetafile& metafile)
    : TRecordingCanvas(metafile.Width(), metafile.Height()), m_Metafile(metafile) {}

TMetafileCanvas::~TMetafileCanvas() {
    m_Metafile.m_Page = TakePage();
}

} // namespace zel
