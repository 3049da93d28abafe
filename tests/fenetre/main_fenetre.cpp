// Window and package tests: a real QApplication on the X server the test
// command starts.
#include "app/apparence.h"
#include "common/dossier.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Settings (the colours file) go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    quillon::preparer_application(app);
    // The texts as written, whatever the system's language.
    quillon::appliquer_langue(QStringLiteral("fr"), quillon::dossier_programme());
    return RUN_ALL_TESTS();
}
