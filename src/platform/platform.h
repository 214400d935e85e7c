// SPDX-License-Identifier: GPL-3.0-or-later
// The one door between the game and the machine: display, drawing state, images, fonts,
// pixel-exact collisions, sound, input, pacing, random numbers, streams and embedded data.
// Backends (desktop SDL2 + OpenGL, headless offscreen or no-draw) sit behind these functions.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "platform/key_codes.h"

// ---------------------------------------------------------------------------------------------
// Handles. The null object is nullptr; every operation accepts it and does nothing harmful.
struct TImage;
struct TImageFont;
struct TSound;
struct TChannel;
struct TStream;

// ---------------------------------------------------------------------------------------------
// Display and frame
void AppTitle(const std::string& title);
void Graphics(int width, int height, int depth, int hertz, int flags);
void Cls();
void Flip(int sync);
void HideMouse();
// The system's pointer over the window again (the editor is worked with the mouse).
void ShowMouse();
// The window's icon in the desktop's task bar: one frame of an image (black is transparent).
void SetWindowIcon(TImage* image, int frame);
void MoveMouse(int x, int y);
bool AppSuspended();
bool AppTerminate();
[[noreturn]] void End();

// ---------------------------------------------------------------------------------------------
// Drawing state
void SetColor(int r, int g, int b);
void SetAlpha(float alpha);
void SetBlend(int mode);
void SetRotation(float degrees);
void SetScale(float sx, float sy);
void SetTransform(float degrees, float sx, float sy);
void SetOrigin(float x, float y);
void SetClsColor(int r, int g, int b);
int GetBlend();
float GetAlpha();
float GetRotation();
void GetScale(float& sx, float& sy);
void GetColor(int& r, int& g, int& b);

// ---------------------------------------------------------------------------------------------
// Drawing
void DrawImage(TImage* image, float x, float y, int frame = 0);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
void DrawRect(float x, float y, float w, float h);

// ---------------------------------------------------------------------------------------------
// Images and fonts
constexpr int kMaskedImage = 1;
constexpr int kDynamicImage = 8;
TImage* LoadImage(const std::string& url, int flags = -1);
TImage* CreateImage(int width, int height, int frames = 1, int flags = -1);
// Releases an image that will not be drawn again (a sheet once its frames are cut).
void FreeImage(TImage* image);
void GrabImage(TImage* image, int x, int y, int frame = 0);
void AutoMidHandle(bool enable);
void MidHandleImage(TImage* image);
void AutoImageFlags(int flags);
int ImageWidth(TImage* image);
int ImageHeight(TImage* image);
int ImageFrames(TImage* image);
TImageFont* LoadImageFont(const std::string& url, int size, int style = 0);
void SetImageFont(TImageFont* font);

// ---------------------------------------------------------------------------------------------
// Collisions
void ResetCollisions(uint32_t mask = 0);
bool ImagesCollide(TImage* image1, int x1, int y1, int frame1, TImage* image2, int x2, int y2,
                   int frame2);

// ---------------------------------------------------------------------------------------------
// Sound
// A missing file gives a handle that plays nothing; so does a damaged or cut-off one, which is
// also named in one line on standard error.
TSound* LoadSound(const std::string& url, int flags = 0);
// Releases a sound that is not playing and will not be played again.
void FreeSound(TSound* sound);
TChannel* AllocChannel();
TChannel* PlaySound(TSound* sound, TChannel* channel = nullptr);
void StopChannel(TChannel* channel);
void PauseChannel(TChannel* channel);
void ResumeChannel(TChannel* channel);
void SetChannelVolume(TChannel* channel, float volume);
bool ChannelPlaying(TChannel* channel);
// The name a sound was loaded under ("snd_" and the file's base name); used by state dumps.
std::string SoundName(TSound* sound);

// ---------------------------------------------------------------------------------------------
// Input. Keys are Windows virtual-key codes (27 Escape, 32 Space, 37..40 arrows, 112.. F1..,
// 162 left Control, 164 left Alt, ...). Mouse buttons 1 left, 2 right, 3 middle.
int KeyHit(int key);
int KeyDown(int key);
void FlushKeys();
int MouseHit(int button);
int MouseDown(int button);
int MouseX();
int MouseY();
// The wheel's notches turned since the last call: positive away from the player (up), negative
// toward. FlushMouse forgets them.
int MouseWheel();
// The text typed since the last call, in UTF-8, as the keyboard layout gives it (not the keys).
// FlushKeys forgets it.
std::string TypedText();
void FlushMouse();
int JoyCount();
float JoyX(int port = 0);
float JoyY(int port = 0);
int JoyDown(int button, int port = 0);
int JoyHit(int button, int port = 0);

// ---------------------------------------------------------------------------------------------
// Timing
int MilliSecs();
void Delay(int ms);
// The wall clock's milliseconds (the low 32 bits), free-running across runs, unlike
// MilliSecs, which counts from start-up: a seed that differs from run to run.
int WallClockMilliSecs();

