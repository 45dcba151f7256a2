#pragma once
// Reading the remote's command line: exit codes and failures, whole-word integers, names
// compared without regard to case, and a subcommand's words split into positional arguments
// and options. No OS headers: the native tests use it too.

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tv::remote {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the command line was fine, the work could not be done
inline constexpr int kExitUsage = 2;    // the command line is wrong

// Ends the program: a one-line message on stderr and the exit code.
struct Failure {
  int exitCode;
  std::string message;
};

[[noreturn]] inline void UsageError(std::string message) {
  throw Failure{kExitUsage, std::move(message)};
}
[[noreturn]] inline void RuntimeError(std::string message) {
  throw Failure{kExitFailure, std::move(message)};
}

inline char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

inline bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

// An optional sign and decimal digits, or "0x" and hex digits; nothing else in the word, and
// nothing beyond what a long long holds.
inline std::optional<long long> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && LowerAscii(text[1]) == 'x') {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  unsigned long long value = 0;
  for (const char c : text) {
    int digit = 0;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && LowerAscii(c) >= 'a' && LowerAscii(c) <= 'f')
      digit = LowerAscii(c) - 'a' + 10;
    else
      return std::nullopt;
    if (value > (static_cast<unsigned long long>(LLONG_MAX) + 1 - static_cast<unsigned>(digit)) /
                    static_cast<unsigned>(base))
      return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
  }
  if (!negative && value > static_cast<unsigned long long>(LLONG_MAX)) return std::nullopt;
  if (negative)
    return value == static_cast<unsigned long long>(LLONG_MAX) + 1 ? LLONG_MIN
                                                                   : -static_cast<long long>(value);
  return static_cast<long long>(value);
}

// Seconds with an optional fraction ("10", "0.25"), as milliseconds.
inline std::optional<long long> ParseSecondsAsMs(std::string_view text) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  std::string_view fraction = dot == std::string_view::npos ? "" : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  const auto allDigits = [](std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!allDigits(whole) || !allDigits(fraction) || whole.size() > 9) return std::nullopt;
  long long ms = 0;
  for (const char c : whole) ms = ms * 10 + (c - '0');
  ms *= 1000;
  long long scale = 100;
  for (const char c : fraction.substr(0, 3)) {
    ms += (c - '0') * scale;
    scale /= 10;
  }
  return ms;
}

// What a subcommand accepts besides its positional words: flags ("--send") and options that
// take the next word as their value ("--hold 500"). "--" ends the options.
struct KnownOptions {
  std::vector<std::string_view> flags;
  std::vector<std::string_view> valued;
};

class Arguments {
 public:
  Arguments(std::span<const std::string> words, const KnownOptions& known) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::string& word = words[i];
      if (optionsEnded || word.size() < 3 || word.compare(0, 2, "--") != 0) {
        if (word == "--")
          optionsEnded = true;
        else
          positional_.push_back(word);
        continue;
      }
      if (Contains(known.flags, word)) {
        flags_.push_back(word);
      } else if (Contains(known.valued, word)) {
        if (i + 1 >= words.size()) UsageError("option " + word + " needs a value");
        values_.emplace_back(word, words[++i]);
      } else {
        UsageError("unknown option " + word);
      }
    }
  }

  const std::vector<std::string>& Positional() const { return positional_; }
  bool Has(std::string_view flag) const { return Contains(flags_, flag); }
  // The last value given for the option.
  std::optional<std::string> Value(std::string_view option) const {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it)
      if (it->first == option) return it->second;
    return std::nullopt;
  }

  // Between min and max positional words, or a usage error naming the expected form.
  void ExpectCount(std::size_t min, std::size_t max, const char* usage) const {
    if (positional_.size() < min || positional_.size() > max)
      UsageError(std::string("usage: tvremote ") + usage);
  }

 private:
  template <typename List>
  static bool Contains(const List& list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
  }

  std::vector<std::string> positional_;
  std::vector<std::string> flags_;
  std::vector<std::pair<std::string, std::string>> values_;
};

}  // namespace tv::remote
