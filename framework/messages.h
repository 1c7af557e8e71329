#pragma once
// The system's own message texts, in one place. They are UTF-8 literals
// here; raise them through Fmt()/cp932::Sys(), which hand out code page 932.

namespace zel::msg {

// Lists and files.
inline constexpr const char* kListIndexError = "リストのインデックスが範囲を超えています (%d)";
inline constexpr const char* kFileOpenError = "ファイル %s は開けません";
inline constexpr const char* kFileCreateError = "ファイル %s を作成できません";
inline constexpr const char* kFileWriteError = "%s に書き込めません";

// An exception that carries no text of its own.
inline constexpr const char* kUnknownError = "不明なエラーが発生しました";

// Clipboard.
inline constexpr const char* kClipboardOpenError = "クリップボードを開くことができません";

// Sparse lists (the grid's cell store): an index past what the directory holds.
inline constexpr const char* kSparseListCapacityError = "スパースリストの容量を超えています (%d)";

} // namespace zel::msg
