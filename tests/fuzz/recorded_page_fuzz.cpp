// A recorded page decoded and played back. What loads must write the same
// bytes again, since a page is only ever written by the recorder.

#include "output/metafile.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/page_playback_check.h"

#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    zel::fuzz::StartGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto length = zel::platform::RecordedPageLength(bytes);
    try {
        const zel::TMetafile page = zel::TMetafile::LoadFromBytes(bytes);
        FUZZ_CHECK(page.SaveToBytes() == bytes, "a loaded page writes other bytes");
        FUZZ_CHECK(length == size, "a loaded page's header gives another length");
        zel::fuzz::PlayOntoImage(page.Page());
    } catch (const zel::EInvalidGraphic&) {
    }
    return 0;
}
