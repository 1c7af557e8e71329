#pragma once
// How the report printer opens a preview without depending on a window:
// window code registers a preview class at start-up, and the report printer
// makes one through it whenever a preview is asked for.

#include <functional>
#include <memory>

namespace zel {

class TQRPrinter;

// A preview window as the engine sees it: a handle, nothing more.
class TQRPreviewForm {
public:
    virtual ~TQRPreviewForm() = default;
};

// The base class opens nothing; the standard preview derives from it.
class TQRPreviewInterface {
public:
    virtual ~TQRPreviewInterface() = default;
    // Opens a window showing the report printer's pages and returns at
    // once; the window lives until it is closed.
    virtual TQRPreviewForm* Show(TQRPrinter& printer);
    // Opens the window and returns when it has closed.
    virtual TQRPreviewForm* ShowModal(TQRPrinter& printer);
};

using TQRPreviewInterfaceClass = std::function<std::unique_ptr<TQRPreviewInterface>()>;

// The class previews are opened through from now on; an empty one brings
// back the base class.
void SetQRPreviewInterfaceClass(TQRPreviewInterfaceClass previewClass);
const TQRPreviewInterfaceClass& QRPreviewInterfaceClass();
std::unique_ptr<TQRPreviewInterface> CreateQRPreviewInterface();

} // namespace zel
