#include "support/SmallStack.h"

#include <gtest/gtest.h>

#include <pthread.h>

void RunOnSmallStack(const std::function<void()>& fn)
{
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 256 * 1024);
    pthread_t thread;
    auto body = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    const int created = pthread_create(&thread, &attr, body, const_cast<std::function<void()>*>(&fn));
    pthread_attr_destroy(&attr);
    ASSERT_EQ(created, 0);
    pthread_join(thread, nullptr);
}
