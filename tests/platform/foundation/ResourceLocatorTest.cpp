#include "platform/foundation/ResourceLocator.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(ResourceLocator, CommandLineThenEnvironmentThenInstalledLayout)
{
    const QString fromOption = TestSupport::freshDirectory("option");
    const QString fromEnvironment = TestSupport::freshDirectory("environment");
    QDir().mkpath(fromOption + "/resources.bundle");
    QDir().mkpath(fromEnvironment + "/resources.bundle");
    QDir().mkpath(fromEnvironment + "/EnglishAcousticModel.bundle");

    qputenv("PHRASEBOOK_RESOURCES", QFile::encodeName(fromEnvironment));
    ResourceLocator::setCommandLineRoot(fromOption);
    EXPECT_EQ(ResourceLocator::resourceRoot(), fromOption);
    EXPECT_EQ(ResourceLocator::bundlePath("resources"), fromOption + "/resources.bundle");
    // A bundle missing from the chosen root is reported missing, not found elsewhere.
    EXPECT_TRUE(ResourceLocator::bundlePath("EnglishAcousticModel").isEmpty());
    EXPECT_TRUE(ResourceLocator::describeSearch().contains(fromOption));

    ResourceLocator::setCommandLineRoot(QString());
    EXPECT_EQ(ResourceLocator::resourceRoot(), fromEnvironment);
    EXPECT_EQ(ResourceLocator::bundlePath("EnglishAcousticModel"),
              fromEnvironment + "/EnglishAcousticModel.bundle");

    // An explicit root that does not exist is still the one used, so the error names it.
    qputenv("PHRASEBOOK_RESOURCES", QFile::encodeName(fromEnvironment + "/typo"));
    EXPECT_EQ(ResourceLocator::resourceRoot(), fromEnvironment + "/typo");
    EXPECT_TRUE(ResourceLocator::bundlePath("resources").isEmpty());

    // Without either: the build tree's share/phrasebook (beside bin/).
    qunsetenv("PHRASEBOOK_RESOURCES");
    EXPECT_EQ(ResourceLocator::resourceRoot(), QDir::cleanPath(PHRASEBOOK_TEST_RESOURCE_ROOT));
}
