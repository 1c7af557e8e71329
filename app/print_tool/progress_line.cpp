#include "app/print_tool/progress_line.h"

#include <cstdio>
#include <ostream>

namespace zel::app {

TProgressLine::TProgressLine(std::ostream& stream, bool shown, std::string what)
    : m_Stream(stream), m_Shown(shown), m_What(std::move(what)) {}

void TProgressLine::PageDone() {
    ++m_Pages;
    if (m_Shown && TClock::now() - m_LastDrawn >= std::chrono::milliseconds(100))
        Draw();
}

void TProgressLine::Finish() {
    if (m_Finished || !m_Shown)
        return;
    m_Finished = true;
    Draw();
    m_Stream << '\n' << std::flush;
}

void TProgressLine::Draw() {
    m_LastDrawn = TClock::now();
    const double seconds = std::chrono::duration<double>(m_LastDrawn - m_Start).count();
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.0f", seconds > 0 ? m_Pages / seconds : 0.0);
    m_Stream << '\r' << m_What << ": " << m_Pages << " ページ (" << rate << " ページ/秒)  "
             << std::flush;
}

} // namespace zel::app
