#include "scenery/Scenery.h"

#include "platform/Files.h"
#include "platform/PathRules.h"
#include "ui/Selectfolder.h"

S_DATA SceneryJob;
std::vector<A_DATA> AreaList;

namespace {

constexpr AREA_DEF kCatalogue2004[] = {
    {"Vellmora - AFCAD2", "Addon Scenery\\Vellmora\\AFCAD2"},
    {"Vellmora - ROKJ", "Addon Scenery\\Vellmora\\ROKJ"},
    {"Vellmora - RJOT", "Addon Scenery\\Vellmora\\RJOT"},
    {"Vellmora - RJAF", "Addon Scenery\\Vellmora\\RJAF"},
    {"Vellmora - RJSN", "Addon Scenery\\Vellmora\\RJSN"},
    {"Vellmora - RJSK", "Addon Scenery\\Vellmora\\RJSK"},
    {"Vellmora - RJSA", "Addon Scenery\\Vellmora\\RJSA"},
    {"Vellmora - Vehicles(Vol.2)", "Addon Scenery\\Vellmora\\KQ9_Vehicles"},
};

} // namespace

// The FS2002 edition has the same rows without the AFCAD2 area.
constinit const SceneryEdition kScenery2002{std::span<const AREA_DEF>(kCatalogue2004).subspan(1), false, false};
constinit const SceneryEdition kScenery2004{std::span<const AREA_DEF>(kCatalogue2004), true, true};

AreaPaths MakeAreaPaths(const std::string& boxPath, const std::string& addonPath) {
    AreaPaths paths;
    paths.simulatorFolder = CopyTrimPath(boxPath);
    paths.packageBase = addonPath;
    TrimPath(paths.packageBase);
    paths.addonPath = addonPath;
    paths.sameFolder = platform::EqualsIgnoringAsciiCase(CopyTrimPath(addonPath), paths.simulatorFolder);
    return paths;
}

std::string ConfigPath(const std::string& simulatorFolder) {
    return simulatorFolder + "\\scenery.cfg";
}

std::string NewConfigPath(const std::string& simulatorFolder) {
    return simulatorFolder + "\\NewScenery.CFG";
}

std::string AreaFolder(const AreaPaths& paths, const AREA_DEF& row) {
    return paths.packageBase + "\\" + row.Folder;
}

std::string SceneryFolder(const AreaPaths& paths, const AREA_DEF& row) {
    return AreaFolder(paths, row) + "\\Scenery";
}

std::string BglPattern(const std::string& folder) {
    return folder + "\\*.bgl";
}

std::string LocalOf(const AreaPaths& paths, const AREA_DEF& row) {
    if (paths.sameFolder)
        return row.Folder;
    // The first two characters: the drive of a drive path.
    const std::string_view addonHead = std::string_view(paths.addonPath).substr(0, 2);
    const std::string_view simulatorHead = std::string_view(paths.simulatorFolder).substr(0, 2);
    const std::string folder = AreaFolder(paths, row);
    if (!platform::EqualsIgnoringAsciiCase(addonHead, simulatorHead))
        return folder;
    // Two network paths on different servers have no common root: the absolute folder then too.
    return platform::RelativePathTo(paths.simulatorFolder, folder).value_or(folder);
}

bool HasBgl(const std::string& folder) {
    return platform::AnyMatch(BglPattern(folder));
}
