// No test of the window reads or writes the user's own settings: Qt's standard folders point
// into a test area before any test runs (and before any settings file is opened).

#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

class TestSettingsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new TestSettingsEnvironment);

}  // namespace
