#pragma once
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
constexpr int64_t ChannelThreadMinimum = 32768;

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
    // True when a hold on this thread took the message.
    static bool Catch();

private:
    MemoryMessageHold* previous;
    bool wanted = false;
};

void ShowMemoryMessage();

// Runs left() and then, when it gives true, right(), exactly as one thread
// would: with `apart` they run at the same time, and the memory message is
// shown afterwards, once: the left channel's, or the right one's when left()
// gave true (a right channel that one thread would not have run shows
// nothing). Without a thread to be had, one thread does both.
template <class Left, class Right>
void RunChannels(bool apart, Left&& left, Right&& right)
{
    if (apart) {
        bool rightWanted = false;
        std::exception_ptr rightError;
        bool leftGoesOn = false;
        bool leftWanted = false;
        std::thread other;
        try {
            other = std::thread([&] {
                MemoryMessageHold hold;
                try {
                    right();
                } catch (...) {
                    rightError = std::current_exception();
                }
                rightWanted = hold.Wanted();
            });
        } catch (const std::system_error&) {
            apart = false;
        }
        if (apart) {
            try {
                MemoryMessageHold hold;
                leftGoesOn = left();
                leftWanted = hold.Wanted();
            } catch (...) {
                other.join();
                throw;
            }
            other.join();
            if (leftWanted || (leftGoesOn && rightWanted))
                ShowMemoryMessage();
            if (rightError && leftGoesOn)
                std::rethrow_exception(rightError);
            return;
        }
    }
    if (left())
        right();
}
