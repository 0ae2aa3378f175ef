#pragma once
// Folders and files of a scenario on the Wine drives (C:\...), made by the test process and
// compared byte for byte afterwards. Paths are Windows paths in the ANSI code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace robot::files {

bool Exists(const std::string& path);
bool IsFolder(const std::string& path);
// Creates the folder and every missing parent.
void MakeFolder(const std::string& path);
// Writes `bytes` as the whole file (parents are created).
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
void Copy(const std::string& from, const std::string& to);
// Removes the folder with everything below it, read-only files too; nothing when it is absent.
void RemoveTree(const std::string& path);
void SetReadOnly(const std::string& path, bool readOnly);
bool IsReadOnly(const std::string& path);
// Names of the entries of `folder` (not "." and ".."), sorted.
std::vector<std::string> List(const std::string& folder);
// `folder` + "\" + `name`, with one backslash between.
std::string Join(const std::string& folder, const std::string& name);
// The Windows path of a Unix path (Wine's Z: drive).
std::string FromUnix(const std::string& unixPath);

// For EXPECT_TRUE/ASSERT_TRUE: the file holds exactly `expected`; on failure, the first offset
// and line that differ.
::testing::AssertionResult HasBytes(const std::string& path, const std::string& expected);
// The same against the contents of another file.
::testing::AssertionResult SameBytes(const std::string& path, const std::string& expectedPath);

} // namespace robot::files
