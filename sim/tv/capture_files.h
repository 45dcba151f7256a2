#pragma once
// Files the card writes into the capture directory, named as the panel's captured-files list
// expects them: "qv" + a two-digit slot + extension. A snapshot is qvNN.bmp; a recording is
// qvNN.mpg with its thumbnail qvNN.bmp. A slot is free when no "qvNN.*" file exists.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "base/settings_file.h"

namespace tv::sim {

inline constexpr int kSlotCount = 100;

// [quarn] "CaptureFile" without a trailing backslash, or `fallback` when it is empty. The
// folder is created when it does not exist.
std::string CaptureDirectory(const IniFile& settings, const std::string& fallback);

// The lowest free slot of the directory (0..99), or none when all are taken.
std::optional<int> FreeSlot(const std::string& directory);

// directory + "\qvNN" + extension (extension with its point, ".bmp").
std::string SlotPath(const std::string& directory, int slot, const char* extension);

// A file that grows while the card records into it; the panel may delete it once closed.
class GrowingFile {
 public:
  GrowingFile() = default;
  GrowingFile(const GrowingFile&) = delete;
  GrowingFile& operator=(const GrowingFile&) = delete;
  ~GrowingFile() { Close(); }

  bool Create(const std::string& path);
  void AppendStream(std::uint32_t bytes);
  void Close();
  bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
  std::uint64_t Size() const { return size_; }
  const std::string& Path() const { return path_; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  std::uint64_t size_ = 0;
  std::uint32_t counter_ = 0;
  std::string path_;
};

}  // namespace tv::sim
