#pragma once
// Files of the capture folder and what the shell does with them: listing with size and time,
// copying, deleting, opening with the program registered for the file, the save dialog, and
// handing files to the mail program.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace tv {

// A file's last write time, already in local time.
struct FileStamp {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

struct FoundFile {
  std::string name;  // without the folder
  std::uint64_t size = 0;
  FileStamp lastWrite;
};

// The save dialog: one filter, the name it starts with, and that the chosen folder must exist.
struct SaveRequest {
  WindowRef owner;
  std::string title;
  std::string initialName;
  std::string filterName;
  std::string filterPattern;  // "*.bmp" or "*.mpg;*.dat"
  std::uint32_t capacity = 260;
};

class FileOperations {
 public:
  virtual ~FileOperations() = default;

  // Files (not folders) matching a path whose last component may hold * and ?, in the order
  // the file system returns them; a plain path finds the one file, if it exists.
  virtual std::vector<FoundFile> FindFiles(const std::string& pattern) = 0;
  // Overwrites an existing target.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  virtual bool Delete(const std::string& path) = 0;

  // The program registered for the file opens it (verb "open", shown normally).
  virtual void OpenWithShell(const std::string& path) = 0;
  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> AskSaveName(const SaveRequest& request) = 0;

  virtual std::string SystemDirectory() = 0;
  // Loads `library`, calls its document sender with no parent window, the delimiter, the
  // path list, the name list and 0, and unloads it; false when the library or its entry point
  // is missing.
  virtual bool SendDocuments(const std::string& library, const std::string& delimiter,
                             const std::string& paths, const std::string& names) = 0;
};

}  // namespace tv
