#pragma once
// Modal message boxes, centred on the screen: one OK button (default and
// cancel at once), or a question with Yes and No. Everything the program tells the operator in a
// box goes through here, so tests can replace the box and see what it says.

#include <functional>
#include <string>

namespace zel::app {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };
// With Yes and No, No is the default and what Esc answers: a question is
// never answered yes by accident.
enum class TMsgDlgButtons { mbOK, mbYesNo };

struct TMessageBoxRequest {
    std::string caption; // code page 932
    std::string text;    // code page 932
    TMsgDlgType type;
    TMsgDlgButtons buttons = TMsgDlgButtons::mbOK;
    // Lines shown below the text, in UTF-8: the one way to show the operator
    // characters that code page 932 cannot hold.
    std::string detailUtf8 = {};
};

// True for OK or Yes.
bool ShowMessageBox(const TMessageBoxRequest& request);

// A message dialog of the given kind, captioned after it ("エラー", ...).
void MessageDlg(const std::string& text, TMsgDlgType type);

// A question of the given kind with Yes and No; true for Yes.
bool AskYesNo(const std::string& text, const std::string& detailUtf8, TMsgDlgType type);

// Replaces the box (and answers for it); an empty function restores the
// real one.
using MessageBoxHandler = std::function<bool(const TMessageBoxRequest&)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace zel::app
