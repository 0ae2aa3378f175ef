#pragma once
// Temp folders and files for the scenery tests. Paths handed to the code under test are
// Windows-style ("\" between the parts below the temp root), as the POSIX file services map them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace scenery_test {

// Turns "\" into "/" as the POSIX file services do.
inline std::string Native(std::string path) {
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(Native(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    const std::filesystem::path native(Native(path));
    std::filesystem::create_directories(native.parent_path());
    std::ofstream out(native, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

inline bool Exists(const std::string& path) {
    return std::filesystem::exists(Native(path));
}

// A file of tests/unit/data.
inline std::string Data(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path() / "data" / name).string();
}

// A fixture of tests/fixtures (real scenery.cfg files).
inline std::string Fixture(const std::string& name) {
    return (std::filesystem::path(__FILE__).parent_path().parent_path() / "fixtures" / name).string();
}

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "scenery-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            ADD_FAILURE() << "mkdtemp failed";
        root_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The root joined with a Windows-style relative path: Path("FS9\\scenery.cfg").
    std::string Path(const std::string& relative = {}) const {
        return relative.empty() ? root_ : root_ + "\\" + relative;
    }

private:
    std::string root_;
};

} // namespace scenery_test
