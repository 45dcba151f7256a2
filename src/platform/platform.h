#pragma once
// Everything the behaviour needs from an operating system, handed over at start-up.
// src/win32/ fills it with the real thing; tests/fakes/ with virtual time and recordings.

#include "platform/capture_enumerator.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/file_operations.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/list_view.h"
#include "platform/message_boxes.h"
#include "platform/messenger.h"
#include "platform/mixer_device.h"
#include "platform/profile.h"
#include "platform/shell.h"
#include "platform/window_manager.h"

namespace tv {

struct Platform {
  Profile& profile;
  Messenger& messenger;
  Timers& timers;
  Clock& clock;
  MessageBoxes& messageBoxes;
  FileSystem& files;
  WindowManager& windows;
  SkinGraphics& graphics;
  Shell& shell;
  CaptureEnumerator& captureDevices;
  Dialogs& dialogs;
  MixerDevice& mixer;
  ListViews& lists;
  FileOperations& fileOps;
};

}  // namespace tv
