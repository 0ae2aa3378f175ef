#pragma once
// The package's scenery areas: the catalogue of each edition, the program-wide work list that a
// register or delete run fills, the paths of the areas, and the register and delete procedures
// behind the scenery buttons. Paths are ANSI byte strings; box texts and messages are UTF-8.
#include "framework/Messages.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One row of the catalogue: the area's title and its folder below the package folder.
struct AREA_DEF {
    const char* Title;
    const char* Folder;
};

// What tells the editions apart in scenery work.
struct SceneryEdition {
    // Walked from row 0 upwards: earlier rows get the lower new area numbers and layers.
    std::span<const AREA_DEF> AreaCatalogue;
    // The delete run asks before removing row 0, the AFCAD2 area that other packages share.
    bool AskKeepAfcad2;
    // A successful run leaves a copy of scenery.cfg as NewScenery.CFG.
    bool SaveNewScenery;
};

extern const SceneryEdition kScenery2002;
extern const SceneryEdition kScenery2004;

// One area of one run.
struct A_DATA {
    bool Add = false;   // register run: first "has scenery files", then "to be added"
    bool Del = false;   // its section is to be removed
    bool Exist = false; // scenery.cfg lists it (set by CheckScenery)
    std::string Title;
    std::string Local; // the area's identity in scenery.cfg
    std::string Active;
};

// One register or delete job: `Count` records from `Data` (always AreaList), not owned.
struct S_DATA {
    std::string FileName; // scenery.cfg
    std::int32_t Count = 0;
    A_DATA* Data = nullptr;
};

// The program-wide work list; entry i stands for catalogue row i. Each run overwrites the fields
// it uses before reading them.
extern S_DATA SceneryJob;
extern std::vector<A_DATA> AreaList;

// The paths a run derives from the simulator folder box and the package folder.
struct AreaPaths {
    std::string simulatorFolder; // the box text less trailing "\" (a drive root keeps its own)
    std::string packageBase;     // the package folder less every trailing "\"
    std::string addonPath;       // the package folder as read
    bool sameFolder = false;     // the package folder is the simulator folder, case ignored
};
AreaPaths MakeAreaPaths(const std::string& boxPath, const std::string& addonPath);

std::string ConfigPath(const std::string& simulatorFolder);
std::string NewConfigPath(const std::string& simulatorFolder);
std::string AreaFolder(const AreaPaths& paths, const AREA_DEF& row);
std::string SceneryFolder(const AreaPaths& paths, const AREA_DEF& row);
// The search pattern for scenery files in a folder.
std::string BglPattern(const std::string& folder);

// The row's Local text: its own folder text when the package is the simulator folder; the
// absolute area folder when the two lie on different drives or share no root; otherwise the
// relative path from the simulator folder to the area folder.
std::string LocalOf(const AreaPaths& paths, const AREA_DEF& row);

// True when the folder itself (not its subfolders) holds an entry matching *.bgl, case ignored.
bool HasBgl(const std::string& folder);

// The procedures. `boxText` is the simulator folder box's text, `addonPath` the package folder.
// Each shows its own boxes and answers whether the run went through.
bool RegisterScenery(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                     fw::Messages& messages);
bool UnregisterScenery(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                       fw::Messages& messages);
// Copies scenery.cfg to NewScenery.CFG in the simulator folder; a failed copy is not reported.
void SaveNewSceneryCfg(const std::string& boxText, fw::Messages& messages);

// The scenery buttons: question, procedure, the edition's copy, completion box.
void SceneryAddButton(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                      fw::Messages& messages);
void SceneryDelButton(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                      fw::Messages& messages);
