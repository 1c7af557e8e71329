#include "platform/text_metrics.h"

#include "platform/qt/canvas_font.h"
#include "platform/qt/qstring_text.h"

#include <QFontMetrics>

namespace zel::platform {

TSize MeasureText(const TFontSpec& font, std::string_view text) {
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(cp932::ToQString(text)), metrics.height()};
}

} // namespace zel::platform
