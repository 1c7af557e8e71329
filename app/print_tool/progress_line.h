#pragma once
// Progress on one line of a terminal: pages done and pages a second,
// redrawn in place at most ten times a second, ended with a newline.

#include <chrono>
#include <iosfwd>
#include <string>

namespace zel::app {

class TProgressLine {
public:
    // Nothing is written when `shown` is false.
    TProgressLine(std::ostream& stream, bool shown, std::string what);
    // Ends a line that a failure cut short, so that the failure's message
    // starts a line of its own.
    ~TProgressLine() { Finish(); }
    TProgressLine(const TProgressLine&) = delete;
    TProgressLine& operator=(const TProgressLine&) = delete;

    void PageDone();
    // The final count, and the line ended; once.
    void Finish();

    std::ostream& Stream() const { return m_Stream; }
    bool Shown() const { return m_Shown; }

private:
    using TClock = std::chrono::steady_clock;
    void Draw();

    std::ostream& m_Stream;
    bool m_Shown;
    std::string m_What;
    int m_Pages = 0;
    TClock::time_point m_Start = TClock::now();
    TClock::time_point m_LastDrawn{};
    bool m_Finished = false;
};

} // namespace zel::app
