// A label printing its lines on the report printer's canvas: background,
// aligned lines top down from where the last pass stopped, growth of the
// band while the label may stretch and the page has room, and the frame.

#include "report/controls/band.h"
#include "report/controls/custom_report.h"
#include "report/controls/label.h"

namespace zel {

void TQRCustomLabel::Print(long double offsetX, long double offsetY) {
    TQRPrintSurface* printer = QRPrinter();
    if (!Enabled() || !ParentReport() || !printer || !printer->Canvas())
        return;
    platform::TCanvas& canvas = *printer->Canvas();
    m_Expanded = 0;
    m_AskedToGrow = false;

    canvas.SetFont(Font());
    long double x = offsetX + NativeValue(TQRPrintableSize::kLeft);
    long double y = offsetY + NativeValue(TQRPrintableSize::kTop);
    long double w = NativeValue(TQRPrintableSize::kWidth);
    long double h = NativeValue(TQRPrintableSize::kHeight);
    long double lineHeight = canvas.TextHeight("W") / printer->YFactor();

    std::string replaced;
    bool restore = false;
    if (!m_Text.empty() && OnPrint) {
        std::string value = m_Text;
        OnPrint(*this, value);
        // The handler may have changed the font or the size.
        canvas.SetFont(Font());
        h = NativeValue(TQRPrintableSize::kHeight);
        lineHeight = canvas.TextHeight("W") / printer->YFactor();
        if (value != m_Text) {
            replaced = std::move(m_Text);
            m_Text = std::move(value);
            restore = true;
            FormatLines();
        }
    }
    FormatLines();
    if (m_AutoSize) {
        // The width the label has on the screen, converted like every other
        // length, so an auto-sized label prints as wide on every device.
        w = Size().ToNative(TQRUnit::Pixels, true, Width());
    }
    if (!m_Transparent) {
        canvas.SetPen({Color(), 0, platform::TPenStyle::Solid});
        canvas.SetBrush({Color(), platform::TBrushStyle::Solid});
        canvas.FillRect(
            {printer->XPos(x), printer->YPos(y), printer->XPos(x + w), printer->YPos(y + h)});
    }
    if (Frame().AnyFrame()) {
        // The text starts inside the frame lines.
        const long double inset = RoundHalfEven(Frame().Width() / 72.0L * 254);
        if (Frame().DrawTop())
            y += inset;
        if (Frame().DrawLeft())
            x += inset;
    }
    long double bottomLimit = y + h + 1;
    long double lineY = y;
    long double lineX = x;
    const TAlignment alignment = MirroredAlignment(Alignment(), m_BiDiMode);
    if (m_AutoSize) {
        // An auto-sized label grows from its right edge or its centre.
        const long double designed = NativeValue(TQRPrintableSize::kWidth);
        if (alignment == taRightJustify)
            lineX = x - (w - designed);
        else if (alignment == taCenter)
            lineX = x - (w - designed) / 2;
    }
    canvas.SetBkMode(platform::TBkMode::Transparent);
    switch (alignment) {
    case taLeftJustify:
        canvas.SetTextAlign(platform::TTextAlign::Left);
        break;
    case taRightJustify:
        canvas.SetTextAlign(platform::TTextAlign::Right);
        lineX += w;
        break;
    case taCenter:
        canvas.SetTextAlign(platform::TTextAlign::Center);
        lineX += w / 2;
        break;
    }
    if (PrintFinished())
        m_CurrentLine = 0;
    const int lineCount = static_cast<int>(m_FormattedLines.size());
    while (m_CurrentLine < lineCount && LineFits(lineY, lineHeight, bottomLimit, x, y, w, h)) {
        const std::string& line = m_FormattedLines[m_CurrentLine];
        if (!line.empty())
            canvas.TextOut(printer->XPos(lineX), printer->YPos(lineY), line);
        lineY += lineHeight;
        ++m_CurrentLine;
    }
    SetPrintFinished(!(m_CurrentLine < lineCount && m_AutoStretch));
    canvas.SetTextAlign(platform::TTextAlign::Left);
    if (restore) {
        m_Text = std::move(replaced);
        m_LinesValid = false;
    }
    if (Frame().AnyFrame())
        Frame().PaintIt(canvas,
                        {printer->XPos(x), printer->YPos(y), printer->XPos(x + w),
                         printer->YPos(y + NativeValue(TQRPrintableSize::kHeight) + m_Expanded)},
                        printer->XFactor(), printer->YFactor());
}

bool TQRCustomLabel::LineFits(long double lineY, long double lineHeight, long double& bottomLimit,
                              long double x, long double y, long double w, long double h) {
    if (lineY + lineHeight <= bottomLimit)
        return true;
    TQRCustomBand* band = ParentBand();
    TCustomPagettaRep* report = ParentReport();
    if (!m_AutoStretch || !band || !report)
        return false;
    if (RoundHalfEven(band->RequiredHeight(false) + band->Expanded() + lineHeight) >
        report->SpaceLeft())
        return false;
    const long double before = m_Expanded;
    m_Expanded = band->Expand(lineHeight, !m_AskedToGrow);
    m_AskedToGrow = true;
    bottomLimit = y + h + 1 + m_Expanded;
    if (!m_Transparent) {
        TQRPrintSurface& printer = *QRPrinter();
        platform::TCanvas& canvas = *printer.Canvas();
        canvas.SetBrush({Color(), platform::TBrushStyle::Solid});
        canvas.FillRect({printer.XPos(x), printer.YPos(y + h + before), printer.XPos(x + w),
                         printer.YPos(y + h + m_Expanded)});
    }
    return true;
}

} // namespace zel
