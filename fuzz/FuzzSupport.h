#pragma once
// What both fuzz targets share: a plain model of scenery.cfg as the programs read and write it
// (kept deliberately simple, so that the optimised document can be checked against it), a
// deterministic choice source seeded from the input, and the property check.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fuzz {

// A violated property: say which, then abort so that libFuzzer keeps the input.
[[noreturn]] inline void Fail(const char* what, int line) {
    std::fprintf(stderr, "property violated (line %d): %s\n", line, what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::fuzz::Fail(#condition, __LINE__);                                                                        \
    } while (0)

inline char Fold(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    return true;
}

// The text with ASCII letters of the other case, so that lookups must ignore case.
inline std::string SwapCase(std::string_view text) {
    std::string swapped(text);
    for (char& c : swapped) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return swapped;
}

struct ModelSection {
    std::string name;
    std::vector<std::string> lines;
};

// The file format, written out the long way.
struct Model {
    std::vector<ModelSection> sections;

    static Model Parse(std::string_view bytes) {
        Model model;
        if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
            bytes = bytes.substr(0, nul);
        std::vector<std::string> lines;
        std::string line;
        bool pending = false;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
                lines.push_back(line);
                line.clear();
                pending = false;
            } else {
                line += c;
                pending = true;
            }
        }
        if (pending)
            lines.push_back(line);
        ModelSection* current = nullptr;
        for (const std::string& l : lines) {
            if (l.empty() || l[0] == ';')
                continue;
            if (l.size() >= 2 && l.front() == '[' && l.back() == ']') {
                model.sections.push_back({l.substr(1, l.size() - 2), {}});
                current = &model.sections.back();
            } else if (current) {
                current->lines.push_back(l);
            }
        }
        return model;
    }

    // The first section of that name. Linear at heart; the index of first sections by folded name
    // only keeps large files fast and is rebuilt after every change.
    ModelSection* Find(std::string_view name) {
        if (!indexed_) {
            first_.clear();
            for (std::size_t i = 0; i < sections.size(); ++i)
                first_.emplace(Folded(sections[i].name), i);
            indexed_ = true;
        }
        const auto it = first_.find(Folded(name));
        return it == first_.end() ? nullptr : &sections[it->second];
    }

    static bool HoldsKey(std::string_view line, std::string_view key) {
        const auto eq = line.find('=');
        return eq != std::string_view::npos && SameName(line.substr(0, eq), key);
    }

    std::string Read(std::string_view name, std::string_view key, std::string_view fallback) {
        if (ModelSection* section = Find(name))
            for (const std::string& line : section->lines)
                if (HoldsKey(line, key))
                    return line.substr(line.find('=') + 1);
        return std::string(fallback);
    }

    void Write(std::string_view name, std::string_view key, std::string_view value) {
        ModelSection* section = Find(name);
        if (!section) {
            sections.push_back({std::string(name), {}});
            indexed_ = false;
            section = &sections.back();
        }
        const std::string line = std::string(key) + "=" + std::string(value);
        for (std::string& existing : section->lines)
            if (HoldsKey(existing, key)) {
                existing = line;
                return;
            }
        section->lines.push_back(line);
    }

    void Erase(std::string_view name) {
        for (auto it = sections.begin(); it != sections.end(); ++it)
            if (SameName(it->name, name)) {
                sections.erase(it);
                indexed_ = false;
                return;
            }
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const ModelSection& section : sections)
            names.push_back(section.name);
        return names;
    }

    std::string Serialize() const {
        std::string bytes;
        for (const ModelSection& section : sections) {
            bytes += "[" + section.name + "]\r\n";
            for (const std::string& line : section.lines)
                bytes += line + "\r\n";
            bytes += "\r\n";
        }
        return bytes;
    }

    bool operator==(const Model& other) const {
        if (sections.size() != other.sections.size())
            return false;
        for (std::size_t i = 0; i < sections.size(); ++i)
            if (sections[i].name != other.sections[i].name || sections[i].lines != other.sections[i].lines)
                return false;
        return true;
    }

private:
    static std::string Folded(std::string_view name) {
        std::string folded(name);
        for (char& c : folded)
            c = Fold(c);
        return folded;
    }
    std::unordered_map<std::string, std::size_t> first_;
    bool indexed_ = false;
};

// Choices drawn from a hash of the input, so that every input replays exactly.
class Choices {
public:
    Choices(const std::uint8_t* data, std::size_t size) {
        std::uint64_t hash = 14695981039346656037ull;
        for (std::size_t i = 0; i < size; ++i)
            hash = (hash ^ data[i]) * 1099511628211ull;
        state_ = hash;
    }
    std::uint64_t Next() { // splitmix64
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }
    bool Coin() { return (Next() & 1) != 0; }

private:
    std::uint64_t state_;
};

// A fresh folder for this process: below $QUILLET_FUZZ_TMP when set, else on tmpfs when there is
// one (every save calls fsync). libFuzzer ends with _Exit, which skips the removal here, so
// tools/fuzz.sh points $QUILLET_FUZZ_TMP into its own working folder.
class ProcessFolderHolder {
public:
    ProcessFolderHolder() {
        std::error_code ignored;
        const char* chosen = std::getenv("QUILLET_FUZZ_TMP");
        const std::filesystem::path base = chosen && *chosen ? chosen
                                           : std::filesystem::is_directory("/dev/shm", ignored)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "quillet-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            Fail("mkdtemp", __LINE__);
        path_ = pattern;
    }
    ~ProcessFolderHolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline const std::string& ProcessFolder() {
    static const ProcessFolderHolder holder;
    return holder.path();
}

} // namespace fuzz
