// SPDX-License-Identifier: GPL-3.0-or-later
// Images cut into frames, their handles and flags, and the pixel-exact collision test of two
// frames placed as DrawImage would place them under the current rotation and scale.
#include <algorithm>
#include <cmath>

#include "platform/internal.h"

namespace {

bool g_auto_mid_handle = false;
int g_default_flags = 0;

// Collision layers: each remembers nothing but whether it was written; the game only ever
// empties them all and tests pairs of images, for which layer 31 is scratch.
uint32_t g_layers_used = 0;

}  // namespace

namespace plat {

void apply_mask_colour(Frame& frame) {
    for (uint32_t& p : frame.rgba)
        if ((p & 0x00ffffffu) == 0) p = 0;
}

void build_masks(Frame& frame, int width, int height) {
    int words = (width + 63) / 64;
    frame.rows.assign(static_cast<size_t>(words) * height, 0);
    if (frame.rgba.empty()) return;  // not yet painted: transparent, nothing solid
    for (int v = 0; v < height; ++v) {
        for (int u = 0; u < width; ++u) {
            if ((frame.rgba[static_cast<size_t>(v) * width + u] >> 24) >= 128)
                frame.rows[static_cast<size_t>(v) * words + u / 64] |= uint64_t{1} << (u % 64);
        }
    }
    frame.dirty = true;
}

TImage* new_image(int width, int height, int frames, int flags) {
    auto* img = new TImage;
    img->width = width;
    img->height = height;
    img->flags = flags < 0 ? g_default_flags : flags;
    img->frames.resize(std::max(frames, 1));
    // Pixels are allocated by the first grab: a full-screen image made at start-up and used
    // only later costs nothing until then.
    for (auto& f : img->frames) build_masks(f, width, height);
    if (g_auto_mid_handle) MidHandleImage(img);
    return img;
}

}  // namespace plat

TImage* LoadImage(const std::string& url, int flags) {
    std::vector<uint8_t> bytes;
    if (!plat::read_all(url, bytes)) return nullptr;
    int w = 0, h = 0;
    std::vector<uint32_t> rgba;
    if (!plat::decode_png(bytes, w, h, rgba)) return nullptr;
    TImage* img = plat::new_image(w, h, 1, flags);
    img->frames[0].rgba = std::move(rgba);
    if (img->flags & kMaskedImage) plat::apply_mask_colour(img->frames[0]);
    plat::build_masks(img->frames[0], w, h);
    return img;
}

TImage* CreateImage(int width, int height, int frames, int flags) {
    int f = (flags < 0 ? g_default_flags : flags) | kDynamicImage;
    return plat::new_image(width, height, frames, f);
}

void FreeImage(TImage* image) {
    if (!image) return;
    plat::renderer_forget(image);
    delete image;
}

void GrabImage(TImage* image, int x, int y, int frame) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    plat::renderer_grab(image, x, y, frame);
}

void AutoMidHandle(bool enable) {
    g_auto_mid_handle = enable;
}
void AutoImageFlags(int flags) {
    g_default_flags = flags;
}

void MidHandleImage(TImage* image) {
    if (!image) return;
    image->handle_x = image->width * 0.5f;
    image->handle_y = image->height * 0.5f;
}

int ImageWidth(TImage* image) {
    return image ? image->width : 0;
}
int ImageHeight(TImage* image) {
    return image ? image->height : 0;
}
int ImageFrames(TImage* image) {
    return image ? static_cast<int>(image->frames.size()) : 0;
}

void ResetCollisions(uint32_t mask) {
    g_layers_used &= mask == 0 ? 0u : ~mask;
}

