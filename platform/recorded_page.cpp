#include "platform/recorded_page.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

// Byte layout, all integers little-endian:
//   header (24 bytes): "ZMRP", u16 version 1, u16 header size 24,
//     u32 whole length, i32 width, i32 height, u32 record count;
//   then each record: u8 kind, u32 payload length, payload.
// Payloads per kind (see Kind below): colours u32 0x00BBGGRR, coordinates
// and widths i32, styles and modes u8; a font is colour, height, style,
// charset, u8 name length and the name; a text is x, y, u32 length and the
// bytes; a played page is its target rectangle and the page's own bytes.

namespace zel::platform {
namespace {

constexpr char kMagic[4] = {'Z', 'M', 'R', 'P'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kRecordHeaderSize = 5;
constexpr int kMaxFontHeight = 4096;

enum class Kind : std::uint8_t {
    Pen = 1,
    Brush,
    Font,
    BkMode,
    BkColor,
    TextAlign,
    MoveTo,
    LineTo,
    Rectangle,
    FillRect,
    TextOut,
    ClipRect,
    ClearClip,
    PlayPage,
    Ellipse,
};

class TWriter {
public:
    explicit TWriter(std::string& out) : m_Out(out) {}
    void U8(std::uint8_t v) { m_Out.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v) {
        U8(v & 0xFF);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            U8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void Bytes(std::string_view b) { m_Out.append(b); }
    void Point(TPoint p) {
        I32(p.X);
        I32(p.Y);
    }
    void Rect(const TRect& r) {
        I32(r.Left);
        I32(r.Top);
        I32(r.Right);
        I32(r.Bottom);
    }
    std::size_t Size() const { return m_Out.size(); }
    void PatchU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_Out[at + i] = static_cast<char>(static_cast<std::uint8_t>(v >> (8 * i)));
    }

private:
    std::string& m_Out;
};

// Reads fail softly: once a read runs past the end, every later read gives
// zeros and Ok() stays false.
class TReader {
public:
    explicit TReader(std::string_view in) : m_In(in) {}
    bool Ok() const { return m_Ok; }
    bool AtEnd() const { return m_Pos == m_In.size(); }
    std::size_t Left() const { return m_In.size() - m_Pos; }
    void Fail() { m_Ok = false; }
    std::uint8_t U8() {
        if (!Need(1))
            return 0;
        return static_cast<std::uint8_t>(m_In[m_Pos++]);
    }
    std::uint16_t U16() {
        const std::uint16_t lo = U8();
        return static_cast<std::uint16_t>(lo | (U8() << 8));
    }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t{U8()} << (8 * i);
        return v;
    }
    int I32() { return static_cast<int>(U32()); }
    std::string_view Bytes(std::size_t n) {
        if (!Need(n))
            return {};
        const std::string_view b = m_In.substr(m_Pos, n);
        m_Pos += n;
        return b;
    }
    int Coordinate() {
        const int v = I32();
        if (v < -kMaxCoordinate || v > kMaxCoordinate)
            Fail();
        return v;
    }
    TPoint Point() {
        const int x = Coordinate();
        return {x, Coordinate()};
    }
    TRect Rect() {
        TRect r;
        r.Left = Coordinate();
        r.Top = Coordinate();
        r.Right = Coordinate();
        r.Bottom = Coordinate();
        return r;
    }
    template <typename E> E Enum(E last) {
        const std::uint8_t v = U8();
        if (v > static_cast<std::uint8_t>(last))
            Fail();
        return static_cast<E>(v);
    }

private:
    bool Need(std::size_t n) {
        if (!m_Ok || Left() < n) {
            m_Ok = false;
            return false;
        }
        return true;
    }

    std::string_view m_In;
    std::size_t m_Pos = 0;
    bool m_Ok = true;
};

void WritePage(const TRecordedPage& page, std::string& out);

struct TRecordWriter {
    TWriter& w;

