#pragma once

// Whoever shows the hourglass: the GUI sets and restores the application's cursor.
class TBusyCursorHost {
public:
    virtual ~TBusyCursorHost() = default;
    virtual void ShowBusy() = 0;
    virtual void ShowNormal() = 0;
};

// The busy cursor nests: the hourglass goes up with the first BeginBusy and down
// with the matching last EndBusy; an unmatched EndBusy does nothing.
class TBusyCursor {
public:
    explicit TBusyCursor(TBusyCursorHost* host = nullptr) : host(host) {}
    void SetHost(TBusyCursorHost* newHost) { host = newHost; }

    void BeginBusy();
    void EndBusy();
    int Depth() const { return depth; }
    bool IsBusy() const { return depth > 0; }

private:
    TBusyCursorHost* host;
    int depth = 0;
};

// Keeps the hourglass up for its own lifetime, so no path can leave it behind.
class TBusyGuard {
public:
    explicit TBusyGuard(TBusyCursor& cursor) : cursor(cursor) { cursor.BeginBusy(); }
    ~TBusyGuard() { cursor.EndBusy(); }
    TBusyGuard(const TBusyGuard&) = delete;
    TBusyGuard& operator=(const TBusyGuard&) = delete;

private:
    TBusyCursor& cursor;
};
