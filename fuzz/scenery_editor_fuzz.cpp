// The scenery.cfg editor on arbitrary file contents with the FS2004 package's areas: check, add
// every area, then delete some of them with the backup and its read-only question, as the
// register and delete procedures call the editor. Properties of the file after each call are
// checked, not only the absence of crashes.
#include "env/Language.h"
#include "framework/IniDocument.h"
#include "framework/Messages.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "scenery/Inifile.h"
#include "scenery/Scenery.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

using fuzz::Model;
namespace fs = std::filesystem;

// The read-only question, answered from the script; any other box is a fault here.
class ScriptedMessages : public fw::Messages {
public:
    explicit ScriptedMessages(bool yes) : yes_(yes) {}
    fw::MsgResult Show(fw::MsgKind kind, const std::string& text, const std::string&) override {
        FUZZ_CHECK(kind == fw::MsgKind::Question);
        ++questions;
        lastText = text;
        return yes_ ? fw::MsgResult::Yes : fw::MsgResult::No;
    }
    int questions = 0;
    std::string lastText;

private:
    bool yes_;
};

std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(Native(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(Native(path).c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    FUZZ_CHECK(std::fclose(file) == 0);
}

bool Writable(const std::string& path) {
    struct stat st;
    return ::stat(Native(path).c_str(), &st) == 0 && (st.st_mode & S_IWUSR) != 0;
}

// Only the file and its backup may be left in the folder: a save leaves no temporary behind.
void ExpectNoStrayFiles(const std::string& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        FUZZ_CHECK(name == "scenery.cfg" || name == "scenery.QZ_BAK");
    }
}

void EmptyFolder(const std::string& folder) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
}

bool IsArea(std::string_view name) {
    return name.size() == 8 && fuzz::SameName(name.substr(0, 5), "Area.");
}

// The bytes of a save: what loading and saving them again gives.
bool IsSavedDocument(const std::string& bytes) {
    return Model::Parse(bytes).Serialize() == bytes && fw::IniDocument::Parse(bytes).Serialize() == bytes;
}

bool LoadsBack(const std::string& path, const std::string& bytes) {
    fw::IniDocument::LoadResult load = fw::IniDocument::Load(path);
    return load.ok && load.document.Serialize() == Model::Parse(bytes).Serialize();
}

// `part` is `whole` with some elements left out, the rest in order.
bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
    std::size_t at = 0;
    for (const std::string& name : whole)
        if (at < part.size() && part[at] == name)
            ++at;
    return at == part.size();
}

std::vector<std::string> OtherNames(const std::vector<std::string>& names) {
    std::vector<std::string> others;
    std::copy_if(names.begin(), names.end(), std::back_inserter(others),
                 [](const std::string& n) { return !IsArea(n); });
    return others;
}

// The largest Layer held by any area section, read from its own lines: a section hidden behind an
// earlier one of the same name comes to light when that one is removed, so it counts too.
std::optional<std::int64_t> LargestLayer(const Model& model) {
    std::optional<std::int64_t> largest;
    for (const fuzz::ModelSection& section : model.sections) {
        if (!IsArea(section.name))
            continue;
        for (const std::string& line : section.lines)
            if (Model::HoldsKey(line, "Layer")) {
                if (const auto layer = ConvertLayer(line.substr(line.find('=') + 1));
                    layer && (!largest || *layer > *largest))
                    largest = *layer;
                break;
            }
    }
    return largest;
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        c = fuzz::Fold(c);
    return folded;
}

// Exist as the file says: some area section's Local equals the entry's, ASCII case ignored.
std::vector<bool> Listed(Model& model, const std::vector<A_DATA>& areas) {
    std::set<std::string> locals;
    for (const std::string& name : model.Names())
        if (IsArea(name))
            locals.insert(Folded(model.Read(name, "Local", "")));
    std::vector<bool> listed;
    for (const A_DATA& area : areas)
        listed.push_back(locals.count(Folded(area.Local)) != 0);
    return listed;
}

// How many area sections have each name, ASCII case ignored.
std::map<std::string, std::size_t> AreaNameCounts(const std::vector<std::string>& names) {
    std::map<std::string, std::size_t> counts;
    for (const std::string& name : names)
        if (IsArea(name))
            ++counts[Folded(name)];
    return counts;
}

bool AllDistinct(const std::map<std::string, std::size_t>& counts) {
    return std::all_of(counts.begin(), counts.end(), [](const auto& entry) { return entry.second == 1; });
}

std::vector<A_DATA> Fs2004Areas() {
    const std::string simulator = "C:\\Program Files\\Microsoft Games\\Flight Simulator 9";
    const AreaPaths paths = MakeAreaPaths(simulator, simulator);
    std::vector<A_DATA> areas;
    for (const AREA_DEF& row : kScenery2004.AreaCatalogue) {
        A_DATA area;
        area.Title = row.Title;
        area.Local = LocalOf(paths, row);
        area.Active = "TRUE";
        areas.push_back(area);
    }
    return areas;
}

void CheckStep(const std::string& file, std::vector<A_DATA>& areas, fuzz::Choices& choices) {
    const std::string before = ReadBytes(file);
    std::vector<bool> old;
    for (A_DATA& area : areas) {
        area.Exist = choices.Coin();
        old.push_back(area.Exist);
    }
    S_DATA job{file, static_cast<std::int32_t>(areas.size()), areas.data()};
    const EditResult result = CheckScenery(&job);
    FUZZ_CHECK(ReadBytes(file) == before);
    std::vector<bool> exist;
    for (const A_DATA& area : areas)
        exist.push_back(area.Exist);
    if (result.done) {
        Model model = Model::Parse(before);
        FUZZ_CHECK(exist == Listed(model, areas));
    } else {
        FUZZ_CHECK(!result.error.empty());
        FUZZ_CHECK(exist == old);
    }
}