    void operator()(const TPenRecord& r) {
        w.U32(r.Pen.Color);
        w.I32(r.Pen.Width);
        w.U8(static_cast<std::uint8_t>(r.Pen.Style));
    }
    void operator()(const TBrushRecord& r) {
        w.U32(r.Brush.Color);
        w.U8(static_cast<std::uint8_t>(r.Brush.Style));
    }
    void operator()(const TFontRecord& r) {
        const std::string_view name = std::string_view(r.Font.Name).substr(0, kMaxFaceNameBytes);
        w.U32(r.Font.Color);
        w.I32(r.Font.Height);
        w.U8(r.Font.Style);
        w.U8(r.Font.Charset);
        w.U8(static_cast<std::uint8_t>(name.size()));
        w.Bytes(name);
    }
    void operator()(const TBkModeRecord& r) { w.U8(static_cast<std::uint8_t>(r.Mode)); }
    void operator()(const TBkColorRecord& r) { w.U32(r.Color); }
    void operator()(const TTextAlignRecord& r) { w.U8(static_cast<std::uint8_t>(r.Align)); }
    void operator()(const TMoveToRecord& r) { w.Point(r.To); }
    void operator()(const TLineToRecord& r) { w.Point(r.To); }
    void operator()(const TRectangleRecord& r) { w.Rect(r.Rect); }
    void operator()(const TFillRectRecord& r) { w.Rect(r.Rect); }
    void operator()(const TEllipseRecord& r) { w.Rect(r.Rect); }
    void operator()(const TTextOutRecord& r) {
        w.Point(r.At);
        w.U32(static_cast<std::uint32_t>(r.Text.size()));
        w.Bytes(r.Text);
    }
    void operator()(const TClipRectRecord& r) { w.Rect(r.Rect); }
    void operator()(const TClearClipRecord&) {}
    void operator()(const TPlayPageRecord& r) {
        w.Rect(r.Target);
        std::string nested;
        if (r.Page)
            WritePage(*r.Page, nested);
        else
            WritePage(TRecordedPage(), nested);
        w.Bytes(nested);
    }
};

// The variant's alternatives are listed in the order of the kinds.
static_assert(std::variant_size_v<TPageRecord> == static_cast<std::size_t>(Kind::Ellipse));
Kind KindOf(const TPageRecord& record) {
    return static_cast<Kind>(record.index() + 1);
}

void WritePage(const TRecordedPage& page, std::string& out) {
    TWriter w(out);
    const std::size_t start = w.Size();
    w.Bytes(std::string_view(kMagic, sizeof kMagic));
    w.U16(kVersion);
    w.U16(static_cast<std::uint16_t>(kRecordedPageHeaderSize));
    w.U32(0); // whole length, patched below
    w.I32(page.Width());
    w.I32(page.Height());
    w.U32(static_cast<std::uint32_t>(page.Records().size()));
    for (const TPageRecord& record : page.Records()) {
        w.U8(static_cast<std::uint8_t>(KindOf(record)));
        const std::size_t lengthAt = w.Size();
        w.U32(0);
        std::visit(TRecordWriter{w}, record);
        w.PatchU32(lengthAt, static_cast<std::uint32_t>(w.Size() - lengthAt - 4));
    }
    w.PatchU32(start + 8, static_cast<std::uint32_t>(w.Size() - start));
}

std::optional<TRecordedPage> ReadPage(std::string_view bytes, int depth);

// One record's payload, which must be used up exactly.
std::optional<TPageRecord> ReadRecord(Kind kind, std::string_view payload, int depth) {
    TReader r(payload);
    std::optional<TPageRecord> record;
    switch (kind) {
    case Kind::Pen: {
        TPenSpec pen;
        pen.Color = r.U32();
        pen.Width = r.I32();
        pen.Style = r.Enum(TPenStyle::InsideFrame);
        if (pen.Width < 0 || pen.Width > kMaxPenWidth)
            r.Fail();
        record = TPenRecord{pen};
        break;
    }
    case Kind::Brush: {
        TBrushSpec brush;
        brush.Color = r.U32();
        brush.Style = r.Enum(TBrushStyle::Clear);
        record = TBrushRecord{brush};
        break;
    }
    case Kind::Font: {
        TFontSpec font;
        font.Color = r.U32();
        font.Height = r.I32();
        font.Style = r.U8();
        font.Charset = r.U8();
        font.Name = std::string(r.Bytes(r.U8()));
        if (font.Height < -kMaxFontHeight || font.Height > kMaxFontHeight ||
            (font.Style & ~kFontStyleMask) != 0)
            r.Fail();
        record = TFontRecord{font};
        break;
    }
    case Kind::BkMode: {
        const std::uint8_t mode = r.U8();
        if (mode != static_cast<std::uint8_t>(TBkMode::Transparent) &&
            mode != static_cast<std::uint8_t>(TBkMode::Opaque))
            r.Fail();
        record = TBkModeRecord{static_cast<TBkMode>(mode)};
        break;
    }
    case Kind::BkColor:
        record = TBkColorRecord{r.U32()};
        break;
    case Kind::TextAlign:
        record = TTextAlignRecord{r.Enum(TTextAlign::Center)};
        break;
    case Kind::MoveTo:
        record = TMoveToRecord{r.Point()};
        break;
    case Kind::LineTo:
        record = TLineToRecord{r.Point()};
        break;
    case Kind::Rectangle:
        record = TRectangleRecord{r.Rect()};
        break;
    case Kind::FillRect:
        record = TFillRectRecord{r.Rect()};
        break;
    case Kind::Ellipse:
        record = TEllipseRecord{r.Rect()};
        break;
    case Kind::TextOut: {
        const TPoint at = r.Point();
        const std::uint32_t length = r.U32();
        record = TTextOutRecord{at, std::string(r.Bytes(length))};
        break;
    }
    case Kind::ClipRect:
        record = TClipRectRecord{r.Rect()};
        break;
    case Kind::ClearClip:
        record = TClearClipRecord{};
        break;
    case Kind::PlayPage: {
        const TRect target = r.Rect();
        if (!r.Ok() || depth >= kMaxPageNesting)
            return std::nullopt;
        auto page = ReadPage(r.Bytes(r.Left()), depth + 1);
        if (!page)
            return std::nullopt;
        record = TPlayPageRecord{target, std::make_shared<const TRecordedPage>(std::move(*page))};
        break;
    }
    default:
        return std::nullopt;
    }
    if (!r.Ok() || !r.AtEnd())
        return std::nullopt;
    return record;
}

struct THeader {
    std::uint32_t Length = 0;
    int Width = 0;
    int Height = 0;
    std::uint32_t Count = 0;
};

std::optional<THeader> ReadHeader(std::string_view bytes) {
    TReader r(bytes);
    if (r.Bytes(sizeof kMagic) != std::string_view(kMagic, sizeof kMagic))
        return std::nullopt;
    THeader h;
    const std::uint16_t version = r.U16();
    const std::uint16_t headerSize = r.U16();
    h.Length = r.U32();
    h.Width = r.I32();
    h.Height = r.I32();
    h.Count = r.U32();
    if (!r.Ok() || version != kVersion || headerSize != kRecordedPageHeaderSize)
        return std::nullopt;
    if (h.Length < kRecordedPageHeaderSize || h.Length > kMaxPageBytes)
        return std::nullopt;
    if (h.Width < 0 || h.Width > kMaxPageExtent || h.Height < 0 || h.Height > kMaxPageExtent)
        return std::nullopt;
    // Every record takes at least its own header, so the count cannot ask
    // for more than the bytes could hold.
    if (h.Count > (h.Length - kRecordedPageHeaderSize) / kRecordHeaderSize)
        return std::nullopt;
    return h;
}

std::optional<TRecordedPage> ReadPage(std::string_view bytes, int depth) {
    const auto header = ReadHeader(bytes);
    if (!header || header->Length != bytes.size())
        return std::nullopt;
    TRecordedPage page(header->Width, header->Height);
    TReader r(bytes.substr(kRecordedPageHeaderSize));
    for (std::uint32_t i = 0; i < header->Count; ++i) {
        const auto kind = static_cast<Kind>(r.U8());
        const std::uint32_t length = r.U32();
        const std::string_view payload = r.Bytes(length);
        if (!r.Ok())
            return std::nullopt;
        auto record = ReadRecord(kind, payload, depth);
        if (!record)
            return std::nullopt;
        page.Add(std::move(*record));
    }
    if (!r.AtEnd())
        return std::nullopt;
    return page;
}

} // namespace

bool TPlayPageRecord::operator==(const TPlayPageRecord& other) const {
    if (Target != other.Target)
        return false;
    if (!Page || !other.Page)
        return Page == other.Page;
    return *Page == *other.Page;
}

TRecordedPage::TRecordedPage(int width, int height) : m_Width(width), m_Height(height) {}

std::string TRecordedPage::Serialize() const {
    std::string out;
    WritePage(*this, out);
    return out;
}

std::optional<std::size_t> RecordedPageLength(std::string_view header) {
    if (header.size() < kRecordedPageHeaderSize)
        return std::nullopt;
    const auto h = ReadHeader(header.substr(0, kRecordedPageHeaderSize));
    if (!h)
        return std::nullopt;
    return h->Length;
}

std::optional<TRecordedPage> LoadRecordedPage(std::string_view bytes) {
    return ReadPage(bytes, 0);
}

} // namespace zel::platform
