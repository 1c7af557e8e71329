#pragma once
// Stands in for the message box while it lives, recording what the program
// would have shown.

#include "app/message_box.h"

#include <vector>

namespace zel::test {

class TMessageBoxSpy {
public:
    TMessageBoxSpy() {
        app::SetMessageBoxHandler([this](const app::TMessageBoxRequest& r) { shown.push_back(r); });
    }
    ~TMessageBoxSpy() { app::SetMessageBoxHandler({}); }
    TMessageBoxSpy(const TMessageBoxSpy&) = delete;
    TMessageBoxSpy& operator=(const TMessageBoxSpy&) = delete;

    std::vector<app::TMessageBoxRequest> shown;
};

} // namespace zel::test
