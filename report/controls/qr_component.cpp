#include "report/controls/qr_component.h"

#include <algorithm>

namespace zel {

TQRComponent::~TQRComponent() {
    m_Destroying = true;
    DestroyComponents();
    // Observers may drop themselves from the list while they are told.
    while (!m_FreeNotifies.empty()) {
        TQRComponent* other = m_FreeNotifies.back();
        m_FreeNotifies.pop_back();
        std::erase(other->m_FreeNotifies, this);
        other->Notification(this);
    }
}

void TQRComponent::Adopt(std::unique_ptr<TQRComponent> component) {
    if (!component)
        return;
    if (component->m_Owner)
        for (auto& held : component->m_Owner->m_Components)
            if (held.get() == component.get())
                (void)held.release();
    component->m_Owner = this;
    std::erase(m_Components, nullptr);
    m_Components.push_back(std::move(component));
}

bool TQRComponent::FreeOwned(TQRComponent* component) {
    const auto it = std::find_if(m_Components.begin(), m_Components.end(),
                                 [component](const auto& held) { return held.get() == component; });
    if (it == m_Components.end())
        return false;
    // Taken out of the list first: its destruction may look at the list.
    std::unique_ptr<TQRComponent> doomed = std::move(*it);
    m_Components.erase(it);
    doomed.reset();
    return true;
}

void TQRComponent::DestroyComponents() {
    while (!m_Components.empty()) {
        std::unique_ptr<TQRComponent> doomed = std::move(m_Components.back());
        m_Components.pop_back();
        doomed.reset();
    }
}

void TQRComponent::FreeNotification(TQRComponent* other) {
    if (!other || other == this)
        return;
    if (std::find(m_FreeNotifies.begin(), m_FreeNotifies.end(), other) == m_FreeNotifies.end())
        m_FreeNotifies.push_back(other);
    if (std::find(other->m_FreeNotifies.begin(), other->m_FreeNotifies.end(), this) ==
        other->m_FreeNotifies.end())
        other->m_FreeNotifies.push_back(this);
}

void TQRComponent::RemoveFreeNotification(TQRComponent* other) {
    if (!other)
        return;
    std::erase(m_FreeNotifies, other);
    std::erase(other->m_FreeNotifies, this);
}

} // namespace zel
