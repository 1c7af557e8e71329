// Writes the seed corpora of the fuzz targets with the program's own
// writers: small valid inputs the fuzzer starts from.
//   fuzz_seeds <corpus folder>

#include "framework/string_list.h"
#include "output/metafile.h"
#include "output/page_compression.h"
#include "output/page_list.h"
#include "platform/cp932.h"
#include "platform/profile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace zel;
using platform::TBrushStyle;
using platform::TPenStyle;

std::filesystem::path g_Root;

void Put(const std::string& target, const std::string& name, const std::string& bytes) {
    const std::filesystem::path folder = g_Root / target;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string Sjis(const char* utf8) {
    return cp932::FromUtf8(utf8);
}

// A ticket-like page: every kind of call, text in code page 932, and a
// page played inside it.
std::string TicketPage(int number) {
    TMetafile inner(40, 20);
    {
        TMetafileCanvas canvas(inner);
        canvas.FillRect({1, 2, 30, 15});
    }
    TMetafile page(688, 972);
    {
        TMetafileCanvas canvas(page);
        canvas.SetPen({platform::MakeColor(0, 0, 0), 2, TPenStyle::Solid});
        canvas.SetBrush({platform::MakeColor(255, 255, 255), TBrushStyle::Clear});
        canvas.SetFont({Sjis("ＭＳ Ｐ明朝"), -16, 0, platform::fsBold, platform::kShiftJisCharset,
                        platform::kBlack});
        canvas.SetBkMode(platform::TBkMode::Transparent);
        canvas.SetTextAlign(platform::TTextAlign::Center);
        canvas.TextOut(344, 40, Sjis("受験票"));
        canvas.SetTextAlign(platform::TTextAlign::Left);
        canvas.TextOut(60, 120, Sjis("山田 太郎 ") + std::to_string(number));
        canvas.Rectangle({50, 100, 640, 300});
        canvas.MoveTo(50, 200);
        canvas.LineTo(640, 200);
        canvas.Ellipse({500, 400, 600, 500});
        canvas.SetClipRect({0, 0, 344, 486});
        canvas.FillRect({10, 10, 20, 20});
        canvas.ClearClip();
        inner.Draw(canvas, {100, 600, 300, 700});
    }
    return page.SaveToBytes();
}

std::string SavedReport(int pages, bool compressed) {
    const std::filesystem::path path = g_Root / "report.tmp";
    {
        TQRPageList list;
        list.SetClock([] { return 46000.25; });
        list.SetCompression(compressed);
        for (int i = 1; i <= pages; ++i)
            list.AddPage(TicketPage(i));
        list.Finish();
        list.SaveToFile(path.string());
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(path);
    return bytes;
}

std::string Packed(const std::string& bytes) {
    std::string packed;
    TQRCompress compressor(&packed);
    for (const char c : bytes)
        compressor.Compress(static_cast<std::uint8_t>(c));
    return packed;
}

// The profile target's input: the value's length in two bytes, the value,
// then the file.
std::string ProfileInput(const std::string& value, const std::string& file) {
    std::string out;
    out += static_cast<char>(value.size() & 0xFF);
    out += static_cast<char>(value.size() >> 8);
    return out + value + file;
}

std::string SettingsFile() {
    std::string file;
    file = platform::ProfileUpdate(file, "basic", "name", Sjis("山田塾"));
    file = platform::ProfileUpdate(file, "basic", "year", "7");
    for (const char* key : {"left", "top", "space", "height"})
        file = platform::ProfileUpdate(file, "margin", key, "-3");
    return file;
}

std::string CommaText(std::initializer_list<std::string> items) {
    TStringList list;
    for (const std::string& item : items)
        list.Add(item);
    return list.CommaText();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
        return 2;
    }
    g_Root = argv[1];
    std::filesystem::create_directories(g_Root);

    Put("saved_report", "seed_packed", SavedReport(2, true));
    Put("saved_report", "seed_plain", SavedReport(3, false));
    Put("saved_report", "seed_no_pages", SavedReport(0, false));

    Put("recorded_page", "seed_ticket", TicketPage(1));
    Put("recorded_page", "seed_blank", TMetafile(688, 972).SaveToBytes());

    Put("page_expander", "seed_page", TicketPage(2));
    Put("page_expander", "seed_packed_page", Packed(TicketPage(2)));

    Put("profile", "seed_settings", ProfileInput(Sjis("山田ゼミナール"), SettingsFile()));
    Put("profile", "seed_quoted", ProfileInput(" 'A' ", SettingsFile()));
    Put("profile", "seed_utf8",
        ProfileInput(Sjis("髙橋塾"), "\xEF\xBB\xBF[basic]\r\nname=髙橋塾\r\n"));

    Put("comma_text", "seed_row", CommaText({"1001", Sjis("山田 太郎"), "A,B", "say \"hi\"", ""}));
    Put("comma_text", "seed_rows_utf8", "1001,山田 太郎,本館\r\n1002,\"鈴木, 花子\",別館\r\n");

    const char* expressions[] = {
        "PAGENUMBER",
        "'Page ' + STR(PAGENUMBER) + ' of ' + REPORTTITLE",
        "IF(COLUMNNUMBER > 1, UPPER('a'), COPY('abcdef', 2, 3))",
        "SUM(PAGENUMBER) + COUNT + MAX(1.5) - MIN(2) * AVERAGE(3) / 4",
        "INT(7.9) + FRAC(2.25) + SQRT(16) + DIV(7, 2)",
        "(1 < 2) AND NOT (3 >= 4) OR TRUE",
        "FORMATNUMERIC('#,##0.00', 1234.5)",
        "TYPEOF(DATE) + TIME",
    };
    int n = 0;
    for (const char* expression : expressions)
        Put("expression", "seed_" + std::to_string(++n), expression);
    return 0;
}
