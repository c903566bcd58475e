// Helper program of RequireOrSkipTest: one test whose tool is missing and one whose tool is
// present, run with and without PHRASEBOOK_REQUIRE_TEST_TOOLS. Not registered with CTest.
#include "support/TestSupport.h"

#include <cstdio>

TEST(RequireOrSkipProbe, MissingTool)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(false, "the probe's tool");
    std::printf("missing-tool body ran\n");
}

TEST(RequireOrSkipProbe, PresentTool)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(true, "the probe's tool");
    std::printf("present-tool body ran\n");
}
