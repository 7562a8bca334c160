#pragma once
#include <atomic>
#include <cstdint>
#include <exception>
#include <system_error>
#include <thread>

// The two channels of a stereo operation run on two threads when there is
// enough work to pay for starting one: the left on the caller's thread, the
// right on a thread of its own that ends before the operation returns. Each
// channel tests the shared stop flag before every chunk, as it does alone, so
// a stop (asked for from anywhere, or set by a failed allocation in the other
// channel) ends both within one chunk. The results are those of one thread.

// Samples per channel from which the second thread pays (see bench/README.md):
// below it, starting and joining the thread costs more than the channel saves.
constexpr int64_t ChannelThreadMinimum = int64_t(1) << 22;

inline bool ChannelsApart(int64_t samplesPerChannel)
{
    return samplesPerChannel >= ChannelThreadMinimum;
}

// While one lives on a thread, a failed sample allocation on that thread
// records the memory message here instead of showing it: the channels' threads
// must not show messages themselves, and an operation shows it once.
class MemoryMessageHold {
public:
    MemoryMessageHold();
    ~MemoryMessageHold();
    MemoryMessageHold(const MemoryMessageHold&) = delete;
    MemoryMessageHold& operator=(const MemoryMessageHold&) = delete;

    bool Wanted() const { return wanted; }
    bool TooLongWanted() const { return tooLong; }
    // True when a hold on this thread took the message.
    static bool Catch();
    // The same for the message that a result would pass the longest wave.
    static bool CatchTooLong();

private:
    MemoryMessageHold* previous;
    bool wanted = false;
    bool tooLong = false;
};

// Shows what the channels' holds took, each message once.
void ShowHeldMessages(bool memory, bool tooLong);

// Shows the memory message, or gives it to the hold of this thread when there is one.
void ShowMemoryMessage();

// Runs left() and then, when it gives true, right(), with the results of one
// thread. With `apart` the left runs on the caller's thread and the right on
// whichever thread is free first: a thread started for it, or the caller when
// that thread has not begun by the time the left is done (a busy machine may
// keep it waiting), in which case the caller goes on as one thread would.
// When both ran at once, the memory message is shown afterwards, once, when
// either channel could not get its memory (a failure in the right channel
// stops the left one too, through the flag, so the left may give false without
// a message of its own). Without a thread to be had, one thread does both.
template <class Left, class Right>
void RunChannels(bool apart, Left&& left, Right&& right)
{
    if (!apart) {
        if (left())
            right();
        return;
    }
    std::atomic<bool> rightTaken{false};
    auto takeRight = [&] { return !rightTaken.exchange(true, std::memory_order_acq_rel); };
    bool rightWanted = false;
    bool rightTooLong = false;
    std::exception_ptr rightError;
    std::thread other;
    try {
        other = std::thread([&] {
            if (!takeRight())
                return;
            MemoryMessageHold hold;
            try {
                right();
            } catch (...) {
                rightError = std::current_exception();
            }
            rightWanted = hold.Wanted();
            rightTooLong = hold.TooLongWanted();
        });
    } catch (const std::system_error&) {
        if (left())
            right();
        return;
    }
    bool leftGoesOn = false;
    bool leftWanted = false;
    bool leftTooLong = false;
    try {
        MemoryMessageHold hold;
        leftGoesOn = left();
        leftWanted = hold.Wanted();
        leftTooLong = hold.TooLongWanted();
    } catch (...) {
        takeRight();
        other.join();
        throw;
    }
    if (takeRight()) {
        // The other thread never began: this one finishes as one thread would.
        ShowHeldMessages(leftWanted, leftTooLong);
        try {
            if (leftGoesOn)
                right();
        } catch (...) {
            other.join();
            throw;
        }
        other.join();
        return;
    }
    other.join();
    ShowHeldMessages(leftWanted || rightWanted, leftTooLong || rightTooLong);
    if (rightError && leftGoesOn)
        std::rethrow_exception(rightError);
}
