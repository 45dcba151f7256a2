// Times the fills of the two list windows with the real list-view control and profile calls:
// the channel list with 125 cable channels (every key read from the settings file at the moment
// of use) and the captured-files list with 100 snapshots and their thumbnails, each against an
// empty fill of the same list in the same run, alternating. Prints medians in milliseconds.
//   list_fill RUNS FOLDER      (FOLDER: an empty, writable folder for the files it makes)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/panel_context.h"
#include "base/key_table.h"
#include "base/profile_snapshot.h"
#include "commands/captured_files.h"
#include "tuning/side_list.h"
#include "win32/platform/win32_platform.h"

namespace {

using namespace tv;

constexpr int kChannels = 125;
constexpr int kFiles = 100;
constexpr int kPictureWidth = 320, kPictureHeight = 240;

double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double TimeOnce(const std::function<void()>& fill) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  fill();
  QueryPerformanceCounter(&end);
  // Let the list paint what it got, as between a user's clicks.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  return Ms(start, end);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A 24-bit picture as the card writes its snapshots, smaller.
void WritePicture(const std::string& path, int seed) {
  const int rowBytes = (kPictureWidth * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(rowBytes * kPictureHeight));
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<unsigned char>(i * 7 + seed);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  info.biSize = sizeof info;
  info.biWidth = kPictureWidth;
  info.biHeight = kPictureHeight;
  info.biPlanes = 1;
  info.biBitCount = 24;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(&file, sizeof file, 1, f);
  std::fwrite(&info, sizeof info, 1, f);
  std::fwrite(pixels.data(), 1, pixels.size(), f);
  std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: list_fill RUNS FOLDER\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  const std::string folder = argv[2];
  const std::string full = folder + "\\full", empty = folder + "\\empty";
  CreateDirectoryA(full.c_str(), nullptr);
  CreateDirectoryA(empty.c_str(), nullptr);

  static win32::Win32Platform platform;
  HWND panel = CreateWindowExA(0, "STATIC", "list bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  platform.SetPanel(panel);

  // Two settings files: 125 listed and named cable channels, and a band without channels.
  const std::string fullIni = full + "\\Settings.ini", emptyIni = empty + "\\Settings.ini";
  PanelContext ctx(platform.platform, Locations{folder, folder + "\\Panel.ini", fullIni});
  ctx.windows.panel = win32::FromHwnd(panel);
  ctx.settings.Write(keys::kMinCable, 1);
  ctx.settings.Write(keys::kMaxCable, kChannels);
  for (int n = 1; n <= kChannels; ++n) {
    ctx.settings.WriteFlag(keys::kCableList, n, true);
    ctx.settings.Write(keys::kCableNames, n, "Channel " + std::to_string(n));
  }
  ctx.settings.Write(keys::kCaptureFile, full);
  for (int i = 0; i < kFiles; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "\\qv%02d.bmp", i);
    WritePicture(full + name, i);
  }
  IniFile emptySettings(platform.profile, emptyIni);
  emptySettings.Write(keys::kMinCable, 1);
  emptySettings.Write(keys::kMaxCable, 0);
  emptySettings.Write(keys::kCaptureFile, empty);

  ctx.mode.airBand = 0;
  ctx.windows.sideList = platform.windows.CreateList(ListWindow::Side);
  ctx.windows.downList = platform.windows.CreateList(ListWindow::Down);
  ctx.os.windows.Show(ctx.windows.sideList, kSwShow);
  ctx.os.windows.Show(ctx.windows.downList, kSwShow);

  const auto use = [&ctx](const std::string& ini) { ctx.settings = IniFile(ctx.os.profile, ini); };
  std::vector<double> sideFull, sideEmpty, filesFull, filesEmpty;
  std::size_t sideItems = 0, fileItems = 0;
  for (int i = 0; i < runs; ++i) {
    use(emptyIni);
    sideEmpty.push_back(TimeOnce([&] { tuning::FillSideList(ctx); }));
    filesEmpty.push_back(TimeOnce([&] {
      platform.lists.DeleteAllItems(ctx.windows.downList);
      commands::FillFileList(ctx);
    }));
    use(fullIni);
    sideFull.push_back(TimeOnce([&] { tuning::FillSideList(ctx); }));
    sideItems = static_cast<std::size_t>(platform.lists.ItemCount(ctx.windows.sideList));
    filesFull.push_back(TimeOnce([&] {
      platform.lists.DeleteAllItems(ctx.windows.downList);
      commands::FillFileList(ctx);
    }));
    fileItems = static_cast<std::size_t>(platform.lists.ItemCount(ctx.windows.downList));
  }
  const double sf = Median(sideFull), se = Median(sideEmpty);
  const double ff = Median(filesFull), fe = Median(filesEmpty);
  std::printf("channel list: %zu entries %.1f ms, empty %.1f ms, difference %.1f ms (target 50)\n",
              sideItems, sf, se, sf - se);
  std::printf("file list:    %zu items %.1f ms, empty %.1f ms, difference %.1f ms (target 300)\n",
              fileItems, ff, fe, ff - fe);
  std::printf("medians of %d fills each, alternating\n", runs);

  // Where the time goes: one key read through the profile calls, one thumbnail, and the channel
  // list filled from one whole-file read instead of a read per key (for comparison only: the
  // panel reads every key at the moment of use).
  std::vector<double> reads, thumbnails, snapshotFills;
  for (int i = 0; i < runs; ++i) {
    reads.push_back(TimeOnce([&] { ctx.settings.Text(keys::kCableNames, 1 + i % kChannels); }));
    thumbnails.push_back(TimeOnce([&] {
      platform.lists.AddPictureFile(ctx.windows.downList, ImageSet::Normal, full + "\\qv00.bmp");
    }));
    snapshotFills.push_back(TimeOnce([&] {
      ProfileSnapshot snapshot(platform.profile, fullIni);
      ctx.settings = IniFile(snapshot, fullIni);
      tuning::FillSideList(ctx);
      use(fullIni);
    }));
  }
  std::printf(
      "one key read %.2f ms, one thumbnail %.2f ms, channel list from one file read "
      "%.1f ms\n",
      Median(reads), Median(thumbnails), Median(snapshotFills));
  return sideItems == kChannels && fileItems == kFiles ? 0 : 1;
}
