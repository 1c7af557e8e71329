#pragma once
// The application object: its title, and the last line of defence that
// turns an exception escaping any event into the standard error box.

#include <QApplication>
#include <string>

namespace zel::app {

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The title of the error box (and of the task-bar entry), code page 932.
    static std::string Title();
    static void SetTitle(const std::string& title);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zel::app
