#pragma once
// A folder of its own for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>

namespace tv::fakes {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Whole-file helpers for setting up and checking INI files byte for byte.
  static std::string ReadFile(const std::filesystem::path& file);
  static void WriteFile(const std::filesystem::path& file, const std::string& bytes);

 private:
  std::filesystem::path path_;
};

}  // namespace tv::fakes
