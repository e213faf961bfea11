#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner)
{
    if (owner && owner->IsLoading())
        BeginLoading();
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    for (TComponent* c : std::vector<TComponent*>(freeNotifies_)) {
        c->RemoveFreeNotification(this);
        c->Notification(this, TOperation::opRemove);
    }
    freeNotifies_.clear();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : components_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

void TComponent::Loaded()
{
    state_ &= ~(csLoading | csReading);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        RemoveFreeNotification(component);
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    std::erase(freeNotifies_, component);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from components_
    }
}

void TComponent::InsertComponent(TComponent* component)
{
    component->owner_ = this;
    components_.push_back(component);
    for (TComponent* c : components_)
        if (c != component)
            c->Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    std::erase(components_, component);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
    for (TComponent* c : components_)
        c->Notification(component, TOperation::opRemove);
}
