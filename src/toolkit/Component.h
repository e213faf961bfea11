#pragma once
// TComponent: the root of everything a form's data create. An owner frees the
// components it owns, in reverse order of creation, and tells the others when
// one goes away so nobody keeps a dangling pointer.

#include <functional>
#include <string>
#include <vector>

enum TComponentStateFlag : unsigned {
    csLoading = 1,
    csReading = 2,
    csDestroying = 4,
    csDesigning = 8,
};

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    // The toolkit class name; the skin engine matches controls by it.
    virtual const char* ClassName() const { return "TComponent"; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return int(components_.size()); }
    TComponent* FindComponent(const std::string& name) const;

    unsigned ComponentState() const { return state_; }
    bool IsLoading() const { return state_ & csLoading; }
    bool IsDestroying() const { return state_ & csDestroying; }

    // Form data: properties are set between BeginLoading and Loaded.
    void BeginLoading() { state_ |= csLoading | csReading; }
    virtual void Loaded();

    // Called on every component of the owner when one is inserted or removed,
    // and on the components that asked with FreeNotification.
    virtual void Notification(TComponent* component, TOperation operation);
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    int Tag = 0;

protected:
    // Marks the component as going away; the first destructor to run calls it.
    void Destroying() { state_ |= csDestroying; }
    // Frees the owned components, newest first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    unsigned state_ = 0;
};

// The standard event: the component that raised it.
using TNotifyEvent = std::function<void(TComponent* sender)>;