namespace {

bool solid(const TImage* img, int frame, int u, int v) {
    if (u < 0 || v < 0 || u >= img->width || v >= img->height) return false;
    const auto& rows = img->frames[frame].rows;
    return (rows[static_cast<size_t>(v) * img->words_per_row() + u / 64] >> (u % 64)) & 1;
}

// Unrotated, unscaled: compare the solid bits row by row.
[[gnu::noinline]] bool collide_plain(const TImage* a, int ax, int ay, int fa, const TImage* b,
                                     int bx, int by, int fb) {
    int left = std::max(ax, bx), right = std::min(ax + a->width, bx + b->width);
    int top = std::max(ay, by), bottom = std::min(ay + a->height, by + b->height);
    if (left >= right || top >= bottom) return false;
    if (a->width <= 64 && b->width <= 64) {
        const auto& ra = a->frames[fa].rows;
        const auto& rb = b->frames[fb].rows;
        int d = bx - ax;
        for (int y = top; y < bottom; ++y) {
            uint64_t wa = ra[static_cast<size_t>(y - ay)];
            uint64_t wb = rb[static_cast<size_t>(y - by)];
            uint64_t both = d >= 0 ? (wa >> d) & wb : wa & (wb >> -d);
            if (both) return true;
        }
        return false;
    }
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (solid(a, fa, x - ax, y - ay) && solid(b, fb, x - bx, y - by)) return true;
    return false;
}

struct Placed {
    const TImage* img;
    int frame;
    float x, y;
};

// Maps a screen point back into the image's pixels through the inverse of the drawing matrix.
bool covers(const Placed& p, const plat::DrawState& s, float px, float py) {
    float det = s.ix * s.jy - s.iy * s.jx;
    if (det == 0) return false;
    float dx = px - p.x, dy = py - p.y;
    float u = (dx * s.jy - dy * s.iy) / det + p.img->handle_x;
    float v = (dy * s.ix - dx * s.jx) / det + p.img->handle_y;
    return solid(p.img, p.frame, static_cast<int>(std::floor(u)), static_cast<int>(std::floor(v)));
}

void bounds(const Placed& p, const plat::DrawState& s, int& x0, int& y0, int& x1, int& y1) {
    float cx[4] = {-p.img->handle_x, p.img->width - p.img->handle_x, -p.img->handle_x,
                   p.img->width - p.img->handle_x};
    float cy[4] = {-p.img->handle_y, -p.img->handle_y, p.img->height - p.img->handle_y,
                   p.img->height - p.img->handle_y};
    float minx = 1e9f, maxx = -1e9f, miny = 1e9f, maxy = -1e9f;
    for (int i = 0; i < 4; ++i) {
        float sxp = p.x + cx[i] * s.ix + cy[i] * s.iy;
        float syp = p.y + cx[i] * s.jx + cy[i] * s.jy;
        minx = std::min(minx, sxp), maxx = std::max(maxx, sxp);
        miny = std::min(miny, syp), maxy = std::max(maxy, syp);
    }
    x0 = static_cast<int>(std::floor(minx)), x1 = static_cast<int>(std::ceil(maxx));
    y0 = static_cast<int>(std::floor(miny)), y1 = static_cast<int>(std::ceil(maxy));
}

// Rotated or scaled: every pixel of the overlap of the two bounding boxes mapped back into both
// images. Rare, and kept out of the plain test's way.
[[gnu::noinline]] bool collide_transformed(const TImage* image1, int x1, int y1, int frame1,
                                           const TImage* image2, int x2, int y2, int frame2) {
    const plat::DrawState& s = plat::draw_state();
    Placed a{image1, frame1, static_cast<float>(x1), static_cast<float>(y1)};
    Placed b{image2, frame2, static_cast<float>(x2), static_cast<float>(y2)};
    int ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
    bounds(a, s, ax0, ay0, ax1, ay1);
    bounds(b, s, bx0, by0, bx1, by1);
    int left = std::max(ax0, bx0), right = std::min(ax1, bx1);
    int top = std::max(ay0, by0), bottom = std::min(ay1, by1);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (covers(a, s, x + 0.5f, y + 0.5f) && covers(b, s, x + 0.5f, y + 0.5f)) return true;
    return false;
}

}  // namespace

// Each frame of play tests the hero against every solid cell on the screen, nearly all of them
// far from him: the test of the two boxes comes first and costs little.
// Boxes apart give false whichever frames are named, so the frames are checked after them.
bool ImagesCollide(TImage* image1, int x1, int y1, int frame1, TImage* image2, int x2, int y2,
                   int frame2) {
    if (!image1 || !image2) return false;
    const plat::DrawState& s = plat::draw_state();
    x1 += static_cast<int>(s.origin_x), y1 += static_cast<int>(s.origin_y);
    x2 += static_cast<int>(s.origin_x), y2 += static_cast<int>(s.origin_y);
    const int ax = x1 - static_cast<int>(image1->handle_x);
    const int ay = y1 - static_cast<int>(image1->handle_y);
    const int bx = x2 - static_cast<int>(image2->handle_x);
    const int by = y2 - static_cast<int>(image2->handle_y);
    if (s.plain && (ax >= bx + image2->width || bx >= ax + image1->width ||
                    ay >= by + image2->height || by >= ay + image1->height))
        return false;
    if (frame1 < 0 || frame2 < 0 || static_cast<size_t>(frame1) >= image1->frames.size() ||
        static_cast<size_t>(frame2) >= image2->frames.size())
        return false;
    g_layers_used |= 0x80000000u;
    if (!s.plain) return collide_transformed(image1, x1, y1, frame1, image2, x2, y2, frame2);
    return collide_plain(image1, ax, ay, frame1, image2, bx, by, frame2);
}
