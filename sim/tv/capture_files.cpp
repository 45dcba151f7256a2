#include "capture_files.h"

#include <cstdio>
#include <vector>

#include "base/key_table.h"

namespace tv::sim {

std::string CaptureDirectory(const IniFile& settings, const std::string& fallback) {
  std::string dir = settings.Text(keys::kCaptureFile);
  while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
  if (dir.empty()) dir = fallback;
  if (!dir.empty()) CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::optional<int> FreeSlot(const std::string& directory) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string pattern = SlotPath(directory, slot, ".*");
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return slot;
    FindClose(search);
  }
  return std::nullopt;
}

std::string SlotPath(const std::string& directory, int slot, const char* extension) {
  char name[16];
  std::snprintf(name, sizeof name, "\\qv%02d", slot % kSlotCount);
  return directory + name + extension;
}

bool GrowingFile::Create(const std::string& path) {
  Close();
  path_ = path;
  size_ = 0;
  file_ = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (!IsOpen()) return false;
  static constexpr char kHeader[] = "Simulated capture stream\r\n";
  DWORD written = 0;
  WriteFile(file_, kHeader, sizeof kHeader - 1, &written, nullptr);
  size_ += written;
  return true;
}

void GrowingFile::AppendStream(std::uint32_t bytes) {
  if (!IsOpen() || bytes == 0) return;
  // Packs that start like a program stream's, filled with a counting pattern.
  std::vector<std::uint8_t> chunk(bytes);
  for (std::size_t i = 0; i < chunk.size(); ++i) {
    chunk[i] = static_cast<std::uint8_t>((counter_ + i) & 0xFF);
  }
  for (std::size_t at = 0; at + 4 <= chunk.size(); at += 2048) {
    chunk[at] = 0x00;
    chunk[at + 1] = 0x00;
    chunk[at + 2] = 0x01;
    chunk[at + 3] = 0xBA;
  }
  ++counter_;
  DWORD written = 0;
  WriteFile(file_, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr);
  size_ += written;
}

void GrowingFile::Close() {
  if (IsOpen()) CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
}

}  // namespace tv::sim
