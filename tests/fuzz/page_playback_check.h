#pragma once
// Plays recorded pages onto a small image through the painter canvas, as
// the preview and the printer do, with the application object made once
// (fonts need it). Qt's own warnings during a playback fail the run: a page
// that makes Qt complain would flood the log once per record.

#include "platform/recorded_page.h"

namespace zel::fuzz {

void StartGuiApplication(int* argc, char*** argv);
void PlayOntoImage(const platform::TRecordedPage& page);

} // namespace zel::fuzz
