#pragma once
// The whole fake platform of one test: a private folder standing for drive C:, win.ini in it,
// virtual time, logged messages and the recording fakes of the desktop.

#include <string>

#include "fakes/fake_capture_enumerator.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_graphics.h"
#include "fakes/fake_message_boxes.h"
#include "fakes/fake_messenger.h"
#include "fakes/fake_mixer.h"
#include "fakes/fake_profile.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_window_manager.h"
#include "fakes/temp_dir.h"
#include "fakes/virtual_time.h"
#include "platform/platform.h"

namespace tv::fakes {

class FakePlatform {
 public:
  FakePlatform();

  // An installation folder with [AP] in win.ini pointing at it and at Panel.ini and
  // Settings.ini. Returns the Windows path of the folder.
  std::string Install(const std::string& appDirectory = "C:\\Tv");

  // Whole-file access by Windows path.
  std::string ReadFile(const std::string& windowsPath) const;
  void WriteFile(const std::string& windowsPath, const std::string& bytes) const;

  TempDir root;
  FakeFileSystem files;
  FakeProfile profile{root.Path(), files};
  FakeMessenger messenger;
  VirtualTime time;
  FakeMessageBoxes messageBoxes;
  FakeWindowManager windows;
  FakeGraphics graphics;
  FakeShell shell;
  FakeCaptureEnumerator captureDevices;
  FakeDialogs dialogs;
  FakeMixer mixer;
  Platform platform{profile, messenger, time,  time,           messageBoxes, files,
                    windows, graphics,  shell, captureDevices, dialogs,      mixer};
};

}  // namespace tv::fakes
