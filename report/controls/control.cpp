#include "report/controls/control.h"

#include <algorithm>

namespace zel {

TQRControl::~TQRControl() {
    MarkDestroying();
    DestroyComponents();
    if (m_Parent) {
        std::erase(m_Parent->m_Controls, this);
        if (!m_Parent->Destroying())
            m_Parent->ControlsChanged();
    }
}

void TQRControl::SetParent(TQRBasePanel* parent) {
    if (parent == m_Parent)
        return;
    if (TQRBasePanel* old = m_Parent) {
        std::erase(old->m_Controls, this);
        m_Parent = nullptr;
        old->ControlsChanged();
    }
    m_Parent = parent;
    if (parent) {
        parent->m_Controls.push_back(this);
        parent->ControlsChanged();
    }
}

void TQRControl::SetBounds(int left, int top, int width, int height) {
    ApplyBounds(left, top, width, height);
}

void TQRControl::ApplyBounds(int left, int top, int width, int height) {
    m_Left = left;
    m_Top = top;
    m_Width = width;
    m_Height = height;
}

TQRBasePanel::TQRBasePanel() : m_Frame(this) {}

TQRBasePanel::~TQRBasePanel() {
    MarkDestroying();
    DestroyComponents();
    // Children the panel does not own outlive it without a parent.
    for (TQRControl* control : m_Controls)
        control->m_Parent = nullptr;
    m_Controls.clear();
}

} // namespace zel
