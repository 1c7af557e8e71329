#include "app/print_tool/print_tool_options.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zel::app {
namespace {

constexpr std::array<const char*, 3> kTerms = {"夏期", "秋期", "冬期"};

std::optional<int> PageNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < 1)
        return std::nullopt;
    return value;
}

// What the year's box holds: the era year, one or two digits.
bool IsEraYear(const std::string& text) {
    return !text.empty() && text.size() <= 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

const char* PrintToolUsage() {
    return "使い方: zelmark-print LIST --term 夏期|秋期|冬期 (--pdf FILE | --printer QUEUE | "
           "--qrp FILE) [options]\n"
           "        zelmark-print --calibration (--pdf FILE | --printer QUEUE | --qrp FILE)\n"
           "詳しくは zelmark-print --help\n";
}

const char* PrintToolHelp() {
    return "zelmark-print: 受験票を一覧ファイルから作ります (画面は使いません)\n"
           "\n"
           "使い方:\n"
           "  zelmark-print LIST --term TERM OUTPUT [options]\n"
           "  zelmark-print --calibration OUTPUT [options]\n"
           "\n"
           "LIST は受験者一覧のファイル (\"-\" は標準入力)。1 行に 1 人、受験番号・氏名・\n"
           "受験会場を並べます。タブを含むファイルはタブ区切り (TSV、「Unicode テキスト」)、\n"
           "ほかはカンマ区切り (CSV) として読み、\"...\" で囲んだセルはカンマや改行を含んでも\n"
           "1 つのセルです (改行は空白になります)。1 行目が見出し (受験番号・氏名・受験会場\n"
           "など、数字のない受験番号) なら警告して飛ばします。末尾の空の行は使いません。\n"
           "文字コードは UTF-8 (BOM の有無は問いません)、BOM 付きの UTF-16、Shift-JIS を\n"
           "自動で判定します。\n"
           "\n"
           "出力 (どれか 1 つ):\n"
           "  --pdf FILE        PDF ファイルに書きます (\"-\" は標準出力、端末には書きません)\n"
           "  --printer QUEUE   プリンタ (CUPS のキュー名、\"-\" は既定のプリンタ) で印刷します\n"
           "                    (B5 (JIS) の片面、拡大縮小なし。キューに B5 (JIS) がなければ\n"
           "                    B5 の大きさのユーザー定義サイズ、それもなければ失敗します)\n"
           "  --any-paper       B5 (JIS) の用紙がないプリンタでも、その用紙に印刷します\n"
           "  --qrp FILE        プレビューで開ける保存レポート (.QRP) に書きます (\"-\" "
           "は標準出力)\n"
           "\n"
           "受験票の内容:\n"
           "  --term TERM       夏期、秋期、冬期のどれか (必須)\n"
           "  --school NAME     塾名 (省略時は設定ファイルの値)\n"
           "  --year YEAR       年度、1 桁か 2 桁の数字 (省略時は設定ファイルの値)\n"
           "  --settings FILE   印字位置と既定値を読む設定ファイル (既定: ./zel.ini)\n"
           "                    設定ファイルがなければ --school と --year が要ります。\n"
           "                    印字位置がないときは 0 で印刷し、警告します。\n"
           "  --encoding ENC    一覧の文字コードを指定: utf-8 または shift_jis (cp932)\n"
           "  --keep-first-line 1 行目が見出しに見えても受験者として印刷します\n"
           "\n"
           "そのほか:\n"
           "  --from N --to M   N ページから M ページまでだけを出力します\n"
           "  --calibration     調整用シート: 見本の文字で 1 ページ目を作り、各項目の枠と\n"
           "                    左上の十字、用紙の端から始まるミリ目盛り、使っている印字\n"
           "                    位置、印字位置ごとの目盛りを書き込みます。目盛りは left と\n"
           "                    top が左上の券の氏名欄の左上、space が右列の最初の券の\n"
           "                    氏名欄の左上、height が左列のいちばん下の券の氏名欄の\n"
           "                    右上にあり、各線はその値を入れたときに氏名欄の角が\n"
           "                    印字される位置、数字は入れる値です。普通紙に印刷して\n"
           "                    受験票の用紙に重ね、用紙の氏名欄の左の縁 (left、space)\n"
           "                    や上の縁 (top、height) に合う線の数字をそのまま印字位置\n"
           "                    ダイアログに入れてください。計算は要りません。\n"
           "                    1 段は left と top が約 0.53 mm、space が平均約 0.5 mm\n"
           "                    (0.26〜0.79 mm と不ぞろい)、height が 1 行につき約\n"
           "                    0.26 mm (5 行目なら約 1.06 mm) です。\n"
           "  --title TEXT      印刷ジョブと PDF の題名 (既定: 一覧ファイルの名前)\n"
           "  --quiet           進み具合を表示しません\n"
           "  --help            この説明を表示します\n"
           "  --version         版を表示します\n"
           "  --                ここから後ろはオプションではなく一覧ファイルの名前です\n"
           "\n"
           "終了コード: 0 完了、1 失敗 (理由を 1 行で表示し、作りかけのファイルは残しません)、\n"
           "2 コマンドラインの誤り。\n"
           "Ctrl+C で止めると、書きかけのファイルを消し、印刷ジョブは取り消します。\n"
           "一覧を待っているあいだ (FIFO や端末) も止まります。2 回目の Ctrl+C "
           "ですぐに終わります。\n"
           "\n"
           "例:\n"
           "  zelmark-print 名簿.txt --term 夏期 --pdf 受験票.pdf\n"
           "  cat 名簿.csv | zelmark-print - --term 冬期 --year 8 --printer -\n";
}

TParsedCommandLine ParsePrintToolCommandLine(const std::vector<std::string>& args) {
    TParsedCommandLine result;
    // Asking for help is never an error, wherever it stands.
    const auto optionsEnd = std::find(args.begin(), args.end(), "--");
    if (std::find(args.begin(), optionsEnd, "--help") != optionsEnd ||
        std::find(args.begin(), optionsEnd, "-h") != optionsEnd) {
        result.Help = true;
        return result;
    }
    TPrintToolOptions options;
    int outputs = 0;
    std::vector<std::string> positional;
    const auto fail = [&](std::string error) {
        result.Error = std::move(error);
        return result;
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // After "--" every argument is a list file, even one named like an option.
        if (optionsEnded) {
            positional.push_back(arg);
            continue;
        }
        // Options that take a value; the value is the next argument.
        const auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        const std::string* given = nullptr;
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--quiet" || arg == "-q") {
            options.Quiet = true;
        } else if (arg == "--calibration") {
            options.Calibration = true;
        } else if (arg == "--keep-first-line") {
            options.KeepFirstLine = true;
        } else if (arg == "--any-paper") {
            options.AnyPaper = true;
        } else if (arg == "--pdf" || arg == "--printer" || arg == "--qrp") {
            if (!(given = value()))
                return fail(arg + " のあとにファイル名かキュー名が要ります");
            options.Output = arg == "--pdf"       ? TToolOutput::Pdf
                             : arg == "--printer" ? TToolOutput::Printer
                                                  : TToolOutput::SavedReport;
            options.Target = *given;
            ++outputs;
        } else if (arg == "--term" || arg == "--school" || arg == "--year" || arg == "--title" ||
                   arg == "--settings" || arg == "--encoding" || arg == "--from" || arg == "--to") {
            if (!(given = value()))
                return fail(arg + " のあとに値が要ります");
            if (arg == "--term") {
                if (std::find(kTerms.begin(), kTerms.end(), *given) == kTerms.end())
                    return fail("--term は 夏期、秋期、冬期 のどれかです: " + *given);
                options.Term = *given;
            } else if (arg == "--school") {
                options.School = *given;
            } else if (arg == "--year") {
                if (!IsEraYear(*given))
                    return fail("--year は年度の数字 1 桁か 2 桁です (平成・令和の年): " + *given);
                options.Year = *given;
            } else if (arg == "--title") {
                options.Title = *given;
            } else if (arg == "--settings") {
                options.SettingsFile = *given;
            } else if (arg == "--encoding") {
                if (*given == "utf-8" || *given == "utf8" || *given == "UTF-8")
                    options.Encoding = TListEncoding::Utf8;
                else if (*given == "shift_jis" || *given == "cp932" || *given == "sjis" ||
                         *given == "Shift_JIS")
                    options.Encoding = TListEncoding::Cp932;
                else
                    return fail("--encoding は utf-8 か shift_jis です: " + *given);
            } else {
                const std::optional<int> page = PageNumber(*given);
                if (!page)
                    return fail(arg + " は 1 以上のページ番号です: " + *given);
                (arg == "--from" ? options.FromPage : options.ToPage) = *page;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("知らないオプションです: " + arg);
        } else {
            positional.push_back(arg);
        }
    }

    if (outputs != 1)
        return fail(outputs == 0 ? "出力先 (--pdf、--printer、--qrp) がありません"
                                 : "出力先は 1 つだけ指定できます");
    if (positional.size() > 1)
        return fail("一覧ファイルは 1 つだけ指定できます");
    if (!positional.empty())
        options.ListFile = positional.front();
    if (options.Calibration) {
        // The sheet is made from sample texts, and is one page.
        if (!options.ListFile.empty())
            return fail("--calibration に一覧ファイルは使えません: " + options.ListFile);
        if (options.FromPage > 0 || options.ToPage > 0)
            return fail(
                "--calibration に --from と --to は使えません (調整用シートは 1 ページです)");
    } else {
        if (options.ListFile.empty())
            return fail("一覧ファイルがありません (標準入力なら \"-\")");
        if (options.Term.empty())
            return fail("--term がありません");
    }
    if (options.Output == TToolOutput::SavedReport && (options.FromPage > 0 || options.ToPage > 0))
        return fail("--from と --to は --qrp には使えません (保存レポートは全ページです)");
    if (options.FromPage > 0 && options.ToPage > 0 && options.FromPage > options.ToPage)
        return fail("--from が --to より後ろです");
    result.Options = std::move(options);
    return result;
}

} // namespace zel::app
