#pragma once
// A receiver's commands as one table: which ids it takes (one id, or a family
// such as the zoom levels), what carries each out and when it is enabled.
#include <span>

template <class Receiver>
struct CommandRoute
{
    int id;                    // 0 for a family
    bool (*inFamily)(int id);  // the family's test when id is 0
    void (*run)(Receiver& receiver, int id);
    bool (*enabled)(const Receiver& receiver, int id) = nullptr; // null: always

    bool Takes(int commandId) const { return id ? id == commandId : inFamily(commandId); }
    bool IsEnabled(const Receiver& receiver, int commandId) const { return !enabled || enabled(receiver, commandId); }
};

// The first route that takes the id; null when none does.
template <class Receiver>
const CommandRoute<Receiver>* FindRoute(std::span<const CommandRoute<Receiver>> routes, int id)
{
    for (const CommandRoute<Receiver>& route : routes) {
        if (route.Takes(id))
            return &route;
    }
    return nullptr;
}
