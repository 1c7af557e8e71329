#pragma once
// A recorded page: the list of canvas calls that drew one page, with the
// page's width and height in screen pixels. The report records each page
// into one, the page store keeps its bytes, and the preview and the printer
// play it back stretched into any rectangle.

#include "platform/canvas_types.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zel::platform {

class TRecordedPage;

// One record per canvas call.
struct TPenRecord {
    TPenSpec Pen;
    bool operator==(const TPenRecord&) const = default;
};
struct TBrushRecord {
    TBrushSpec Brush;
    bool operator==(const TBrushRecord&) const = default;
};
struct TFontRecord {
    TFontSpec Font; // Size is 0: the height is in the page's pixels
    bool operator==(const TFontRecord&) const = default;
};
struct TBkModeRecord {
    TBkMode Mode = TBkMode::Opaque;
    bool operator==(const TBkModeRecord&) const = default;
};
struct TBkColorRecord {
    TColor Color = kWhite;
    bool operator==(const TBkColorRecord&) const = default;
};
struct TTextAlignRecord {
    TTextAlign Align = TTextAlign::Left;
    bool operator==(const TTextAlignRecord&) const = default;
};
struct TMoveToRecord {
    TPoint To;
    bool operator==(const TMoveToRecord&) const = default;
};
struct TLineToRecord {
    TPoint To;
    bool operator==(const TLineToRecord&) const = default;
};
struct TRectangleRecord {
    TRect Rect;
    bool operator==(const TRectangleRecord&) const = default;
};
struct TFillRectRecord {
    TRect Rect;
    bool operator==(const TFillRectRecord&) const = default;
};
struct TTextOutRecord {
    TPoint At;
    std::string Text; // code page 932
    bool operator==(const TTextOutRecord&) const = default;
};
struct TClipRectRecord {
    TRect Rect;
    bool operator==(const TClipRectRecord&) const = default;
};
struct TClearClipRecord {
    bool operator==(const TClearClipRecord&) const = default;
};
struct TEllipseRecord {
    TRect Rect;
    bool operator==(const TEllipseRecord&) const = default;
};
struct TPlayPageRecord {
    TRect Target;
    std::shared_ptr<const TRecordedPage> Page;
    bool operator==(const TPlayPageRecord& other) const;
};

using TPageRecord = std::variant<TPenRecord, TBrushRecord, TFontRecord, TBkModeRecord,
                                 TBkColorRecord, TTextAlignRecord, TMoveToRecord, TLineToRecord,
                                 TRectangleRecord, TFillRectRecord, TTextOutRecord, TClipRectRecord,
                                 TClearClipRecord, TPlayPageRecord, TEllipseRecord>;

// Limits a page must keep to be stored and loaded. Coordinates beyond
// kMaxCoordinate are clamped when recorded; a page never nests deeper than
// kMaxPageNesting.
inline constexpr int kMaxCoordinate = 1 << 24;
// The widest pen a page holds: drawing surfaces take no wider one. Wider
// pens are clamped when recorded.
inline constexpr int kMaxPenWidth = (1 << 15) - 1;
inline constexpr int kMaxPageExtent = 1 << 20;
inline constexpr int kMaxPageNesting = 4;
inline constexpr std::size_t kMaxPageBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxFaceNameBytes = 255;
inline constexpr std::size_t kRecordedPageHeaderSize = 24;

class TRecordedPage {
public:
    TRecordedPage() = default;
    TRecordedPage(int width, int height);

    // Page size in screen pixels.
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    const std::vector<TPageRecord>& Records() const { return m_Records; }
    void Add(TPageRecord record) { m_Records.push_back(std::move(record)); }

    // The page's bytes: little-endian, versioned, every list and text
    // length-prefixed; the header gives the whole length.
    std::string Serialize() const;

    bool operator==(const TRecordedPage&) const = default;

private:
    int m_Width = 0;
    int m_Height = 0;
    std::vector<TPageRecord> m_Records;
};

// The whole length of the page whose header starts `header` (at least
// kRecordedPageHeaderSize bytes), for readers of a stream; nothing when the
// header is not a page's.
std::optional<std::size_t> RecordedPageLength(std::string_view header);

// Loads a page from exactly its bytes; nothing when they are not a valid
// page, whatever they hold.
std::optional<TRecordedPage> LoadRecordedPage(std::string_view bytes);

} // namespace zel::platform
