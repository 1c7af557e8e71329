#pragma once
// Modal message boxes with one OK button (default and cancel at once),
// centred on the screen. Everything the program tells the operator in a box
// goes through here, so tests can replace the box and see what it says.

#include <functional>
#include <string>

namespace zel::app {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

struct TMessageBoxRequest {
    std::string caption; // code page 932
    std::string text;    // code page 932
    TMsgDlgType type;
};

void ShowMessageBox(const TMessageBoxRequest& request);

// A message dialog of the given kind, captioned after it ("エラー", ...).
void MessageDlg(const std::string& text, TMsgDlgType type);

// Replaces the box; an empty function restores the real one.
using MessageBoxHandler = std::function<void(const TMessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace zel::app
