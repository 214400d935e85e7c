// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing and steering a backend. Only the two program entries, the headless runner and the
// tests include this: the game itself sees nothing but platform.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/settings.h"

struct HeadlessOptions {
    bool draw = true;       // false: the no-draw mode (drawing changes the state only)
    bool seed_set = false;  // true: SeedRnd uses `seed` instead of its argument
    int32_t seed = 0;
    std::string data_dir;     // stands in for the program's own directory when not empty
    int start_millisecs = 0;  // where the virtual clock starts
    // Stands in for the player's packs folder, which the runner otherwise has none of.
    std::string players_packs;
};

// Desktop: a real window (or full screen), real sound, real devices. Call before Graphics.
void PlatformUseDesktop();
// Lets the program's messages reach the console it was started from: a Windows program with a
// window of its own gets none unless it asks (its output already going to a file or a pipe
// stays there); nothing to do elsewhere.
void PlatformUseParentConsole();
// The program's arguments after its name, in UTF-8 as every path the game holds: Windows
// hands main() those of its ANSI code page, which cannot name every file.
std::vector<std::string> PlatformArguments(int argc, char** argv);
// The player's settings for this desktop run (full screen, scaling, vertical sync, keys, the
// effects and music the game starts with) and those the settings file holds. With a path, the
// file's settings, changed by what the player switched during the run, are written there when
// the program ends. Call after PlatformUseDesktop and before Graphics.
void PlatformUseSettings(const Settings& in_force, const Settings& file, const std::string& path);
// A key of the keyboard by its SDL name going down or up, through the same bindings as the
// window's key events.
void DeliverKey(const std::string& sdl_key_name, bool down);
// Headless: offscreen OpenGL (or no drawing at all), a virtual clock, scripted input, sounds
// recorded as events. Call before Graphics.
void PlatformUseHeadless(const HeadlessOptions& options);
// Sounds in a headless run are mixed for real through SDL's audio driver named here ("disk",
// "dummy") instead of being recorded only. Call before Graphics.
void PlatformUseRealAudio(const std::string& driver);
bool PlatformHeadless();
// True when presenting waits for the vertical blank (the desktop on a 60 Hz display).
bool PlatformVsync();
bool PlatformDrawing();
// Headless without drawing: from now on draw as a headless run with drawing does (offscreen
// OpenGL), so that one process can run state-only work quickly and still take pictures later.
// Nothing changes in the game's state; nothing happens when drawing is already on.
void HeadlessStartDrawing();

// Frames presented so far (every Flip counts one); the frame being built is FrameNumber() + 1.
int FrameNumber();
// Called by Flip with the number of the frame being presented, after it is drawn and before
// it is shown, so that a runner can read the picture back or stop.
void SetFlipHook(std::function<void(int frame)> hook);
// The picture being built, 640 x 480, 3 bytes a pixel, top row first. False in no-draw mode.
bool ReadBackBuffer(std::vector<uint8_t>& rgb);
// Sounds and music-channel operations since the last call, by name ("snd_jump",
// "pause music_channel", ...). Headless only.
std::vector<std::string> TakeSoundEvents();
// Raised when a scripted wait can never end (the game polls for input the script never gives).
void SetStallHook(std::function<void()> hook);

// Input injection for the headless backend. A hit counts when a key goes down.
enum class InputAction { kPress, kRelease, kTap };
struct InputEvent {
    int frame = 0;
    InputAction action = InputAction::kPress;
    std::string control;  // left right up down jump turbo space escape f1 f2 f3 f10 f11 mouse1
                          // mouse2 mouse3 mouse joy-left joy-right joy-up joy-down joy0..joy7
                          // close suspend resume, key:NAME (an SDL key name, '_' for a space),
                          // pad:NAME (an SDL game-controller button), joy-unplug joy-plug,
                          // wheel-up wheel-down (a notch), text:TEXT (typed, '_' for a space)
    int x = 0;
    int y = 0;
    int line = 0;  // line of the script it came from
};
// Queued events are applied just before the first input query of their frame.
void HeadlessQueueEvents(const std::vector<InputEvent>& events);
// Applies one event at once (tests).
void HeadlessApply(const InputEvent& event);
// True when the control name is one the headless input knows.
bool HeadlessKnowsControl(const std::string& control);
// The virtual key that one of the game's own controls of a script presses (left right up down
// jump turbo space escape); -1 for any other control.
int ScriptGameKey(const std::string& control);

// Writes a 640 x 480 RGB picture as PNG; false when the file cannot be written.
bool WritePng(const std::string& path, const std::vector<uint8_t>& rgb, int width, int height);
