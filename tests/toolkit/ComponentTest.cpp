#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Component.h"

namespace {

std::vector<std::string> destroyed;

class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name) : TComponent(owner) { SetName(std::move(name)); }
    ~Probe() override { destroyed.push_back(Name()); }
    void Loaded() override
    {
        wasLoading = IsLoading();
        TComponent::Loaded();
    }
    void Notification(TComponent* c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove && c == watched)
            watched = nullptr;
    }
    TComponent* watched = nullptr;
    bool wasLoading = false;
};

TEST(Component, OwnerFreesOwnedComponentsNewestFirst)
{
    destroyed.clear();
    auto* owner = new Probe(nullptr, "owner");
    new Probe(owner, "a");
    new Probe(owner, "b");
    new Probe(owner, "c");
    EXPECT_EQ(owner->ComponentCount(), 3);
    delete owner;
    EXPECT_EQ(destroyed, (std::vector<std::string>{"owner", "c", "b", "a"}));
}

TEST(Component, FreeingAComponentTellsThoseWatchingIt)
{
    Probe owner(nullptr, "owner");
    auto* target = new Probe(nullptr, "target");
    auto* watcher = new Probe(&owner, "watcher");
    watcher->watched = target;
    target->FreeNotification(watcher);
    delete target;
    EXPECT_EQ(watcher->watched, nullptr);
}

TEST(Component, ComponentsCreatedWhileTheOwnerLoadsLoadToo)
{
    Probe owner(nullptr, "owner");
    owner.BeginLoading();
    auto* child = new Probe(&owner, "child");
    EXPECT_TRUE(child->IsLoading());
    child->Loaded();
    EXPECT_TRUE(child->wasLoading);
    EXPECT_FALSE(child->IsLoading());
    EXPECT_EQ(owner.FindComponent("child"), child);
    EXPECT_EQ(owner.FindComponent("nobody"), nullptr);
}

}  // namespace
