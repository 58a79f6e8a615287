// The main of the widget tests: they run inside the program's own Application, so that what
// leaves a handler goes through its one catch point and error box.
#include <gtest/gtest.h>

#include "app/Application.h"

int main(int argc, char** argv) {
    // Test discovery runs this program at build time, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
