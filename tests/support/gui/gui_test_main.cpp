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
    // Sizes and pixels compared by the tests are the program's own, not those a
    // desktop's scaling, font resolution, theme or style would give.
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                             "QT_QPA_PLATFORMTHEME", "QT_AUTO_SCREEN_SCALE_FACTOR",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY",
                             "QT_STYLE_OVERRIDE"})
        qunsetenv(name);
    QApplication app(argc, argv);
    // No GUI test reaches a sound card: the main window's player gets a test device.
    SetAudioDeviceFactory([] { return std::make_unique<FakeAudioDevice>(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
