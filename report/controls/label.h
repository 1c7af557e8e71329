#pragma once
// Text labels: a caption printed inside the label's rectangle on a band.
// The caption is broken into lines that fit the label's width as the
// screen measures it (so preview and printer break alike); printing writes
// the lines top down, aligned, and stops at the label's bottom edge unless
// the label may stretch its band or go on in the next column.

#include "report/controls/printable.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class TQRCustomLabel : public TQRPrintable {
public:
    // May replace the text for one printing.
    using TQRLabelOnPrintEvent = std::function<void(TQRComponent& sender, std::string& value)>;

    TQRCustomLabel();
    ~TQRCustomLabel() override;

    const std::string& Caption() const { return m_Caption; }
    void SetCaption(const std::string& caption);
    bool AutoSize() const { return m_AutoSize; }
    void SetAutoSize(bool autoSize);
    bool AutoStretch() const { return m_AutoStretch; }
    void SetAutoStretch(bool autoStretch) { m_AutoStretch = autoStretch; }
    bool WordWrap() const { return m_WordWrap; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return m_Transparent; }
    void SetTransparent(bool transparent);
    // The label's own font, or its parent's with ParentFont.
    const platform::TFontSpec& Font() const;
    void SetFont(const platform::TFontSpec& font);
    bool ParentFont() const { return m_ParentFont; }
    void SetParentFont(bool parentFont);
    TBiDiMode BiDiMode() const { return m_BiDiMode; }
    void SetBiDiMode(TBiDiMode mode) { m_BiDiMode = mode; }
    // The font's size in points; a stored value above 0 becomes the font's
    // size, so the label keeps its physical size on any screen.
    virtual int FontSize() const;
    virtual void SetFontSize(int points);

    TQRLabelOnPrintEvent OnPrint;

    // The caption broken into lines, as last formatted.
    const std::vector<std::string>& FormattedLines() const { return m_FormattedLines; }
    int CurrentLine() const { return m_CurrentLine; }
    // Extra height gained in the current printing, tenths of a millimetre.
    long double Expanded() const { return m_Expanded; }

    virtual bool IsCaptionTextSource() const { return true; }
    // Breaks the print text into FormattedLines; on a report it also keeps
    // the label one line high at least and fits an AutoSize label's width.
    virtual void FormatLines();

    void Prepare() override;
    void Print(long double offsetX, long double offsetY) override;
    void SetParent(TQRBasePanel* parent) override;
    void SetAlignment(TAlignment alignment) override;
    void Loaded() override;

    // Text width and the height of one line as line breaking measures them,
    // screen pixels at the label's zoom.
    int TextWidth(std::string_view text);
    int LineHeight();

protected:
    // The text being printed: the caption, or what OnPrint made of it.
    const std::string& PrintText() const { return m_Text; }

private:
    void FormatParagraph(std::string_view text);
    // Adds one word to the current line; false stops the paragraph.
    bool AddWord(std::string& line, std::string word);
    bool LineFits(long double lineY, long double lineHeight, long double& bottomLimit,
                  long double x, long double y, long double w, long double h);

    std::string m_Caption;
    std::string m_Text;
    bool m_AutoSize = true;
    bool m_AutoStretch = false;
    bool m_WordWrap = true;
    bool m_Transparent = false;
    platform::TFontSpec m_Font;
    bool m_ParentFont = true;
    TBiDiMode m_BiDiMode = bdLeftToRight;
    int m_StoredFontSize = 0;
    std::vector<std::string> m_FormattedLines;
    bool m_LinesValid = false;
    int m_CurrentLine = 0;
    bool m_Adjusting = false;
    long double m_Expanded = 0;
    bool m_AskedToGrow = false;
    std::unique_ptr<platform::TCanvas> m_OwnCanvas;
};

class TQRLabel : public TQRCustomLabel {};

} // namespace zel
