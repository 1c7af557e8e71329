#include "output/metafile.h"
#include "tests/support/error_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace zel {
namespace {

TEST(Metafile, ReleasingTheCanvasCompletesThePageAndOtherBytesAreRefused) {
    TMetafile metafile(688, 972);
    {
        TMetafileCanvas canvas(metafile);
        EXPECT_EQ(canvas.PixelsPerInch(), 96);
        canvas.SetBrush({platform::kBlack, platform::TBrushStyle::Solid});
        canvas.FillRect({1, 2, 3, 4});
        EXPECT_TRUE(metafile.Page().Records().empty());
    }
    ASSERT_EQ(metafile.Page().Records().size(), 2u);
    const TMetafile loaded = TMetafile::LoadFromBytes(metafile.SaveToBytes());
    EXPECT_EQ(std::tuple(loaded.Width(), loaded.Height(), loaded.Page()),
              std::tuple(688, 972, metafile.Page()));
    for (const std::string& bytes :
         {std::string(), std::string(24, '\xFF'), std::string("ZMRP") + std::string(100, '\0')}) {
        EXPECT_EQ(test::ErrorOf<EInvalidGraphic>([&] { TMetafile::LoadFromBytes(bytes); }),
                  "メタファイルが不正です")
            << bytes.size() << " bytes";
    }
}

} // namespace
} // namespace zel
