#pragma once
// The preview's save and load dialogs for saved-report files. The dialog is
// replaceable so that tests can answer it.

#include <functional>
#include <optional>
#include <string>

namespace zel {

struct TReportFileDialog {
    enum class TKind { Save, Open };
    TKind Kind = TKind::Save;
    std::string Title; // code page 932
    // "description|*.ext", or several such pairs joined by "|"; code page 932.
    std::string Filter;
    std::string DefaultExtension; // without the dot
};

// The chosen file name (code page 932), or nothing when cancelled.
std::optional<std::string> ExecuteReportFileDialog(const TReportFileDialog& dialog);

// Replaces the dialog; an empty function restores the real one.
using TReportFileDialogHandler =
    std::function<std::optional<std::string>(const TReportFileDialog&)>;
void SetReportFileDialogHandler(TReportFileDialogHandler handler);

} // namespace zel
