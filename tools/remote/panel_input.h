#pragma once
// Real input to the running panel: the pointer and the keyboard go through SendInput, so the
// panel's own hit testing, hover, capture, press and key handling run as for a user.

#include <windows.h>

#include <string>

#include "key_names.h"

namespace tv::remote {

// The panel window (class "Brivanta Zentaro", title "Panel"), or a runtime error.
HWND FindPanel();

// Brings the window to the foreground and waits briefly until it is there; false if it never
// got there.
bool BringToForeground(HWND window);

// Points are in the window's client coordinates: what its mouse messages carry.
void MovePointer(HWND window, POINT client);
void Click(HWND window, POINT client, DWORD holdMs);

// Modifiers down in order, the key down and up, modifiers up in reverse.
void TypeChord(const KeyChord& chord);

// Top-level windows by title, and class when one is given; both compared without regard to
// case, as window lookups by name are.
struct WindowMatch {
  HWND window = nullptr;
  bool visible = false;
};
WindowMatch FindTopLevel(const std::string& title, const std::string* className);

}  // namespace tv::remote
