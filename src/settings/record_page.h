#pragma once
// The record settings page: how the video window program records (format, bit rate, stream
// format, frame size) and where (the capture folder). Which formats can be chosen depends on the
// video standard's group, on the encoders the card reports during the page's sends 7791 and
// 7792, and on whether the teletext viewer runs. Also the folder chooser the misc page shares.

#include <string>

#include "app/panel_context.h"
#include "platform/dialog.h"
#include "settings/settings_dialog_ids.h"

namespace tv::settings {

// 46203: whether the MPEG-4 encoder is available.
void NoteMpeg4Encoder(PanelContext& ctx, int available);
// 46204: whether the other encoder is available.
void NoteOtherEncoder(PanelContext& ctx, int available);

// Paths go through buffers of this size, terminator included.
inline constexpr std::size_t kPathCapacity = 260;

// The shell's folder browser titled "File Directory", owned by owner. True when a folder with a
// file-system path was chosen: path then holds it (at most kPathCapacity - 1 characters);
// otherwise path is left as it was.
bool ChooseFolder(PanelContext& ctx, WindowRef owner, std::string& path);

// The index of the list's entry equal to text, or -1.
int FindExactItem(DialogControls& dialog, int control, const std::string& text);

// The teletext viewer runs when a top-level window titled "Teletext" exists, whatever its class.
bool TeletextViewerRuns(PanelContext& ctx);

class RecordPage : public DialogHandler {
 public:
  explicit RecordPage(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  void InitFormat(DialogControls& dialog, const std::string& format);
  void ChooseFormat(DialogControls& dialog, int radio);
  void FillBitRates(DialogControls& dialog, int radio);

  PanelContext& ctx_;
};

}  // namespace tv::settings
