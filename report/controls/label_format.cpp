// Breaking a label's text into lines: paragraphs at carriage returns,
// words ending at a space, a hyphen or a carriage return, and a word wider
// than the label cut to what fits. Widths are screen pixels at the label's
// zoom, so the breaks are the same in the preview and on paper.

#include "platform/cp932.h"
#include "report/controls/custom_report.h"
#include "report/controls/label.h"

#include <algorithm>
#include <vector>

namespace zel {
namespace {

bool EndsWord(char c) {
    return c == ' ' || c == '-' || c == '\r';
}

// Byte length of the longest whole-character prefix of `word` that `fits`.
// A prefix only grows wider as characters are added, so a binary search
// over the character ends finds the same cut as adding (or removing) one
// character at a time, with log n measurements of the text instead of n:
// a long name without spaces stays cheap to cut.
template <typename Fits> std::size_t FittingPrefix(std::string_view word, Fits&& fits) {
    std::vector<std::size_t> ends;
    for (std::size_t pos = 0; pos < word.size();) {
        pos += cp932::CharLength(word, pos);
        ends.push_back(pos);
    }
    std::size_t low = 0; // characters known to fit
    std::size_t high = ends.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (fits(word.substr(0, ends[middle - 1])))
            low = middle;
        else
            high = middle - 1;
    }
    return low == 0 ? 0 : ends[low - 1];
}

} // namespace

void TQRCustomLabel::FormatLines() {
    if (!Parent())
        return;
    m_FormattedLines.clear();
    FormatParagraph(m_Text);
    TCustomPagettaRep* report = ParentReport();
    if (report && !m_Adjusting) {
        m_Adjusting = true;
        // A label is never lower than one line.
        if (const int lineHeight = LineHeight(); lineHeight > Height())
            SetHeight(lineHeight);
        m_Adjusting = false;
    }
    if (m_AutoSize && report && !m_Adjusting) {
        int maxWidth = 0;
        for (const std::string& line : m_FormattedLines)
            maxWidth = std::max(maxWidth, TextWidth(line));
        if (Frame().DrawLeft())
            maxWidth += Frame().Width();
        if (Frame().DrawRight())
            maxWidth += Frame().Width();
        m_Adjusting = true;
        // The right edge or the centre stays where it was.
        switch (MirroredAlignment(Alignment(), m_BiDiMode)) {
        case taRightJustify:
            SetLeft(Left() + (Width() - maxWidth));
            break;
        case taCenter:
            SetLeft(Left() + (Width() - maxWidth) / 2);
            break;
        case taLeftJustify:
            break;
        }
        SetWidth(maxWidth);
        if (const int lineHeight = LineHeight(); lineHeight > Height())
            SetHeight(lineHeight);
        m_Adjusting = false;
    }
    m_LinesValid = true;
}

void TQRCustomLabel::FormatParagraph(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (char c : text)
        if (c != '\n')
            plain.push_back(c);
    if (plain.find('\r') != std::string::npos) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = plain.find('\r', start);
            FormatParagraph(std::string_view(plain).substr(start, end - start));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        return;
    }
    if (m_AutoSize) {
        m_FormattedLines.push_back(plain);
        return;
    }
    std::string line;
    std::size_t pos = 0;
    while (pos < plain.size()) {
        // Spaces and hyphens are single bytes that never trail a double-byte
        // character, so a word always ends on a character boundary.
        std::size_t end = pos;
        while (end < plain.size() && !EndsWord(plain[end]))
            end += cp932::CharLength(plain, end);
        end = std::min(end + 1, plain.size());
        if (!AddWord(line, plain.substr(pos, end - pos)))
            return;
        pos = end;
    }
    m_FormattedLines.push_back(line);
}

bool TQRCustomLabel::AddWord(std::string& line, std::string word) {
    const int width = Width();
    if (TextWidth(line + word) <= width) {
        line += word;
        return true;
    }
    if (line.empty()) {
        // Whole characters only: a cut word never ends in half a character.
        line = word.substr(0, FittingPrefix(word, [&](std::string_view prefix) {
                               return TextWidth(prefix) < width;
                           }));
        word.clear();
    }
    m_FormattedLines.push_back(line);
    line.clear();
    if (TextWidth(word) > width) {
        if (width != 0) {
            word.resize(FittingPrefix(
                word, [&](std::string_view prefix) { return TextWidth(prefix) <= width; }));
            m_FormattedLines.push_back(word);
        }
        word.clear();
    }
    if (!m_WordWrap)
        return false;
    line += word;
    return true;
}

} // namespace zel
