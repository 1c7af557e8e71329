#pragma once
// Stands in for the message box while it lives, recording what the program
// would have shown and answering questions with `answer`.

#include "app/message_box.h"

#include <vector>

namespace zel::test {

class TMessageBoxSpy {
public:
    TMessageBoxSpy() {
        app::SetMessageBoxHandler([this](const app::TMessageBoxRequest& r) {
            shown.push_back(r);
            return r.buttons == app::TMsgDlgButtons::mbOK || answer;
        });
    }
    ~TMessageBoxSpy() { app::SetMessageBoxHandler({}); }
    TMessageBoxSpy(const TMessageBoxSpy&) = delete;
    TMessageBoxSpy& operator=(const TMessageBoxSpy&) = delete;

    std::vector<app::TMessageBoxRequest> shown;
    bool answer = false;
};

} // namespace zel::test
