// Portable private-profile reader and writer.
//
// The model follows the profile code of Wine's kernel32, because that is what our Windows
// build runs on and what the peers see: every call loads the whole file into a list of
// sections and keys held as UTF-16 text, answers from it or changes it, and writes the whole
// list back in the platform's canonical form (CRLF lines, "name=value", no blank lines) only
// when something really changed. A write that changes nothing leaves the file untouched, byte
// for byte. Names and values are kept with their raw length, but compared and written as
// C strings, which is how a NUL byte inside a line behaves on the platform.
//
// Where Wine and the platform documentation disagree we follow Wine; those places are marked
// "Wine:" below. tests/wine/profile_conformance_test.cpp runs this file against the real calls.

#include "base/ini_file.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tv::ini {
namespace {

namespace fs = std::filesystem;
using WString = std::u16string;
using WView = std::u16string_view;

// ---------------------------------------------------------------------------------------------
// Text conversion. The narrow side of the calls is the ANSI code page, which is 1252 on the
// systems we run on; files are ANSI unless they start with a UTF-8 or UTF-16 byte-order mark.

constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct BestFit {
  char16_t wide;
  unsigned char narrow;
};

// Characters outside code page 1252 that the platform narrows to a look-alike instead of '?'
// (its "best fit" table, as Wine ships it). Only reachable from UTF-8 and UTF-16 files.
constexpr BestFit kBestFit1252[] = {
    {0x0100, 0x41}, {0x0101, 0x61}, {0x0102, 0x41}, {0x0103, 0x61}, {0x0104, 0x41}, {0x0105, 0x61},
    {0x0106, 0x43}, {0x0107, 0x63}, {0x0108, 0x43}, {0x0109, 0x63}, {0x010a, 0x43}, {0x010b, 0x63},
    {0x010c, 0x43}, {0x010d, 0x63}, {0x010e, 0x44}, {0x010f, 0x64}, {0x0110, 0xd0}, {0x0111, 0x64},
    {0x0112, 0x45}, {0x0113, 0x65}, {0x0114, 0x45}, {0x0115, 0x65}, {0x0116, 0x45}, {0x0117, 0x65},
    {0x0118, 0x45}, {0x0119, 0x65}, {0x011a, 0x45}, {0x011b, 0x65}, {0x011c, 0x47}, {0x011d, 0x67},
    {0x011e, 0x47}, {0x011f, 0x67}, {0x0120, 0x47}, {0x0121, 0x67}, {0x0122, 0x47}, {0x0123, 0x67},
    {0x0124, 0x48}, {0x0125, 0x68}, {0x0126, 0x48}, {0x0127, 0x68}, {0x0128, 0x49}, {0x0129, 0x69},
    {0x012a, 0x49}, {0x012b, 0x69}, {0x012c, 0x49}, {0x012d, 0x69}, {0x012e, 0x49}, {0x012f, 0x69},
    {0x0130, 0x49}, {0x0131, 0x69}, {0x0134, 0x4a}, {0x0135, 0x6a}, {0x0136, 0x4b}, {0x0137, 0x6b},
    {0x0139, 0x4c}, {0x013a, 0x6c}, {0x013b, 0x4c}, {0x013c, 0x6c}, {0x013d, 0x4c}, {0x013e, 0x6c},
    {0x0141, 0x4c}, {0x0142, 0x6c}, {0x0143, 0x4e}, {0x0144, 0x6e}, {0x0145, 0x4e}, {0x0146, 0x6e},
    {0x0147, 0x4e}, {0x0148, 0x6e}, {0x014c, 0x4f}, {0x014d, 0x6f}, {0x014e, 0x4f}, {0x014f, 0x6f},
    {0x0150, 0x4f}, {0x0151, 0x6f}, {0x0154, 0x52}, {0x0155, 0x72}, {0x0156, 0x52}, {0x0157, 0x72},
    {0x0158, 0x52}, {0x0159, 0x72}, {0x015a, 0x53}, {0x015b, 0x73}, {0x015c, 0x53}, {0x015d, 0x73},
    {0x015e, 0x53}, {0x015f, 0x73}, {0x0162, 0x54}, {0x0163, 0x74}, {0x0164, 0x54}, {0x0165, 0x74},
    {0x0166, 0x54}, {0x0167, 0x74}, {0x0168, 0x55}, {0x0169, 0x75}, {0x016a, 0x55}, {0x016b, 0x75},
    {0x016c, 0x55}, {0x016d, 0x75}, {0x016e, 0x55}, {0x016f, 0x75}, {0x0170, 0x55}, {0x0171, 0x75},
    {0x0172, 0x55}, {0x0173, 0x75}, {0x0174, 0x57}, {0x0175, 0x77}, {0x0176, 0x59}, {0x0177, 0x79},
    {0x0179, 0x5a}, {0x017a, 0x7a}, {0x017b, 0x5a}, {0x017c, 0x7a}, {0x0180, 0x62}, {0x0189, 0xd0},
    {0x0191, 0x83}, {0x0197, 0x49}, {0x019a, 0x6c}, {0x019f, 0x4f}, {0x01a0, 0x4f}, {0x01a1, 0x6f},
    {0x01ab, 0x74}, {0x01ae, 0x54}, {0x01af, 0x55}, {0x01b0, 0x75}, {0x01b6, 0x7a}, {0x01c0, 0x7c},
    {0x01c3, 0x21}, {0x01cd, 0x41}, {0x01ce, 0x61}, {0x01cf, 0x49}, {0x01d0, 0x69}, {0x01d1, 0x4f},
    {0x01d2, 0x6f}, {0x01d3, 0x55}, {0x01d4, 0x75}, {0x01d5, 0x55}, {0x01d6, 0x75}, {0x01d7, 0x55},
    {0x01d8, 0x75}, {0x01d9, 0x55}, {0x01da, 0x75}, {0x01db, 0x55}, {0x01dc, 0x75}, {0x01de, 0x41},
    {0x01df, 0x61}, {0x01e4, 0x47}, {0x01e5, 0x67}, {0x01e6, 0x47}, {0x01e7, 0x67}, {0x01e8, 0x4b},
    {0x01e9, 0x6b}, {0x01ea, 0x4f}, {0x01eb, 0x6f}, {0x01ec, 0x4f}, {0x01ed, 0x6f}, {0x01f0, 0x6a},
    {0x0261, 0x67}, {0x02b9, 0x27}, {0x02ba, 0x22}, {0x02bc, 0x27}, {0x02c4, 0x5e}, {0x02c8, 0x27},
    {0x02c9, 0xaf}, {0x02ca, 0xb4}, {0x02cb, 0x60}, {0x02cd, 0x5f}, {0x02da, 0xb0}, {0x0300, 0x60},
    {0x0301, 0xb4}, {0x0302, 0x5e}, {0x0303, 0x7e}, {0x0304, 0xaf}, {0x0305, 0xaf}, {0x0308, 0xa8},
    {0x030a, 0xb0}, {0x030e, 0x22}, {0x0327, 0xb8}, {0x0331, 0x5f}, {0x0332, 0x5f}, {0x037e, 0x3b},
    {0x0393, 0x47}, {0x0398, 0x54}, {0x03a3, 0x53}, {0x03a6, 0x46}, {0x03a9, 0x4f}, {0x03b1, 0x61},
    {0x03b2, 0xdf}, {0x03b4, 0x64}, {0x03b5, 0x65}, {0x03bc, 0xb5}, {0x03c0, 0x70}, {0x03c3, 0x73},
    {0x03c4, 0x74}, {0x03c6, 0x66}, {0x04bb, 0x68}, {0x0589, 0x3a}, {0x066a, 0x25}, {0x2000, 0x20},
    {0x2001, 0x20}, {0x2002, 0x20}, {0x2003, 0x20}, {0x2004, 0x20}, {0x2005, 0x20}, {0x2006, 0x20},
    {0x2010, 0x2d}, {0x2011, 0x2d}, {0x2017, 0x3d}, {0x2024, 0xb7}, {0x2032, 0x27}, {0x2035, 0x60},
    {0x2044, 0x2f}, {0x2070, 0xb0}, {0x2074, 0x34}, {0x2075, 0x35}, {0x2076, 0x36}, {0x2077, 0x37},
    {0x2078, 0x38}, {0x207f, 0x6e}, {0x2080, 0x30}, {0x2081, 0x31}, {0x2082, 0x32}, {0x2083, 0x33},
    {0x2084, 0x34}, {0x2085, 0x35}, {0x2086, 0x36}, {0x2087, 0x37}, {0x2088, 0x38}, {0x2089, 0x39},
    {0x20a1, 0xa2}, {0x20a4, 0xa3}, {0x20a7, 0x50}, {0x2102, 0x43}, {0x2107, 0x45}, {0x210a, 0x67},
    {0x210b, 0x48}, {0x210c, 0x48}, {0x210d, 0x48}, {0x210e, 0x68}, {0x2110, 0x49}, {0x2111, 0x49},
    {0x2112, 0x4c}, {0x2113, 0x6c}, {0x2115, 0x4e}, {0x2118, 0x50}, {0x2119, 0x50}, {0x211a, 0x51},
    {0x211b, 0x52}, {0x211c, 0x52}, {0x211d, 0x52}, {0x2124, 0x5a}, {0x2128, 0x5a}, {0x212a, 0x4b},
    {0x212b, 0xc5}, {0x212c, 0x42}, {0x212d, 0x43}, {0x212e, 0x65}, {0x212f, 0x65}, {0x2130, 0x45},
    {0x2131, 0x46}, {0x2133, 0x4d}, {0x2134, 0x6f}, {0x2205, 0xd8}, {0x2212, 0x2d}, {0x2213, 0xb1},
    {0x2215, 0x2f}, {0x2216, 0x5c}, {0x2217, 0x2a}, {0x2218, 0xb0}, {0x2219, 0xb7}, {0x221a, 0x76},
    {0x221e, 0x38}, {0x2223, 0x7c}, {0x2229, 0x6e}, {0x2236, 0x3a}, {0x223c, 0x7e}, {0x2248, 0x98},
    {0x2261, 0x3d}, {0x2264, 0x3d}, {0x2265, 0x3d}, {0x226a, 0xab}, {0x226b, 0xbb}, {0x22c5, 0xb7},
    {0x2302, 0xa6}, {0x2303, 0x5e}, {0x2310, 0xac}, {0x2320, 0x28}, {0x2321, 0x29}, {0x2329, 0x3c},
    {0x232a, 0x3e}, {0x2500, 0x2d}, {0x2502, 0xa6}, {0x250c, 0x2b}, {0x2510, 0x2b}, {0x2514, 0x2b},
    {0x2518, 0x2b}, {0x251c, 0x2b}, {0x2524, 0xa6}, {0x252c, 0x2d}, {0x2534, 0x2d}, {0x253c, 0x2b},
    {0x2550, 0x2d}, {0x2551, 0xa6}, {0x2552, 0x2b}, {0x2553, 0x2b}, {0x2554, 0x2b}, {0x2555, 0x2b},
    {0x2556, 0x2b}, {0x2557, 0x2b}, {0x2558, 0x2b}, {0x2559, 0x2b}, {0x255a, 0x2b}, {0x255b, 0x2b},
    {0x255c, 0x2b}, {0x255d, 0x2b}, {0x255e, 0xa6}, {0x255f, 0xa6}, {0x2560, 0xa6}, {0x2561, 0xa6},
    {0x2562, 0xa6}, {0x2563, 0xa6}, {0x2564, 0x2d}, {0x2565, 0x2d}, {0x2566, 0x2d}, {0x2567, 0x2d},
    {0x2568, 0x2d}, {0x2569, 0x2d}, {0x256a, 0x2b}, {0x256b, 0x2b}, {0x256c, 0x2b}, {0x2580, 0xaf},
    {0x2584, 0x5f}, {0x2588, 0xa6}, {0x258c, 0xa6}, {0x2590, 0xa6}, {0x2591, 0xa6}, {0x2592, 0xa6},
    {0x2593, 0xa6}, {0x25a0, 0xa6}, {0x263c, 0xa4}, {0x2758, 0x7c}, {0x3000, 0x20}, {0x3008, 0x3c},
    {0x3009, 0x3e}, {0x300a, 0xab}, {0x300b, 0xbb}, {0x301a, 0x5b}, {0x301b, 0x5d}, {0x30fb, 0xb7},
    {0xff01, 0x21}, {0xff02, 0x22}, {0xff03, 0x23}, {0xff04, 0x24}, {0xff05, 0x25}, {0xff06, 0x26},
    {0xff07, 0x27}, {0xff08, 0x28}, {0xff09, 0x29}, {0xff0a, 0x2a}, {0xff0b, 0x2b}, {0xff0c, 0x2c},
    {0xff0d, 0x2d}, {0xff0e, 0x2e}, {0xff0f, 0x2f}, {0xff10, 0x30}, {0xff11, 0x31}, {0xff12, 0x32},
    {0xff13, 0x33}, {0xff14, 0x34}, {0xff15, 0x35}, {0xff16, 0x36}, {0xff17, 0x37}, {0xff18, 0x38},
    {0xff19, 0x39}, {0xff1a, 0x3a}, {0xff1b, 0x3b}, {0xff1c, 0x3c}, {0xff1d, 0x3d}, {0xff1e, 0x3e},
    {0xff20, 0x40}, {0xff21, 0x41}, {0xff22, 0x42}, {0xff23, 0x43}, {0xff24, 0x44}, {0xff25, 0x45},
    {0xff26, 0x46}, {0xff27, 0x47}, {0xff28, 0x48}, {0xff29, 0x49}, {0xff2a, 0x4a}, {0xff2b, 0x4b},
    {0xff2c, 0x4c}, {0xff2d, 0x4d}, {0xff2e, 0x4e}, {0xff2f, 0x4f}, {0xff30, 0x50}, {0xff31, 0x51},
    {0xff32, 0x52}, {0xff33, 0x53}, {0xff34, 0x54}, {0xff35, 0x55}, {0xff36, 0x56}, {0xff37, 0x57},
    {0xff38, 0x58}, {0xff39, 0x59}, {0xff3a, 0x5a}, {0xff3b, 0x5b}, {0xff3c, 0x5c}, {0xff3d, 0x5d},
    {0xff3e, 0x5e}, {0xff3f, 0x5f}, {0xff40, 0x60}, {0xff41, 0x61}, {0xff42, 0x62}, {0xff43, 0x63},
    {0xff44, 0x64}, {0xff45, 0x65}, {0xff46, 0x66}, {0xff47, 0x67}, {0xff48, 0x68}, {0xff49, 0x69},
    {0xff4a, 0x6a}, {0xff4b, 0x6b}, {0xff4c, 0x6c}, {0xff4d, 0x6d}, {0xff4e, 0x6e}, {0xff4f, 0x6f},
    {0xff50, 0x70}, {0xff51, 0x71}, {0xff52, 0x72}, {0xff53, 0x73}, {0xff54, 0x74}, {0xff55, 0x75},
    {0xff56, 0x76}, {0xff57, 0x77}, {0xff58, 0x78}, {0xff59, 0x79}, {0xff5a, 0x7a}, {0xff5b, 0x7b},
    {0xff5c, 0x7c}, {0xff5d, 0x7d}, {0xff5e, 0x7e},
};

char16_t Widen(unsigned char c) {
  return (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : static_cast<char16_t>(c);
}

char Narrow(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == c) return static_cast<char>(0x80 + i);
  }
  auto it = std::lower_bound(std::begin(kBestFit1252), std::end(kBestFit1252), c,
                             [](const BestFit& e, char16_t v) { return e.wide < v; });
  if (it != std::end(kBestFit1252) && it->wide == c) return static_cast<char>(it->narrow);
  return '?';
}

