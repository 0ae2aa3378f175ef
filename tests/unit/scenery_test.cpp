// The area catalogue, the path quantities and the Local rule.
#include "scenery/Scenery.h"
#include "tests/unit/SceneryTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, RowsOfBothEditions) {
    const std::pair<const char*, const char*> rows2002[] = {
        {"Vellmora - ROKJ", "Addon Scenery\\Vellmora\\ROKJ"},
        {"Vellmora - RJOT", "Addon Scenery\\Vellmora\\RJOT"},
        {"Vellmora - RJAF", "Addon Scenery\\Vellmora\\RJAF"},
        {"Vellmora - RJSN", "Addon Scenery\\Vellmora\\RJSN"},
        {"Vellmora - RJSK", "Addon Scenery\\Vellmora\\RJSK"},
        {"Vellmora - RJSA", "Addon Scenery\\Vellmora\\RJSA"},
        {"Vellmora - Vehicles(Vol.2)", "Addon Scenery\\Vellmora\\KQ9_Vehicles"},
    };
    ASSERT_EQ(kScenery2002.AreaCatalogue.size(), 7u);
    ASSERT_EQ(kScenery2004.AreaCatalogue.size(), 8u);
    EXPECT_STREQ(kScenery2004.AreaCatalogue[0].Title, "Vellmora - AFCAD2");
    EXPECT_STREQ(kScenery2004.AreaCatalogue[0].Folder, "Addon Scenery\\Vellmora\\AFCAD2");
    for (std::size_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(kScenery2002.AreaCatalogue[i].Title, rows2002[i].first);
        EXPECT_STREQ(kScenery2002.AreaCatalogue[i].Folder, rows2002[i].second);
        EXPECT_STREQ(kScenery2004.AreaCatalogue[i + 1].Title, rows2002[i].first);
        EXPECT_STREQ(kScenery2004.AreaCatalogue[i + 1].Folder, rows2002[i].second);
    }
    EXPECT_FALSE(kScenery2002.AskKeepAfcad2);
    EXPECT_FALSE(kScenery2002.SaveNewScenery);
    EXPECT_TRUE(kScenery2004.AskKeepAfcad2);
    EXPECT_TRUE(kScenery2004.SaveNewScenery);
}

TEST(AreaPaths, LocalRule) {
    struct Case {
        const char* what;
        std::string addon, box;
        bool same;
        std::string config, areaFolder, local; // for the ROKJ row
    };
    const std::string rokj = "Addon Scenery\\Vellmora\\ROKJ";
    const Case cases[] = {
        {"same folder, other case", "C:\\FS9\\", "c:\\fs9", true, "c:\\fs9\\scenery.cfg", "C:\\FS9\\" + rokj, rokj},
        {"other drive", "D:\\Pkg", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "D:\\Pkg\\" + rokj, "D:\\Pkg\\" + rokj},
        {"same drive, other case", "c:\\Pkg", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "c:\\Pkg\\" + rokj,
         "..\\Pkg\\" + rokj},
        {"below the simulator", "C:\\FS9\\Pkg", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "C:\\FS9\\Pkg\\" + rokj,
         ".\\Pkg\\" + rokj},
        {"box with two trailing backslashes", "C:\\Pkg", "C:\\FS9\\\\", false, "C:\\FS9\\scenery.cfg",
         "C:\\Pkg\\" + rokj, "..\\Pkg\\" + rokj},
        {"drive root box", "C:\\Pkg\\", "C:\\", false, "C:\\\\scenery.cfg", "C:\\Pkg\\" + rokj, ".\\Pkg\\" + rokj},
        {"drive root package", "D:\\", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "D:\\" + rokj, "D:\\" + rokj},
        {"package at a drive root of the same drive", "C:\\", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "C:\\" + rokj,
         "..\\" + rokj},
        {"network servers without a common root", "\\\\pkgserver\\share\\Pkg", "\\\\simserver\\FS9", false,
         "\\\\simserver\\FS9\\scenery.cfg", "\\\\pkgserver\\share\\Pkg\\" + rokj, "\\\\pkgserver\\share\\Pkg\\" + rokj},
        {"one network server", "\\\\server\\share\\Pkg", "\\\\server\\share\\FS9", false,
         "\\\\server\\share\\FS9\\scenery.cfg", "\\\\server\\share\\Pkg\\" + rokj, "..\\Pkg\\" + rokj},
        {"empty package folder", "", "C:\\FS9", false, "C:\\FS9\\scenery.cfg", "\\" + rokj, "\\" + rokj},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AreaPaths paths = MakeAreaPaths(c.box, c.addon);
        EXPECT_EQ(paths.sameFolder, c.same);
        EXPECT_EQ(ConfigPath(paths.simulatorFolder), c.config);
        const AREA_DEF& row = kScenery2002.AreaCatalogue[0];
        EXPECT_EQ(AreaFolder(paths, row), c.areaFolder);
        EXPECT_EQ(SceneryFolder(paths, row), c.areaFolder + "\\Scenery");
        EXPECT_EQ(LocalOf(paths, row), c.local);
    }
}

TEST(AreaPaths, HasBgl) {
    scenery_test::TempDir dir;
    scenery_test::WriteBytes(dir.Path("A\\Scenery\\AREA.BGL"), "");
    scenery_test::WriteBytes(dir.Path("B\\Scenery\\deep\\x.bgl"), "");
    EXPECT_TRUE(HasBgl(dir.Path("A\\Scenery")));
    EXPECT_FALSE(HasBgl(dir.Path("B\\Scenery")));
    EXPECT_FALSE(HasBgl(dir.Path("C\\Scenery")));
}

} // namespace
