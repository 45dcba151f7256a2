#pragma once
// The process's file-system context.

#include <string>

namespace tv {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool ChangeDirectory(const std::string& path) = 0;
  virtual std::string CurrentDirectory() = 0;
};

}  // namespace tv
