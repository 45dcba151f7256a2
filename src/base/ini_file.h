#pragma once
// Portable INI reader and writer with the semantics of the platform's private-profile calls
// (as Wine's kernel32 implements them): same arguments, same results, same file text. The
// fakes and every native test use it; the Windows build uses the real calls.
//
// Paths are host paths. Every call opens, reads or rewrites, and closes the file.
//
// win.ini is an ordinary file here: pass its host path. The platform itself serves some
// win.ini sections ([intl], [windows], [desktop], ...) from the registry instead of the file;
// the sections this program owns ([AP], [AudioDevice]) live in the file on both.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace tv::ini {

// Reads section/key into buffer (cut to size - 1, always terminated when size > 0).
// section null: the names of all sections, each terminated, the list ending in a second zero.
// key null: the names of all keys of the section, likewise.
// Returns the number of characters copied, not counting the terminator.
std::uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                        std::uint32_t size, const char* path);

// The leading signed decimal number of the value; def when the key or file is missing.
int GetInt(const char* section, const char* key, int def, const char* path);

// Creates or replaces section/key. key null deletes the section; value null deletes the key.
// Creates the file and the section as needed; leaves everything else as it was.
// Returns false when the file cannot be written (the file is then unchanged).
bool WriteString(const char* section, const char* key, const char* value, const char* path);

// A file's text parsed once and read many times with the same answers as GetString and GetInt
// give for that file: for a burst of reads (a skin's several hundred keys) during which nobody
// writes it. No bytes (nullopt) stands for a missing file.
class Document {
 public:
  explicit Document(std::optional<std::string_view> bytes);
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  std::uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                          std::uint32_t size) const;
  int GetInt(const char* section, const char* key, int def) const;

 private:
  struct Parsed;
  std::unique_ptr<Parsed> parsed_;
};

}  // namespace tv::ini
