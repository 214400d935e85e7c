// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the media catalogue once at start: the font, the logo, the sprite sheets cut into
// frames through the back buffer, and the sounds.
#include "shell/globals.h"

namespace {

struct SoundSlot {
    TSound** handle;
    const char* path;
};

const SoundSlot kSounds[] = {
    {&snd_tilesong, "data\\tilesong.ogg"},
    {&snd_boing, "data\\boing.ogg"},
    {&snd_jump, "data\\jump.ogg"},
    {&snd_magic, "data\\magic.ogg"},
    {&snd_bonk, "data\\bonk.ogg"},
    {&snd_bash, "data\\bash.ogg"},
    {&snd_powerup, "data\\powerup.ogg"},
    {&snd_popout, "data\\popout.ogg"},
    {&snd_runestone, "data\\runestone.ogg"},
    {&snd_extralife, "data\\extralife.ogg"},
    {&snd_invincible, "data\\invincible.ogg"},
    {&snd_hidden, "data\\hidden.ogg"},
    {&snd_fireball, "data\\fireball.ogg"},
    {&snd_bonus, "data\\bonus.ogg"},
    {&snd_wiskin, "data\\wiskin.ogg"},
    {&snd_splash, "data\\splash.ogg"},
    {&snd_jdeath1, "data\\jdeath1.ogg"},
    {&snd_jdeath2, "data\\jdeath2.ogg"},
    {&snd_witch, "data\\witch.ogg"},
    {&snd_edeath, "data\\edeath.ogg"},
    {&snd_splat, "data\\splat.ogg"},
    {&snd_powerdwn, "data\\powerdwn.ogg"},
    {&snd_scorpshot, "data\\scorpshot.ogg"},
    {&snd_cannon, "data\\cannon.ogg"},
    {&snd_hbthrow, "data\\hbthrow.ogg"},
    {&snd_efireball, "data\\efireball.ogg"},
};

constexpr int kSpriteFrames = 127;
constexpr int kSprite2Frames = 6;
constexpr int kFrameSize = 40;
constexpr int kPitch = 41;
constexpr int kPerRow = 15;

}  // namespace

void game_tag::load_media() {
    font_main = LoadImageFont("incbin::fonts\\plasdrip.ttf", 22, 4);
    img_logo = LoadImage("incbin::graphx\\qllogo.png", -1);
    SetImageFont(font_main);
    MidHandleImage(img_logo);

    AutoMidHandle(false);
    TImage* sheet = LoadImage("incbin::graphx\\tovo_01.png", -1);
    DrawImage(sheet, 0, 0, 0);

    AutoMidHandle(true);
    img_title = CreateImage(275, 126, 1, -1);
    GrabImage(img_title, 358, 330, 0);
    img_strip = CreateImage(354, 32, 1, -1);
    GrabImage(img_strip, 2, 408, 0);
    img_screen = CreateImage(640, 480, 1, -1);
    img_sprites = CreateImage(kFrameSize, kFrameSize, kSpriteFrames, -1);
    for (int i = 0; i < kSpriteFrames; ++i)
        GrabImage(img_sprites, 1 + kPitch * (i % kPerRow), 1 + kPitch * (i / kPerRow), i);
    FreeImage(sheet);  // everything is cut from it

    AutoMidHandle(false);
    Cls();
    TImage* sheet2 = LoadImage("incbin::graphx\\tovo_02.png", -1);
    DrawImage(sheet2, 0, 0, 0);
    AutoMidHandle(true);
    SetWindowIcon(img_sprites, kHeroFrame);
    img_sprites2 = CreateImage(kFrameSize, kFrameSize, kSprite2Frames, -1);
    for (int j = 0; j < kSprite2Frames; ++j) GrabImage(img_sprites2, 1 + kPitch * j, 1, j);
    FreeImage(sheet2);
    AutoMidHandle(false);

    music_channel = AllocChannel();
    for (const SoundSlot& s : kSounds)
        *s.handle = LoadSound(s.path, s.handle == &snd_tilesong ? 1 : 0);
}
