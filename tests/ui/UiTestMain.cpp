// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the whole test program, on the offscreen platform, with a fixed locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
