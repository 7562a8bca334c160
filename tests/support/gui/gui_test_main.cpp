// Runs GUI tests with a real QApplication (offscreen under CTest).
#include "platform/FakeAudioDevice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

int main(int argc, char** argv)
{
    // GUI tests always run offscreen, also when listed for discovery.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No GUI test reaches a sound card: the main window's player gets a test device.
    SetAudioDeviceFactory([] { return std::make_unique<FakeAudioDevice>(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
