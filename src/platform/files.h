#pragma once
// The process's file-system context, and the few file operations the commands need.

#include <cstdint>
#include <optional>
#include <string>

namespace tv {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool ChangeDirectory(const std::string& path) = 0;
  virtual std::string CurrentDirectory() = 0;
  // Total free bytes of the volume that holds path; nullopt when the query fails.
  virtual std::optional<std::uint64_t> FreeBytesAt(const std::string& path) = 0;
  // False when the file is missing or cannot be deleted (held open, read-only).
  virtual bool RemoveFile(const std::string& path) = 0;
};

}  // namespace tv
