#pragma once
// Ownership and free notification of the report's objects: an owner frees
// what it owns, and an object that keeps a pointer to another one hears
// when that one goes away, so no pointer is left dangling.

#include <memory>
#include <string>
#include <vector>

namespace zel {

class TQRComponent {
public:
    TQRComponent() = default;
    virtual ~TQRComponent();
    TQRComponent(const TQRComponent&) = delete;
    TQRComponent& operator=(const TQRComponent&) = delete;

    const std::string& Name() const { return m_Name; }
    virtual void SetName(const std::string& name) { m_Name = name; }

    // The component that frees this one; none for objects their creator
    // keeps itself.
    TQRComponent* Owner() const { return m_Owner; }
    // Takes over a component made on the heap; it is freed with this one
    // at the latest.
    template <class Component> Component* Own(std::unique_ptr<Component> component) {
        Component* raw = component.get();
        Adopt(std::unique_ptr<TQRComponent>(std::move(component)));
        return raw;
    }
    // Frees a component owned here; false when this one does not own it.
    bool FreeOwned(TQRComponent* component);
    int ComponentCount() const { return static_cast<int>(m_Components.size()); }
    TQRComponent* Components(int index) const { return m_Components.at(index).get(); }

    // Both hear (Notification) when the other one is destroyed.
    void FreeNotification(TQRComponent* other);
    void RemoveFreeNotification(TQRComponent* other);

    // Loading from a stored layout: values arrive in any order and are put
    // in step once everything is there (Loaded).
    bool Loading() const { return m_Loading; }
    void BeginLoading() { m_Loading = true; }
    virtual void Loaded() { m_Loading = false; }
    bool Destroying() const { return m_Destroying; }

protected:
    // `component` is being destroyed; forget every pointer to it.
    virtual void Notification(TQRComponent* component) { (void)component; }
    // Frees the owned components now. Destructors of derived classes call
    // it first, so the owned ones never see a half-destroyed owner.
    void DestroyComponents();
    void MarkDestroying() { m_Destroying = true; }

private:
    void Adopt(std::unique_ptr<TQRComponent> component);

    std::string m_Name;
    TQRComponent* m_Owner = nullptr;
    std::vector<std::unique_ptr<TQRComponent>> m_Components;
    std::vector<TQRComponent*> m_FreeNotifies;
    bool m_Loading = false;
    bool m_Destroying = false;
};

} // namespace zel
