#pragma once
// Profile calls against the portable INI layer, with Windows paths mapped into a test folder:
// "C:\Tv\Settings.ini" is <root>/c/tv/settings.ini (lower case, as Windows ignores case),
// win.ini is <root>/c/windows/win.ini, a bare file name resolves to the Windows folder the
// way the platform's profile calls do, and other relative paths to the current directory.

#include <filesystem>
#include <string>

#include "app/ini_file.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace tv::fakes {

class FakeFileSystem : public FileSystem {
 public:
  bool ChangeDirectory(const std::string& path) override {
    current_ = path;
    return true;
  }
  std::string CurrentDirectory() override { return current_; }
  const std::string& Current() const { return current_; }

 private:
  std::string current_ = "C:\\";
};

class FakeProfile : public Profile {
 public:
  FakeProfile(std::filesystem::path root, const FakeFileSystem& files)
      : root_(std::move(root)), files_(files) {}

  std::uint32_t ReadWinIni(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size) override {
    return ReadString(section, key, def, buffer, size, "win.ini");
  }
  bool WriteWinIni(const char* section, const char* key, const char* value) override {
    return WriteString(section, key, value, "win.ini");
  }
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) override {
    return ini::GetString(section, key, def, buffer, size, HostPath(file).c_str());
  }
  int ReadInt(const char* section, const char* key, int def, const char* file) override {
    return ini::GetInt(section, key, def, HostPath(file).c_str());
  }
  bool WriteString(const char* section, const char* key, const char* value,
                   const char* file) override {
    return ini::WriteString(section, key, value, HostPath(file).c_str());
  }
  std::optional<std::string> ReadAll(const char* file) override;

  // The host file behind a Windows path, for setting up and inspecting files in tests.
  std::filesystem::path HostPath(const std::string& windowsPath) const;

  int wholeReads = 0;  // ReadAll calls

 private:
  std::filesystem::path root_;
  const FakeFileSystem& files_;
};

}  // namespace tv::fakes