void AddStep(const std::string& folder, const std::string& file, std::vector<A_DATA>& areas, bool readOnly) {
    const std::string before = ReadBytes(file);
    Model modelBefore = Model::Parse(before);
    const std::vector<std::string> namesBefore = modelBefore.Names();
    for (A_DATA& area : areas) {
        area.Add = true;
        area.Del = false;
    }
    S_DATA job{file, static_cast<std::int32_t>(areas.size()), areas.data()};
    const EditResult result = AddScenery(&job);
    const std::string after = ReadBytes(file);
    ExpectNoStrayFiles(folder);
    Model modelAfter = Model::Parse(after);
    const std::vector<std::string> namesAfter = modelAfter.Names();

    if (readOnly) { // the save is refused; the file stays as it was
        FUZZ_CHECK(!result.done);
        FUZZ_CHECK(after == before);
    }
    // Never torn: the old bytes, or a whole save that kept every section and only appended.
    FUZZ_CHECK(after == before ||
               (IsSavedDocument(after) && LoadsBack(file, after) && namesAfter.size() >= namesBefore.size() &&
                std::equal(namesBefore.begin(), namesBefore.end(), namesAfter.begin())));

    // Each appended section, also of a run that failed later, is an area section whose name no
    // other area section has, with a Layer that the next run can read; so distinct area names
    // before stay distinct.
    const auto counts = AreaNameCounts(namesAfter);
    for (std::size_t i = namesBefore.size(); i < namesAfter.size(); ++i) {
        FUZZ_CHECK(IsArea(namesAfter[i]));
        FUZZ_CHECK(counts.at(Folded(namesAfter[i])) == 1);
        FUZZ_CHECK(ConvertLayer(modelAfter.Read(namesAfter[i], "Layer", "")).has_value());
    }
    FUZZ_CHECK(!AllDistinct(AreaNameCounts(namesBefore)) || AllDistinct(counts));

    if (!result.done) {
        FUZZ_CHECK(!result.error.empty());
        return;
    }
    // Every entry had Add, so the file was saved.
    FUZZ_CHECK(result.error.empty());
    FUZZ_CHECK(IsSavedDocument(after));

    // Every area is listed now, unless it was reported as not added.
    const std::vector<bool> listed = Listed(modelAfter, areas);
    for (std::size_t i = 0; i < areas.size(); ++i)
        FUZZ_CHECK(listed[i] ||
                   std::find(result.notAdded.begin(), result.notAdded.end(), areas[i].Title) != result.notAdded.end());
}

void DelStep(const std::string& folder, const std::string& file, std::vector<A_DATA>& areas, bool readOnly, bool yes,
             fuzz::Choices& choices) {
    const std::string before = ReadBytes(file);
    const std::string backup = BackupName(file);
    Model modelBefore = Model::Parse(before);
    const std::vector<std::string> namesBefore = modelBefore.Names();
    const std::optional<std::int64_t> largestBefore = LargestLayer(modelBefore);
    std::size_t deleting = 0;
    for (A_DATA& area : areas) {
        area.Add = false;
        area.Del = choices.Coin();
        deleting += area.Del;
    }
    S_DATA job{file, static_cast<std::int32_t>(areas.size()), areas.data()};
    ScriptedMessages messages(yes);
    const EditResult result = DelScenery(&job, true, messages);
    const std::string after = ReadBytes(file);
    ExpectNoStrayFiles(folder);
    Model modelAfter = Model::Parse(after);
    const std::vector<std::string> namesAfter = modelAfter.Names();

    FUZZ_CHECK(messages.questions == (readOnly ? 1 : 0));
    if (readOnly)
        FUZZ_CHECK(messages.lastText.find(file) != std::string::npos);
    if (readOnly && !yes) { // refused: nothing touched, no backup
        FUZZ_CHECK(!result.done && result.error.empty());
        FUZZ_CHECK(after == before && !Writable(file));
        FUZZ_CHECK(!fs::exists(Native(backup)));
        return;
    }
    // The backup holds the file as it was before any change.
    FUZZ_CHECK(Writable(file));
    FUZZ_CHECK(ReadBytes(backup) == before);

    // The old bytes, or a whole save that removed area sections only, at most one per entry.
    const bool untouched = after == before;
    FUZZ_CHECK(untouched || (IsSavedDocument(after) && IsSubsequence(namesAfter, namesBefore) &&
                             OtherNames(namesAfter) == OtherNames(namesBefore) &&
                             namesBefore.size() - namesAfter.size() <= deleting && LoadsBack(file, after)));
    if (!result.done) {
        FUZZ_CHECK(!result.error.empty());
        return;
    }
    FUZZ_CHECK(result.error.empty());
    // No remaining layer is greater than the greatest before.
    if (const auto largestAfter = LargestLayer(modelAfter))
        FUZZ_CHECK(largestBefore && *largestAfter <= *largestBefore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::vector<A_DATA> areas = Fs2004Areas();
    const std::string& folder = fuzz::ProcessFolder();
    const std::string file = folder + "\\scenery.cfg";
    fuzz::Choices choices(data, size);
    Flag_Japanese = choices.Coin();
    const bool readOnly = choices.Below(6) == 0;
    const bool yes = choices.Coin();

    EmptyFolder(folder);
    WriteBytes(file, std::string_view(reinterpret_cast<const char*>(data), size));
    if (readOnly)
        fs::permissions(Native(file), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);

    CheckStep(file, areas, choices);
    AddStep(folder, file, areas, readOnly);
    DelStep(folder, file, areas, readOnly, yes, choices);
    return 0;
}
