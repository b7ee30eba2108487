// The options window that the title menu and the in-location menu both open: sound and music
// volume sliders, the full-screen check and an "Exit" button.
#pragma once

#include "button.h"
#include "control.h"

// Builds the window's controls into `list` (each faded in over 50, drawn in its own colours);
// "Exit" calls `exit_callback`.
void CreateOptionsWindow(ControlList& list, ButtonCallback exit_callback);
// Slider callbacks: the knob's position 0..120 becomes the volume at once.
void SetSoundVolume(int position);
void SetMusicVolume(int position);
// The check's callback: flips full screen and asks the shell to rebuild the display.
void ToggleFullscreen(Button* button);
