#pragma once
// The system's own message texts, in one place. They are UTF-8 literals
// here; raise them through Fmt()/cp932::Sys(), which hand out code page 932.

namespace zel::msg {

// Lists and files.
inline constexpr const char* kListIndexError = "リストのインデックスが範囲を超えています (%d)";
inline constexpr const char* kFileOpenError = "ファイル %s は開けません";
inline constexpr const char* kFileCreateError = "ファイル %s を作成できません";
inline constexpr const char* kFileWriteError = "%s に書き込めません";
// Asked after a failed write of the settings, when a window closes.
inline constexpr const char* kCloseWithoutSaving = "保存せずに閉じますか？";

// An exception that carries no text of its own.
inline constexpr const char* kUnknownError = "不明なエラーが発生しました";

// Clipboard.
inline constexpr const char* kClipboardOpenError = "クリップボードを開くことができません";
// A paste with no text on the clipboard leaves the list as it was.
inline constexpr const char* kNothingToPaste = "クリップボードに貼り付けるテキストがありません。";
// Rows a paste or a list file could not take whole: one line per row after
// the text (kRowNumber, then what happened to it).
inline constexpr const char* kPasteRowsNotWhole = "次の行はそのまま取り込めませんでした。";
inline constexpr const char* kPasteCellsDropped = "4 列目からのセルを取り込んでいません: %s";
inline constexpr const char* kPasteCellsMissing =
    "セルが %d 個しかありません (受験番号・氏名・受験会場の 3 個が必要です)";
// The first row reads as the sheet's header row, not as an examinee.
inline constexpr const char* kPasteHeaderRow = "1 行目は見出しのようです: %s";
inline constexpr const char* kPasteRemoveHeader = "1 行目を取り除きますか？";

// Characters code page 932 cannot hold, told after a paste or an edit.
// A list of places follows the text: each row as kRowNumber, the rest of a
// long list as kMoreFindings.
inline constexpr const char* kUnheldCharacters =
    "次の文字はこのプログラムで扱えないため、「?」になりました。";
inline constexpr const char* kOfferSubstitutes = "「→」の右の字に置き換えますか？";
inline constexpr const char* kRowNumber = "%d 行目";
inline constexpr const char* kMoreFindings = "ほか %d 件";

// The look over the tickets before the preview opens: one line per finding,
// then the question.
inline constexpr const char* kCheckFound = "次の券は正しく印刷されないおそれがあります。";
inline constexpr const char* kCheckGoOn = "このまま印刷しますか？";
inline constexpr const char* kCheckExamNumberTooLong = "受験番号が6桁を超えています";
inline constexpr const char* kCheckNameTooWide = "氏名が欄に入りきりません";
inline constexpr const char* kCheckVenueTooWide = "会場名が欄に入りきりません";
inline constexpr const char* kCheckSchoolTooWide = "塾名が欄に入りきりません";
inline constexpr const char* kCheckYearTooWide = "年度が欄に入りきりません";
inline constexpr const char* kCheckQuestionMark = "「?」で印刷される文字があります";
inline constexpr const char* kCheckNameMissing = "氏名が空です";
inline constexpr const char* kCheckVenueMissing = "受験会場が空です";
inline constexpr const char* kCheckEmptyRow = "空の行です (白紙の券になります)";
inline constexpr const char* kCheckOffPaper = "印字位置が用紙からはみ出します";
inline constexpr const char* kCheckTicketsOverlap = "印字位置の設定で券どうしが重なります";

// Message dialogs are captioned after their kind.
inline constexpr const char* kMsgDlgWarning = "警告";
inline constexpr const char* kMsgDlgError = "エラー";
inline constexpr const char* kMsgDlgInformation = "情報";
inline constexpr const char* kMsgDlgConfirm = "確認";
inline constexpr const char* kMsgDlgYes = "はい(&Y)";
inline constexpr const char* kMsgDlgNo = "いいえ(&N)";

// The print request asks for a term before anything else.
inline constexpr const char* kChooseTerm = "模試の種類を選んでください。";
// A print request while the tickets are being printed.
inline constexpr const char* kRunInProgress = "印刷中です。終わってからもう一度押してください。";

// Sparse lists (the grid's cell store): an index past what the directory holds.
inline constexpr const char* kSparseListCapacityError = "スパースリストの容量を超えています (%d)";

// The grid.
inline constexpr const char* kGridTooLarge = "グリッドが大きすぎます";
inline constexpr const char* kTooManyDeleted = "削除する行または列が多すぎます";
inline constexpr const char* kGridIndexOutOfRange = "グリッドインデックス が範囲を超えています";
inline constexpr const char* kFixedColTooBig = "固定列の数は列数より小さくなければなりません";
inline constexpr const char* kFixedRowTooBig = "固定行の数は行数より小さくなければなりません";
inline constexpr const char* kCannotInsertDeleteGridRow =
    "グリッドの行を追加/削除することはできません";
// Stored column definitions that cannot be read; %d is the line.
inline constexpr const char* kGridColumnsFormatError = "列定義の %d 行目が正しくありません";

// The report expression evaluator. Texts with two arguments take them in
// the order they appear in the sentence.
inline constexpr const char* kEvNotPrepared = "評価できません";
inline constexpr const char* kEvExpressionError = "式の間違い : %s";
inline constexpr const char* kEvTrue = "True";
inline constexpr const char* kEvFalse = "False";
inline constexpr const char* kEvNotUsage = "NOT の使い方に間違いがあります。";
inline constexpr const char* kEvBadNumber = "数値定数 \"%s\" 中に不適切な文字があります。";
inline constexpr const char* kEvMissing = "%s が足りない";
inline constexpr const char* kEvUnknownFunction = "定義されていない関数 : %s";
inline constexpr const char* kEvOperatorType = "演算子 %s は %s 型の式には使用できません。";
inline constexpr const char* kEvCannotProcess = "%s の %s は処理できません。"; // type, operation
inline constexpr const char* kEvAddition = "足し算";
inline constexpr const char* kEvSubtraction = "引き算";
inline constexpr const char* kEvMultiplication = "かけ算";
inline constexpr const char* kEvDivision = "わり算";
inline constexpr const char* kEvNumberWord = "数値";
inline constexpr const char* kEvDivideByZero = "0 で割ることはできません。";
inline constexpr const char* kEvExtraArgument = "余計な引数";
inline constexpr const char* kEvWrongArguments = "%s の引数の間違い";
inline constexpr const char* kEvUnknownType = "型がわかりません。";
inline constexpr const char* kEvSqrtArgument = "SQRT 関数の引数が不正です。";
inline constexpr const char* kEvZeroDivide = "ゼロによる除算";
inline constexpr const char* kEvConversionError = "変換エラー";
inline constexpr const char* kEvTooFewArguments = "%s の引数が足りません。";
inline constexpr const char* kEvFormatError = "構文または値が間違っています。";
inline constexpr const char* kEvRecursion = "再帰呼び出しは許されません";
inline constexpr const char* kEvUnknownFieldType = "フィールド %s の型がわかりません。";
inline constexpr const char* kEvTooComplex = "式が複雑すぎます";

// Recorded pages: bytes that are not a page.
inline constexpr const char* kInvalidMetafile = "メタファイルが不正です";
// The same of a page read from a saved report: the file is named.
inline constexpr const char* kInvalidMetafileIn = "メタファイルが不正です (%s)";

// Saved reports: a file whose header or page records do not hold together.
inline constexpr const char* kCorruptFile = "ファイル %s は壊れています";

// The report printer: calls out of order, and a printer that refuses a job.
inline constexpr const char* kQRPrinterNotReady = "QRPrinter の準備ができていません";
inline constexpr const char* kQRBadNewPage = "間違った NewPage の呼び出し";
inline constexpr const char* kPrintJobFailed = "プリンタ %s で印刷できません";
// Printing asked for where the system knows no printer (or no spooler).
inline constexpr const char* kNoPrinterInstalled = "プリンタがインストールされていません";
// A job handed to a queue that is stopped.
inline constexpr const char* kPrinterPaused =
    "プリンタ %s は一時停止しています。印刷はプリンタが再開されるまで待機します";

// A printer without the report's paper: printing on the one it has puts
// every text off its place. Printer, the report's paper, the paper in force.
inline constexpr const char* kPaperMissing =
    "プリンタ %s には %s の用紙がありません。%s の用紙に印刷すると、印字位置が合いません";
inline constexpr const char* kPrintAnyway = "このまま印刷しますか?";

// The report output's windows: a saved report asked for that is not there.
inline constexpr const char* kFileDoesNotExist = "ファイルが存在しません";
// A report without pages saved as a PDF, which cannot be empty.
inline constexpr const char* kNoPagesToSave = "保存するページがありません";
// A run whose total is unknown tells the pages made so far.
inline constexpr const char* kPagesMade = "%d ページ";

// The drop-down calendar: the today strip's caption (today's date follows)
// and hint, and the hints of the navigation buttons.
inline constexpr const char* kCalendarToday = "今日: ";
inline constexpr const char* kCalendarTodayHint =
    "ここをダブルクリックすると\r\n今日に移動します。";
inline constexpr const char* kCalendarPrevYear = "前年";
inline constexpr const char* kCalendarPrevMonth = "前月";
inline constexpr const char* kCalendarNextMonth = "翌月";
inline constexpr const char* kCalendarNextYear = "翌年";

} // namespace zel::msg
