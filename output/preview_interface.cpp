#include "output/preview_interface.h"

namespace zel {
namespace {

TQRPreviewInterfaceClass& PreviewInterfaceClass() {
    static TQRPreviewInterfaceClass previewClass;
    return previewClass;
}

} // namespace

TQRPreviewForm* TQRPreviewInterface::Show(TQRPrinter&) {
    return nullptr;
}

TQRPreviewForm* TQRPreviewInterface::ShowModal(TQRPrinter&) {
    return nullptr;
}

void SetQRPreviewInterfaceClass(TQRPreviewInterfaceClass previewClass) {
    PreviewInterfaceClass() = std::move(previewClass);
}

const TQRPreviewInterfaceClass& QRPreviewInterfaceClass() {
    return PreviewInterfaceClass();
}

std::unique_ptr<TQRPreviewInterface> CreateQRPreviewInterface() {
    const TQRPreviewInterfaceClass& previewClass = PreviewInterfaceClass();
    if (previewClass)
        if (auto preview = previewClass())
            return preview;
    return std::make_unique<TQRPreviewInterface>();
}

} // namespace zel