std::optional<WString> WidenArg(const char* s) {
  if (s == nullptr) return std::nullopt;
  WString w;
  for (; *s != '\0'; ++s) w.push_back(Widen(static_cast<unsigned char>(*s)));
  return w;
}

enum class Encoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

// Wine: malformed UTF-8 becomes U+FFFD per bad lead byte together with the continuation
// bytes that were consumed before the fault was seen; a sequence cut off by the end of the
// file becomes one U+FFFD and ends the text.
void DecodeUtf8(std::string_view in, WString& out) {
  static constexpr unsigned char kMask[4] = {0x7f, 0x1f, 0x0f, 0x07};
  std::size_t i = 0;
  const std::size_t n = in.size();
  while (i < n) {
    unsigned char ch = static_cast<unsigned char>(in[i++]);
    if (ch < 0x80) {
      out.push_back(ch);
      continue;
    }
    const unsigned len = ch >= 0xf5 ? 0 : ch >= 0xf0 ? 3 : ch >= 0xe0 ? 2 : ch >= 0xc2 ? 1 : 0;
    unsigned res = ch & kMask[len];
    const std::size_t end = i + len;
    if (end > n) {
      out.push_back(0xFFFD);
      break;
    }
    bool ok = false;
    auto cont = [&](std::size_t at, unsigned& bits) {
      bits = static_cast<unsigned char>(in[at]) ^ 0x80u;
      return bits < 0x40;
    };
    unsigned bits = 0;
    switch (len) {
      case 3:
        if (!cont(end - 3, bits)) break;
        res = (res << 6) | bits;
        ++i;
        if (res < 0x10) break;
        [[fallthrough]];
      case 2:
        if (!cont(end - 2, bits)) break;
        res = (res << 6) | bits;
        if (res >= (0x110000 >> 6)) break;
        ++i;
        if (res < 0x20) break;
        if (res >= (0xd800 >> 6) && res <= (0xdfff >> 6)) break;
        [[fallthrough]];
      case 1:
        if (!cont(end - 1, bits)) break;
        res = (res << 6) | bits;
        ++i;
        if (res < 0x80) break;
        ok = true;
        break;
      default:
        break;
    }
    if (!ok) {
      out.push_back(0xFFFD);
    } else if (res <= 0xFFFF) {
      out.push_back(static_cast<char16_t>(res));
    } else {
      res -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 | (res >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 | (res & 0x3FF)));
    }
  }
}

