#pragma once
// Plays a recorded page onto any QPainter, stretched into a rectangle: the
// preview, a printer, a PDF or an image all show a page through this.

#include "platform/recorded_page.h"

#include <QPainter>
#include <QRectF>

namespace zel::platform {

// The page's width and height in pixels map onto `target` (the painter's
// logical coordinates). A page without size draws nothing. The painter's
// state is as it was afterwards.
void PlayRecordedPage(const TRecordedPage& page, QPainter& painter, const QRectF& target);

} // namespace zel::platform
