// Window tests: a real QApplication on the X server the test command starts.
#include "app/apparence.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    quillon::preparer_application(app);
    return RUN_ALL_TESTS();
}