void EncodeUtf8(WView in, std::string& out) {
  for (std::size_t i = 0; i < in.size(); ++i) {
    unsigned c = in[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
        in[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00u);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

Encoding Decode(std::string_view bytes, WString& text) {
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    DecodeUtf8(bytes.substr(3), text);
    return Encoding::kUtf8;
  }
  if (bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
    const bool little = bytes[0] == '\xFF';
    text.reserve(bytes.size() / 2);
    // An odd trailing byte is not a character.
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const unsigned a = static_cast<unsigned char>(bytes[i]);
      const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
      text.push_back(static_cast<char16_t>(little ? (b << 8 | a) : (a << 8 | b)));
    }
    return little ? Encoding::kUtf16Le : Encoding::kUtf16Be;
  }
  text.resize(bytes.size());
  std::transform(bytes.begin(), bytes.end(), text.begin(),
                 [](char c) { return Widen(static_cast<unsigned char>(c)); });
  return Encoding::kAnsi;
}

std::string Encode(WView text, Encoding encoding) {
  std::string out;
  switch (encoding) {
    case Encoding::kAnsi:
      out.resize(text.size());
      std::transform(text.begin(), text.end(), out.begin(), Narrow);
      break;
    case Encoding::kUtf8:
      out = "\xEF\xBB\xBF";
      EncodeUtf8(text, out);
      break;
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be: {
      const bool little = encoding == Encoding::kUtf16Le;
      out.reserve(2 + text.size() * 2);
      out += little ? "\xFF\xFE" : "\xFE\xFF";
      for (char16_t c : text) {
        const char lo = static_cast<char>(c & 0xFF);
        const char hi = static_cast<char>(c >> 8);
        out.push_back(little ? lo : hi);
        out.push_back(little ? hi : lo);
      }
      break;
    }
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// The parsed file.

// Wine: ^Z counts as white space (DOS end-of-file marks); the other C0 controls and
// non-breaking spaces do not.
bool IsSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == 0x20;
}

// Names and values compare and print as C strings: a NUL read from the file ends them.
WView CStr(WView s) {
  const auto nul = s.find(u'\0');
  return nul == WView::npos ? s : s.substr(0, nul);
}

char16_t FoldAscii(char16_t c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 32) : c;
}

// Wine: only ASCII letters fold; accented names must match exactly.
bool SameName(WView a, WView b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

WView TrimLeft(WView s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  return s;
}

WView Trim(WView s) {
  s = TrimLeft(s);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Names and values are views into the file's text or into strings the profile keeps for what
// a write adds, so that a large file costs no allocation per line.
struct Key {
  WView name;
  WView value;
  bool hasValue = false;  // a line without '=' is a key without a value
};

struct Section {
  WView name;
  std::vector<Key> keys;
};

struct Profile {
  Profile() = default;
  Profile(const Profile&) = delete;  // the views point into this object
  Profile& operator=(const Profile&) = delete;

  WView Keep(WView s) { return added.emplace_back(s); }

  Encoding encoding = Encoding::kAnsi;
  WString text;
  std::deque<WString> added;  // a deque never moves what it holds
  // The first section is the nameless one that holds the lines before any header.
  std::vector<Section> sections = std::vector<Section>(1);
  bool changed = false;
};

void Parse(Profile& profile) {
  const WView text = profile.text;
  Section* section = &profile.sections.front();
  bool previousNameless = false;
  bool havePrevious = false;
  const std::size_t n = text.size();
  std::size_t next = 0;
  while (next < n) {
    const std::size_t start = next;
    while (next < n && text[next] != '\n' && text[next] != '\r') ++next;
    const std::size_t stop = next;
    while (next < n && (text[next] == '\n' || text[next] == '\r')) ++next;

    const WView line = Trim(text.substr(start, stop - start));
    if (line.empty()) continue;  // blank lines are not kept

    if (line.front() == '[') {
      // Wine: the name runs to the last ']' of the line; text after it is dropped. A '['
      // line without any ']' is an ordinary key.
      const std::size_t close = line.rfind(']');
      if (close != WView::npos && close > 0) {
        profile.sections.push_back(Section{Trim(line.substr(1, close - 1)), {}});
        section = &profile.sections.back();
        havePrevious = false;
        continue;
      }
    }

    Key key;
    const std::size_t eq = line.find('=');
    if (eq != WView::npos) {
      key.name = Trim(line.substr(0, eq));
      key.value = TrimLeft(line.substr(eq + 1));
      key.hasValue = true;
    } else {
      key.name = line;
    }
    // Wine: a nameless key right after another nameless one is dropped.
    if (!key.name.empty() || !havePrevious || !previousNameless) {
      previousNameless = CStr(key.name).empty();
      havePrevious = true;
      section->keys.push_back(key);
    }
  }
}

WString Serialize(const Profile& profile) {
  WString out;
  for (const Section& section : profile.sections) {
    const WView name = CStr(section.name);
    if (!name.empty()) {
      out += u'[';
      out += name;
      out += u"]\r\n";
    }
    for (const Key& key : section.keys) {
      out += CStr(key.name);
      if (key.hasValue) {
        out += u'=';
        out += CStr(key.value);
      }
      out += u"\r\n";
    }
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// The file.

enum class FileState { kLoaded, kMissing, kUnreadable };

// A missing file in an existing folder is an empty profile; a missing folder, a folder in
// place of the file or a file that cannot be opened is a failure, which the calls treat
// differently (see GetStringWide).
FileState Load(const char* path, Profile& profile) {
  if (path == nullptr || *path == '\0') return FileState::kUnreadable;
  const fs::path file(path);
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) {
    fs::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    return fs::is_directory(folder, ec) ? FileState::kMissing : FileState::kUnreadable;
  }
  if (ec || fs::is_directory(status)) return FileState::kUnreadable;
  std::ifstream in(file, std::ios::binary);
  if (!in) return FileState::kUnreadable;
  std::string bytes;
  std::vector<char> chunk(1 << 16);
  do {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
  } while (in);
  if (in.bad()) return FileState::kUnreadable;
  profile.encoding = Decode(bytes, profile.text);
  Parse(profile);
  return FileState::kLoaded;
}

void LoadBytes(std::string_view bytes, Profile& profile) {
  profile.encoding = Decode(bytes, profile.text);
  Parse(profile);
}

// The platform opens the file for writing before it looks at the request, so a read-only or
// locked file fails even when the write would change nothing. The read-only attribute is
// checked by itself as well, because a process with administrator rights on a POSIX host may
// open such a file for writing anyway.
bool CanWrite(const fs::path& file) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) return true;
  if (ec || !fs::is_regular_file(status)) return false;
  if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) return false;
  std::fstream probe(file, std::ios::in | std::ios::out | std::ios::binary);
  return static_cast<bool>(probe);
}

// The platform rewrites the file in place; we write a sibling file and rename it over the old
// one, so that a full disk or an interrupted write can never leave half a file behind.
bool Store(const fs::path& path, const std::string& bytes) {
  std::error_code ec;
  // Through a symbolic link the platform writes the file it points to; so do we.
  fs::path file = path;
  if (fs::symlink_status(path, ec).type() == fs::file_type::symlink) {
    file = fs::canonical(path, ec);
    if (ec) return false;
  }
  std::random_device random;
  fs::path temp = file;
  temp += ".~" + std::to_string(random()) + std::to_string(random()) + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  const fs::file_status old = fs::status(file, ec);
  if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
  fs::rename(temp, file, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Lookups and edits, each as the platform does it.

// Reads and creating writes trim the names they are given; deletions and list reads compare
// them as given (Wine), so " a " deletes nothing in a file that has [a].
Section* FindSection(Profile& profile, WView trimmedName) {
  for (Section& section : profile.sections) {
    if (SameName(CStr(section.name), trimmedName)) return &section;
  }
  return nullptr;
}

Key* FindKey(Section& section, WView trimmedName) {
  for (Key& key : section.keys) {
    if (SameName(CStr(key.name), trimmedName)) return &key;
  }
  return nullptr;
}

// Only the first section of a repeated name is searched, and a new key goes to its end.
Key* FindOrCreate(Profile& profile, WView sectionName, WView keyName) {
  const WView sectionQuery = Trim(sectionName);
  const WView keyQuery = Trim(keyName);
  // Wine: a created section or key keeps the trailing blanks of the name it was given; they
  // reach the file and are trimmed again when it is next read.
  Section* section = FindSection(profile, sectionQuery);
  if (section == nullptr) {
    profile.sections.push_back(Section{profile.Keep(TrimLeft(sectionName)), {}});
    section = &profile.sections.back();
  } else if (Key* key = FindKey(*section, keyQuery)) {
    return key;
  }
  section->keys.push_back(Key{profile.Keep(TrimLeft(keyName)), {}, false});
  return &section->keys.back();
}

const Key* Find(Profile& profile, WView sectionName, WView keyName) {
  Section* section = FindSection(profile, Trim(sectionName));
  return section == nullptr ? nullptr : FindKey(*section, Trim(keyName));
}

void SetValue(Profile& profile, WView sectionName, WView keyName, WView value) {
  Key* key = FindOrCreate(profile, sectionName, keyName);
  value = TrimLeft(value);
  if (key->hasValue && CStr(key->value) == value) return;
  key->value = profile.Keep(value);
  key->hasValue = true;
  profile.changed = true;
}

void DeleteSection(Profile& profile, WView name) {
  // Only the first section of that name goes; a repeated one stays.
  auto it = std::find_if(profile.sections.begin(), profile.sections.end(),
                         [&](const Section& s) { return SameName(CStr(s.name), name); });
  if (it == profile.sections.end()) return;
  profile.sections.erase(it);
  if (profile.sections.empty() || !profile.sections.front().name.empty()) {
    // Keep the invariant that the first section is the nameless one.
    profile.sections.insert(profile.sections.begin(), Section{});
  }
  profile.changed = true;
}

void DeleteKey(Profile& profile, WView sectionName, WView keyName) {
  // The first key of that name in any section of that name, searching repeated sections.
  for (Section& section : profile.sections) {
    if (!SameName(CStr(section.name), sectionName)) continue;
    auto it = std::find_if(section.keys.begin(), section.keys.end(),
                           [&](const Key& k) { return SameName(CStr(k.name), keyName); });
    if (it != section.keys.end()) {
      section.keys.erase(it);
      profile.changed = true;
      return;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The read calls work on a wide buffer the way the platform does and narrow the result at the
// end; the narrow caller sees only the characters the wide call counted plus one terminator.
// The wide buffer has one spare element on each side because the platform's list reads write
// one element before the start or past the end for buffers of one or two elements.

class WideBuffer {
 public:
  explicit WideBuffer(std::uint32_t size) : storage_(static_cast<std::size_t>(size) + 2, 0) {}
  char16_t* data() { return storage_.data() + 1; }

 private:
  std::vector<char16_t> storage_;
};

std::size_t Length(const char16_t* s) {
  std::size_t n = 0;
  while (s[n] != 0) ++n;
  return n;
}

// Copies at most size - 1 characters and terminates when size > 0.
void CopyCut(char16_t* dst, WView src, std::uint32_t size) {
  std::size_t i = 0;
  for (; size > 1 && i < src.size() && src[i] != 0; ++i, --size) dst[i] = src[i];
  if (size != 0) dst[i] = 0;
}

// A value (or default) wrapped in matching single or double quotes loses them.
// Wine: when the buffer holds exactly the text without its opening quote, one more
// character is cut (the closing quote is gone already, the last real character goes too).
void CopyEntry(char16_t* buffer, WView value, std::uint32_t size) {
  bool quoted = false;
  if (!value.empty() && (value[0] == '\'' || value[0] == '"') && value.size() > 1 &&
      value.back() == value[0]) {
    quoted = true;
    value.remove_prefix(1);
  }
  CopyCut(buffer, value, size);
  if (quoted && size >= value.size()) buffer[static_cast<std::ptrdiff_t>(Length(buffer)) - 1] = 0;
}

std::uint32_t SectionNames(const Profile& profile, char16_t* buffer, std::uint32_t size) {
  if (size == 1) {
    buffer[0] = 0;
    return 0;
  }
  std::uint32_t room = size - 1;
  char16_t* out = buffer;
  for (const Section& section : profile.sections) {
    const WView name = CStr(section.name);
    if (name.empty()) continue;
    const std::uint32_t need = static_cast<std::uint32_t>(name.size()) + 1;
    if (need >= room) {
      // Cut: the last name is shortened, followed by two zeros, and size - 2 is returned.
      if (room > 0) {
        std::copy_n(name.begin(), room - 1, out);
        out += room - 1;
        *out++ = 0;
      }
      *out = 0;
      return size - 2;
    }
    std::copy(name.begin(), name.end(), out);
    out[name.size()] = 0;
    out += need;
    room -= need;
  }
  *out = 0;
  return static_cast<std::uint32_t>(out - buffer);
}

// Keys of the first section of that name, leaving out comments (';') and keys without '='.
std::uint32_t KeyNames(const Profile& profile, WView sectionName, char16_t* buffer,
                       std::uint32_t size) {
  for (const Section& section : profile.sections) {
    if (!SameName(CStr(section.name), sectionName)) continue;
    std::uint32_t room = size;
    char16_t* out = buffer;
    for (const Key& key : section.keys) {
      if (room <= 2) break;
      const WView name = CStr(key.name);
      if (!key.hasValue || (!name.empty() && name[0] == ';')) continue;
      CopyCut(out, name, room - 1);
      const auto copied = static_cast<std::uint32_t>(Length(out));
      room -= copied + 1;
      out += copied + 1;
      if (room < 2) break;
    }
    *out = 0;
    if (room <= 1) {
      out[-1] = 0;
      return size - 2;
    }
    return size - room;
  }
  buffer[0] = buffer[1] = 0;
  return 0;
}

std::uint32_t AnswerWide(const std::optional<WString>& section, const std::optional<WString>& key,
                         const char* defaultText, char16_t* buffer, std::uint32_t size,
                         const Profile& profileIn, FileState state) {
  // Find() wants a mutable profile but changes nothing a read can see.
  Profile& profile = const_cast<Profile&>(profileIn);
  // Trailing blanks (spaces only, and never the first character) leave the default of a key
  // read; the key list of a missing or empty section answers the default with them.
  const WString listDef = WidenArg(defaultText).value_or(WString());
  WString def = listDef;
  while (def.size() > 1 && def.back() == ' ') def.pop_back();

  if (state == FileState::kUnreadable) {
    // Wine: an unreadable file gives no section names, the default with its quotes removed
    // for a key list, and the default as given for a key.
    if (!section) {
      buffer[0] = 0;
      return 0;
    }
    if (!key) {
      CopyEntry(buffer, listDef, size);
    } else {
      CopyCut(buffer, def, size);
    }
    return static_cast<std::uint32_t>(Length(buffer));
  }
  if (!section) return SectionNames(profile, buffer, size);
  if (!key) {
    const std::uint32_t n = KeyNames(profile, *section, buffer, size);
    if (buffer[0] != 0) return n;
    CopyEntry(buffer, listDef, size);
    return static_cast<std::uint32_t>(Length(buffer));
  }
  const Key* found = Find(profile, *section, *key);
  CopyEntry(buffer, found != nullptr && found->hasValue ? found->value : WView(def), size);
  return static_cast<std::uint32_t>(Length(buffer));
}

std::uint32_t GetStringWide(const std::optional<WString>& section,
                            const std::optional<WString>& key, const char* defaultText,
                            char16_t* buffer, std::uint32_t size, const char* path) {
  Profile profile;
  const FileState state = Load(path, profile);
  return AnswerWide(section, key, defaultText, buffer, size, profile, state);
}

std::uint32_t NarrowAnswer(const char16_t* wide, std::uint32_t n, char* buffer) {
  std::transform(wide, wide + n, buffer, Narrow);
  buffer[n] = '\0';
  return n;
}

// The platform reads the value into 30 characters and parses that.
// Wine: an empty value counts as missing and gives the default.
constexpr std::uint32_t kIntValueSize = 30;

// Wine parses with automatic base: "0x", "0o" and "0b" (lower case only) select hex, octal
// and binary. Any control character or space before the sign is skipped; the number wraps
// modulo 2^32 like the platform's unsigned accumulator.
int ParseProfileInt(const char16_t* s) {
  while (*s != 0 && *s <= ' ') ++s;
  bool negative = false;
  if (*s == '+' || *s == '-') negative = *s++ == '-';
  unsigned base = 10;
  if (s[0] == '0' && (s[1] == 'x' || s[1] == 'o' || s[1] == 'b')) {
    base = s[1] == 'x' ? 16 : s[1] == 'o' ? 8 : 2;
    s += 2;
  }
  std::uint32_t total = 0;
  for (;; ++s) {
    unsigned digit = 99;
    if (*s >= '0' && *s <= '9') digit = *s - u'0';
    if (*s >= 'a' && *s <= 'z') digit = *s - u'a' + 10u;
    if (*s >= 'A' && *s <= 'Z') digit = *s - u'A' + 10u;
    if (digit >= base) break;
    total = total * base + digit;
  }
  if (negative) total = 0u - total;
  return static_cast<int>(total);
}

}  // namespace

std::uint32_t GetString(const char* section, const char* key, const char* def, char* buffer,
                        std::uint32_t size, const char* path) {
  if (buffer == nullptr || size == 0) return 0;
  // Wine: only the counted characters are narrowed, followed by one zero; after a list read
  // was cut, that zero is the only one the caller gets, where the documentation promises two.
  WideBuffer wide(size);
  const std::uint32_t n =
      GetStringWide(WidenArg(section), WidenArg(key), def, wide.data(), size, path);
  return NarrowAnswer(wide.data(), n, buffer);
}

int GetInt(const char* section, const char* key, int def, const char* path) {
  WideBuffer wide(kIntValueSize);
  if (GetStringWide(WidenArg(section), WidenArg(key), "", wide.data(), kIntValueSize, path) == 0)
    return def;
  return ParseProfileInt(wide.data());
}

struct Document::Parsed {
  Profile profile;
};

Document::Document(std::optional<std::string_view> bytes) : parsed_(std::make_unique<Parsed>()) {
  if (bytes) LoadBytes(*bytes, parsed_->profile);
}

Document::~Document() = default;

std::uint32_t Document::GetString(const char* section, const char* key, const char* def,
                                  char* buffer, std::uint32_t size) const {
  if (buffer == nullptr || size == 0) return 0;
  WideBuffer wide(size);
  const std::uint32_t n = AnswerWide(WidenArg(section), WidenArg(key), def, wide.data(), size,
                                     parsed_->profile, FileState::kLoaded);
  return NarrowAnswer(wide.data(), n, buffer);
}

int Document::GetInt(const char* section, const char* key, int def) const {
  WideBuffer wide(kIntValueSize);
  if (AnswerWide(WidenArg(section), WidenArg(key), "", wide.data(), kIntValueSize, parsed_->profile,
                 FileState::kLoaded) == 0)
    return def;
  return ParseProfileInt(wide.data());
}

bool WriteString(const char* section, const char* key, const char* value, const char* path) {
  // A null section is refused (the platform's "flush the cache" form included).
  if (section == nullptr || path == nullptr || *path == '\0') return false;
  const fs::path file(path);
  Profile profile;
  const FileState state = Load(path, profile);
  if (state == FileState::kUnreadable || !CanWrite(file)) return false;

  const WString sectionName = *WidenArg(section);
  if (key == nullptr) {
    DeleteSection(profile, sectionName);
  } else if (value == nullptr) {
    DeleteKey(profile, sectionName, *WidenArg(key));
  } else {
    SetValue(profile, sectionName, *WidenArg(key), *WidenArg(value));
  }
  if (!profile.changed) return true;
  return Store(file, Encode(Serialize(profile), profile.encoding));
}

}  // namespace tv::ini
