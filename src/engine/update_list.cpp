#include "update_list.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<std::shared_ptr<UpdateObject>> update_list;

void Erase(const UpdateObject* object) {
    update_list.erase(std::remove_if(update_list.begin(), update_list.end(),
                                     [object](const std::shared_ptr<UpdateObject>& u) { return u.get() == object; }),
                      update_list.end());
}
}  // namespace

void UpdateList::AddUpdate(float delay, std::function<void()> callback, int id) {
    auto u = std::make_shared<UpdateObject>();
    u->id = id;
    u->counter = delay;
    u->Callback = std::move(callback);
    update_list.push_back(std::move(u));
}

void UpdateList::RemoveUpdate(int id) {
    for (auto& u : update_list)
        if (u->id == id) u->removed = true;
    update_list.erase(std::remove_if(update_list.begin(), update_list.end(),
                                     [id](const std::shared_ptr<UpdateObject>& u) { return u->id == id; }),
                      update_list.end());
}

void UpdateList::Update(float dt) {
    // Callbacks may add or remove timers (or switch scenes): walk a copy of the list as it was.
    const std::vector<std::shared_ptr<UpdateObject>> timers = update_list;
    for (const auto& u : timers) {
        if (u->removed) continue;
        u->counter -= dt;
        if (u->counter > 0) continue;
        u->removed = true;
        Erase(u.get());
        if (u->Callback) u->Callback();
    }
}

int UpdateList::Count() { return static_cast<int>(update_list.size()); }

void UpdateList::Clear() {
    for (auto& u : update_list) u->removed = true;
    update_list.clear();
}
