#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Widget tests run offscreen, with the documents folder (and so the program's data folder) in a
// temporary home of their own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
