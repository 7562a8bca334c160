#pragma once
#include <utility>

// A service the GUI or a test installs, standing in for a built-in fallback
// while none is installed. Installing gives back the previous one.
template <class Service>
class ServiceSlot {
public:
    explicit ServiceSlot(Service& fallback) : fallback(fallback) {}
    Service& Get() const { return current ? *current : fallback; }
    Service* Set(Service* service) { return std::exchange(current, service); }

private:
    Service& fallback;
    Service* current = nullptr;
};