// ---------------------------------------------------------------------------------------------
// The player's own choices and files
// Effects and music (1 on, 0 off) as the player left them last time; 1 when nothing is known.
int StartingEffects();
int StartingMusic();
// The effects and music the player has chosen, kept for the next run when the program ends.
void KeepEffectsAndMusic(int effects, int music);
// The level pack the player chose (its id, "" for the game's own areas) as the settings file
// holds it, and the one chosen now, kept for the next run when the program ends.
std::string StartingPack();
void KeepChosenPack(const std::string& id);
// The top score's file, the same for reading and writing during a run: "data\hiscore.dat"
// beside the program when that folder is writable, else one in the user's data folder; ""
// when there is none (the top score then lasts for the run).
std::string TopScoreFile();

// ---------------------------------------------------------------------------------------------
// Random numbers: one global generator. Its whole state is one integer so that a tool can save
// and restore it together with the rest of the game's state.
void SeedRnd(int seed);
double Rnd(double a = 1.0, double b = 0.0);
int Rand(int a, int b = 1);
int32_t RndState();
void SetRndState(int32_t state);

// ---------------------------------------------------------------------------------------------
// The machine's side of a running game that decides later frames: held keys, joystick and mouse
// buttons with their uncounted hits, the mouse position, scripted input still to come, the clock,
// frame count and pacing, the drawing state and the random generator. A tool saves it with the
// game's own state to run the same frames again from there.
struct TPlatformState;
std::shared_ptr<const TPlatformState> SavePlatformState();
// Puts everything back as saved; the null object changes nothing.
void LoadPlatformState(const TPlatformState* state);

// ---------------------------------------------------------------------------------------------
// Files, streams and embedded data. "incbin::NAME" opens an embedded block; other paths are
// relative to the program's own directory, and '\' separates folders as well as '/'.
void RegisterIncbin(const std::string& name, const unsigned char* data, size_t size);
TStream* ReadFile(const std::string& path);
TStream* WriteFile(const std::string& path);
void CloseStream(TStream* stream);
int32_t ReadInt(TStream* stream);
void WriteInt(TStream* stream, int32_t value);
bool Eof(TStream* stream);
// Bytes left to read; 0 for a write stream or the null object.
size_t StreamRemaining(TStream* stream);
// True when every write so far reached the file; CloseStream reports nothing by itself.
bool StreamOk(TStream* stream);
int FileType(const std::string& path);
std::string ResolvePath(const std::string& path);
// Puts the file `from` in place of `to` in one step, replacing a file already there (which
// rename does not do on Windows); false leaves both as they were. The paths are the system's
// (ResolvePath gives those of the game's own names).
bool RenameOver(const std::string& from, const std::string& to);
// The whole of a file or embedded block as bytes, named as ReadFile names them; false when it
// cannot be read (missing, a folder, no right to read it).
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes a file whole or not at all: a scratch file beside it first, then RenameOver. False
// leaves the old file as it was and no scratch file behind.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
// The names of the entries of a folder, sorted: its folders, or its files. Empty when the
// folder cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder, bool folders);
// Makes a folder and its parents; true when it is there afterwards.
bool MakeFolders(const std::string& folder);
// A path as a player typed it on the command line, relative to the current folder, as the
// absolute path the game's file functions take.
std::string AbsolutePath(const std::string& path);
// The last name of a path: a file's, or a folder's with or without separators after it
// (a slash or a backslash).
std::string PathLastName(const std::string& path);
// The folder in the player's data folder where the player puts level packs, made when missing,
// with a trailing separator. "" in the headless runner (which touches none of the player's
// folders; --players-packs gives it a stand-in), in a browser (packs of one's own are for the
// desktop) or when it cannot be had.
std::string PlayersPacksFolder();

// ---------------------------------------------------------------------------------------------
// TList: the game's object lists. Objects are stored by value so that the whole game state can
// be copied; an object may remove itself (or others) while a walk over the list is running, and
// it stays valid until the outermost walk has finished.
template <typename T>
class TList {
  public:
    T& AddLast(const T& value) {
        nodes_.push_back(Node{value, false});
        ++live_;
        return nodes_.back().value;
    }
    void Remove(const T* value) {
        for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
            if (&it->value == value && !it->removed) {
                it->removed = true;
                --live_;
                if (walking_ == 0) nodes_.erase(it);
                return;
            }
        }
    }
    void Clear() {
        if (walking_ == 0) {
            nodes_.clear();
        } else {
            for (auto& n : nodes_) n.removed = true;
        }
        live_ = 0;
    }
    int Count() const { return live_; }
    bool IsEmpty() const { return live_ == 0; }
    T* First() {
        for (auto& n : nodes_)
            if (!n.removed) return &n.value;
        return nullptr;
    }
    // Visits each live object in list order, including ones appended during the walk.
    template <typename F>
    void ForEach(F&& visit) {
        ++walking_;
        for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
            if (!it->removed) visit(it->value);
        }
        if (--walking_ == 0) Purge();
    }
    template <typename F>
    void ForEach(F&& visit) const {
        for (const auto& n : nodes_)
            if (!n.removed) visit(n.value);
    }

  private:
    struct Node {
        T value;
        bool removed;
    };
    void Purge() {
        for (auto it = nodes_.begin(); it != nodes_.end();)
            it = it->removed ? nodes_.erase(it) : std::next(it);
    }
    std::list<Node> nodes_;
    int live_ = 0;
    int walking_ = 0;
};
