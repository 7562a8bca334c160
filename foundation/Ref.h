#pragma once
#include <atomic>
#include <cstdint>
#include <utility>

// Reference-counted base: owners AddRef when they take the object and Release
// when they let go; the Release that reaches zero destroys it through DeleteThis.
// A new object has count 0 and belongs to its creator until an owner takes it.
// The count is atomic: the volume writer holds waves from its own thread.
class TRef {
public:
    TRef() = default;
    TRef(const TRef&) = delete;
    TRef& operator=(const TRef&) = delete;

    void AddRef() { count.fetch_add(1, std::memory_order_relaxed); }
    void Release()
    {
        if (count.fetch_sub(1, std::memory_order_acq_rel) == 1)
            DeleteThis();
    }
    int32_t GetCount() const { return count.load(std::memory_order_acquire); }

protected:
    virtual ~TRef() = default;
    virtual void DeleteThis() = 0;

private:
    std::atomic<int32_t> count{0};
};

// An owning handle to a TRef object: AddRef on taking, Release on letting go.
template <class T>
class RefPtr {
public:
    RefPtr() = default;
    RefPtr(T* object) : p(object) { if (p) p->AddRef(); }
    RefPtr(const RefPtr& other) : p(other.p) { if (p) p->AddRef(); }
    RefPtr(RefPtr&& other) noexcept : p(std::exchange(other.p, nullptr)) {}
    ~RefPtr() { if (p) p->Release(); }

    RefPtr& operator=(RefPtr other) noexcept
    {
        std::swap(p, other.p);
        return *this;
    }

    T* get() const { return p; }
    T* operator->() const { return p; }
    T& operator*() const { return *p; }
    explicit operator bool() const { return p != nullptr; }
    void reset() { RefPtr().swap(*this); }
    void swap(RefPtr& other) noexcept { std::swap(p, other.p); }

    friend bool operator==(const RefPtr& a, const RefPtr& b) { return a.p == b.p; }

private:
    T* p = nullptr;
};
