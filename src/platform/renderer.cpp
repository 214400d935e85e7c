// SPDX-License-Identifier: GPL-3.0-or-later
// Draws into a 640 x 480 back buffer: OpenGL with one small shader, quads batched by texture
// and blend mode, nearest filtering. In the no-draw mode nothing reaches OpenGL; plain sprite
// draws are only remembered so that grabbing from the back buffer (cutting sprite sheets)
// still gives the right pixels.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "platform/gl_functions.h"
#include "platform/host.h"
#include "platform/internal.h"

namespace {

struct Vertex {
    float x, y, u, v, r, g, b, a, threshold, opaque;
};

struct Gl {
    GLuint program = 0, vao = 0, vbo = 0, fbo = 0, colour = 0, white = 0;
    GLint screen_loc = -1;
    std::vector<Vertex> batch;
    GLuint batch_texture = 0;
    int batch_blend = 1;
    bool batch_translucent = false;  // an alpha draw in the shared batch: blending must be on
    int batch_quads = 0;
    int batch_opaque_blended = 0;  // mask or solid quads riding in a translucent batch
    bool ready = false;
    bool touched = false;        // drawn to since the last present
    GLsync in_flight = nullptr;  // the headless frame the driver may still be drawing
};
Gl gl;

// Frames nobody sees (a seek's unseen run, the skipped frames of a fast replay) are not drawn
// when nothing reads their picture: their batches wait here, and the next clear throws them
// away. Whatever reads the back buffer (a grab, a screenshot, a present) or draws for real
// first draws what waits, so the pixels are those of drawing every frame.
struct WaitingBatch {
    GLuint texture;
    int blend;  // the OpenGL blend mode the batch is drawn with
    size_t first, count;
};
struct Waiting {
    bool deferring = false;
    bool clear = false;  // the waiting picture begins with a clear in this colour
    float clear_r = 0, clear_g = 0, clear_b = 0;
    std::vector<Vertex> vertices;
    std::vector<WaitingBatch> batches;
    bool any() const { return clear || !batches.empty(); }
};
Waiting waiting;
// A screen that never clears could heap up frames without end: past this, it is drawn.
constexpr size_t kMostWaitingVertices = size_t{1} << 20;

// What the no-draw mode remembers of a frame: unrotated, unscaled sprite draws, where their
// top left corner falls before it is rounded down to a pixel (which only a grab needs).
struct Stamp {
    TImage* image;
    int frame;
    float left, top;
    int blend;
    uint32_t r, g, b;
};
// A fixed store, so that remembering a sprite never has to make room: a frame draws a few hundred,
// and only cutting a sprite sheet (which draws the sheet once) comes near the limit.
constexpr size_t kMostStamps = 4097;
std::array<Stamp, kMostStamps> g_stamps;
size_t g_stamp_count = 0;

// A sprite drawn for real: kept out of the no-draw mode's short way.
[[gnu::noinline]] void draw_image_quad(TImage* image, int frame, float x, float y);

// The version line comes from the host (glsl_prelude): the same source serves OpenGL 3.3 and
// OpenGL ES 3.0.
const char* kVertexShader = R"(
layout(location = 0) in vec2 pos;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec4 colour;
layout(location = 3) in vec2 test;  // alpha threshold, opaque flag
uniform vec2 screen;
out vec2 v_uv;
out vec4 v_colour;
out float v_threshold;
out float v_opaque;
void main() {
    gl_Position = vec4(pos.x / screen.x * 2.0 - 1.0, 1.0 - pos.y / screen.y * 2.0, 0.0, 1.0);
    v_uv = uv;
    v_colour = colour;
    v_threshold = test.x;
    v_opaque = test.y;
}
)";

const char* kFragmentShader = R"(
in vec2 v_uv;
in vec4 v_colour;
in float v_threshold;
in float v_opaque;
uniform sampler2D tex;
out vec4 result;
void main() {
    vec4 c = texture(tex, v_uv) * v_colour;
    if (c.a < v_threshold) discard;
    result = vec4(c.rgb, v_opaque > 0.5 ? 1.0 : c.a);
}
)";

// Mask, solid and alpha share one batch, so that a frame mixing them is not cut into hundreds
// of draws: mask and solid write alpha 1, which blends to exactly the source colour, and a
// batch without alpha draws skips blending altogether.
void set_blend(int mode) {
    switch (mode) {
        case 3:
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case 4:
            glEnable(GL_BLEND);
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            break;
        case 5:
            glEnable(GL_BLEND);
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            break;
        default:
            glDisable(GL_BLEND);
            break;
    }
}

void upload(TImage* img) {
    bool any = false;
    for (auto& f : img->frames) any = any || f.dirty;
    if (!any && img->texture) return;
    if (!img->texture) {
        glGenTextures(1, &img->texture);
        glBindTexture(GL_TEXTURE_2D, img->texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, img->width,
                     img->height * static_cast<int>(img->frames.size()), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
        for (auto& f : img->frames) f.dirty = true;
    } else {
        glBindTexture(GL_TEXTURE_2D, img->texture);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (size_t i = 0; i < img->frames.size(); ++i) {
        auto& f = img->frames[i];
        if (!f.dirty) continue;
        static std::vector<uint32_t> blank;  // for frames never painted
        if (f.rgba.empty()) blank.assign(static_cast<size_t>(img->width) * img->height, 0);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, static_cast<GLint>(i) * img->height, img->width,
                        img->height, GL_RGBA, GL_UNSIGNED_BYTE,
                        f.rgba.empty() ? blank.data() : f.rgba.data());
        f.dirty = false;
    }
}

void upload_font(TImageFont* font) {
    if (font->uploaded) return;
    glGenTextures(1, &font->texture);
    glBindTexture(GL_TEXTURE_2D, font->texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // White with the glyph coverage as alpha. OpenGL ES has no texture swizzle, so the atlas
    // is widened to RGBA here instead of being read as one channel.
    std::vector<uint32_t> texels(font->coverage.size());
    for (size_t i = 0; i < texels.size(); ++i)
        texels[i] = 0x00ffffffu | static_cast<uint32_t>(font->coverage[i]) << 24;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, font->atlas_w, font->atlas_h, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, texels.data());
    font->uploaded = true;
}

void draw_batch(const Vertex* vertices, size_t count, GLuint texture, int blend) {
    glBindFramebuffer(GL_FRAMEBUFFER, gl.fbo);
    glViewport(0, 0, plat::kScreenW, plat::kScreenH);
    glUseProgram(gl.program);
    glUniform2f(gl.screen_loc, plat::kScreenW * 0.5f * 2.0f, plat::kScreenH * 0.5f * 2.0f);
    glBindVertexArray(gl.vao);
    glBindBuffer(GL_ARRAY_BUFFER, gl.vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(Vertex)), vertices,
                 GL_STREAM_DRAW);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    set_blend(blend);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(count));
}

void clear_to(float r, float g, float b) {
    glBindFramebuffer(GL_FRAMEBUFFER, gl.fbo);
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Draws the picture that waits, in the order it was asked for.
void draw_waiting() {
    if (!waiting.any()) return;
    if (waiting.clear) clear_to(waiting.clear_r, waiting.clear_g, waiting.clear_b);
    for (const WaitingBatch& b : waiting.batches)
        draw_batch(waiting.vertices.data() + b.first, b.count, b.texture, b.blend);
    waiting.clear = false;
    waiting.vertices.clear();
    waiting.batches.clear();
}

void drop_batch() {
    gl.batch.clear();
    gl.batch_translucent = false;
    gl.batch_quads = 0;
    gl.batch_opaque_blended = 0;
}

void flush() {
    if (!gl.ready || gl.batch.empty()) return;
    const bool shared = gl.batch_blend != 4 && gl.batch_blend != 5;
    const int blend = !shared ? gl.batch_blend : (gl.batch_translucent ? 3 : 1);
    if (waiting.deferring && waiting.vertices.size() < kMostWaitingVertices) {
        waiting.batches.push_back(
            WaitingBatch{gl.batch_texture, blend, waiting.vertices.size(), gl.batch.size()});
        waiting.vertices.insert(waiting.vertices.end(), gl.batch.begin(), gl.batch.end());
    } else {
        draw_waiting();
        draw_batch(gl.batch.data(), gl.batch.size(), gl.batch_texture, blend);
    }
    drop_batch();
}

// Everything asked for so far, the waiting picture first, is on the back buffer: for whatever
// reads it or deletes a texture a batch may draw from.
void draw_everything() {
    flush();
    draw_waiting();
}

// Whether a quad may join the current shared batch. Each new batch costs a software rasteriser
// about as much as blending a dozen quads or more, so short runs of mask and solid quads ride along
// with alpha quads (blended, to the same colours), while long runs keep a batch without blending.
bool joins_shared_batch(bool translucent) {
    constexpr int kShortRun = 16;
    if (gl.batch_quads == 0 || translucent == gl.batch_translucent) return true;
    if (translucent) return gl.batch_quads < kShortRun;
    return gl.batch_opaque_blended < kShortRun - 1;
}

// Queues one textured quad whose corners are given relative to (x, y) before transforming.
void quad(GLuint texture, float x, float y, float left, float top, float w, float h, float u0,
          float v0, float u1, float v1) {
    gl.touched = true;
    const plat::DrawState& s = plat::draw_state();
    // Mask, solid and alpha share one OpenGL state: they differ only per vertex.
    auto gl_mode = [](int b) { return b == 4 || b == 5 ? b : 1; };
    const bool translucent = s.blend == 3;
    if (texture != gl.batch_texture || gl_mode(s.blend) != gl_mode(gl.batch_blend) ||
        (gl_mode(s.blend) == 1 && !joins_shared_batch(translucent))) {
        flush();
        gl.batch_texture = texture;
        gl.batch_blend = s.blend;
    }
    if (gl_mode(s.blend) == 1) {
        if (translucent && !gl.batch_translucent) gl.batch_opaque_blended = gl.batch_quads;
        if (!translucent && gl.batch_translucent) ++gl.batch_opaque_blended;
        gl.batch_translucent = gl.batch_translucent || translucent;
    }
    ++gl.batch_quads;
    float px = x + s.origin_x, py = y + s.origin_y;
    auto at = [&](float u, float v, float tu, float tv) {
        return Vertex{px + u * s.ix + v * s.iy,
                      py + u * s.jx + v * s.jy,
                      tu,
                      tv,
                      s.r / 255.0f,
                      s.g / 255.0f,
                      s.b / 255.0f,
                      s.alpha,
                      s.blend == 1 ? 0.5f : (s.blend == 2 ? -1.0f : 0.0f),
                      s.blend == 1 || s.blend == 2 ? 1.0f : 0.0f};
    };
    Vertex a = at(left, top, u0, v0), b = at(left + w, top, u1, v0);
    Vertex c = at(left + w, top + h, u1, v1), d = at(left, top + h, u0, v1);
    gl.batch.insert(gl.batch.end(), {a, b, c, a, c, d});
}

bool identity() {
    const plat::DrawState& s = plat::draw_state();
    return s.plain;
}

// No-draw mode: paints the remembered plain draws over one rectangle of pixels.
void replay(std::vector<uint32_t>& out, int x, int y, int w, int h) {
    const plat::DrawState& s = plat::draw_state();
    uint32_t cls = static_cast<uint32_t>(s.cls_r) | static_cast<uint32_t>(s.cls_g) << 8 |
                   static_cast<uint32_t>(s.cls_b) << 16 | 0xff000000u;
    std::fill(out.begin(), out.end(), cls);
    for (size_t i = 0; i < g_stamp_count; ++i) {
        const Stamp& st = g_stamps[i];
        const TImage* img = st.image;
        const auto& px = img->frames[st.frame].rgba;
        if (px.empty()) continue;  // never painted: transparent
        const int left = static_cast<int>(std::floor(st.left));
        const int top = static_cast<int>(std::floor(st.top));
        int x0 = std::max(x, left), x1 = std::min(x + w, left + img->width);
        int y0 = std::max(y, top), y1 = std::min(y + h, top + img->height);
        for (int sy = y0; sy < y1; ++sy) {
            for (int sx = x0; sx < x1; ++sx) {
                uint32_t p = px[static_cast<size_t>(sy - top) * img->width + (sx - left)];
                if (st.blend != 2 && (p >> 24) < 128) continue;
                uint32_t r = (p & 0xff) * st.r / 255, g = ((p >> 8) & 0xff) * st.g / 255,
                         b = ((p >> 16) & 0xff) * st.b / 255;
                out[static_cast<size_t>(sy - y) * w + (sx - x)] =
                    r | g << 8 | b << 16 | 0xff000000u;
            }
        }
    }
}

}  // namespace

namespace plat {

GLuint compile_shader(GLenum type, const char* source) {
    GLuint s = glCreateShader(type);
    const char* parts[2] = {plat::glsl_prelude(), source};
    glShaderSource(s, 2, parts, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        std::fprintf(stderr, "varnoth: shader does not compile: %s\n", log);
    }
    return s;
}

bool renderer_init() {
    if (!config().draw) return true;
    if (!load_gl_functions()) return false;
    GLuint vs = compile_shader(GL_VERTEX_SHADER, kVertexShader);
    GLuint fs = compile_shader(GL_FRAGMENT_SHADER, kFragmentShader);
    gl.program = glCreateProgram();
    glAttachShader(gl.program, vs);
    glAttachShader(gl.program, fs);
    glLinkProgram(gl.program);
    GLint ok = 0;
    glGetProgramiv(gl.program, GL_LINK_STATUS, &ok);
    if (!ok) return false;
    gl.screen_loc = glGetUniformLocation(gl.program, "screen");
    glUseProgram(gl.program);
    glUniform1i(glGetUniformLocation(gl.program, "tex"), 0);

    glGenVertexArrays(1, &gl.vao);
    glBindVertexArray(gl.vao);
    glGenBuffers(1, &gl.vbo);
    glBindBuffer(GL_ARRAY_BUFFER, gl.vbo);
    auto attr = [](GLuint index, int count, size_t offset) {
        glEnableVertexAttribArray(index);
        glVertexAttribPointer(index, count, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                              reinterpret_cast<const void*>(offset));
    };
    attr(0, 2, offsetof(Vertex, x));
    attr(1, 2, offsetof(Vertex, u));
    attr(2, 4, offsetof(Vertex, r));
    attr(3, 2, offsetof(Vertex, threshold));

    glGenTextures(1, &gl.colour);
    glBindTexture(GL_TEXTURE_2D, gl.colour);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kScreenW, kScreenH, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glGenFramebuffers(1, &gl.fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, gl.fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, gl.colour, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;

    uint32_t white = 0xffffffffu;
    glGenTextures(1, &gl.white);
    glBindTexture(GL_TEXTURE_2D, gl.white);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, &white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.ready = true;
    renderer_clear();
    return true;
}

void renderer_clear() {
    g_stamp_count = 0;
    if (!gl.ready) return;
    const DrawState& s = draw_state();
    gl.touched = true;
    // Whatever waits, and whatever is queued, the clear paints over.
    drop_batch();
    waiting.vertices.clear();
    waiting.batches.clear();
    waiting.clear = waiting.deferring;
    if (waiting.deferring) {
        waiting.clear_r = s.cls_r / 255.0f, waiting.clear_g = s.cls_g / 255.0f,
        waiting.clear_b = s.cls_b / 255.0f;
        return;
    }
    clear_to(s.cls_r / 255.0f, s.cls_g / 255.0f, s.cls_b / 255.0f);
}

void renderer_defer(bool defer) {
    if (!gl.ready || defer == waiting.deferring) return;
    flush();
    waiting.deferring = defer;
}

void renderer_draw_image(TImage* image, int frame, float x, float y) {
    if (!gl.ready) {
        // Every sprite of a frame comes here in the no-draw mode, so this stays short (the
        // display is open before anything draws: not ready means not drawing).
        if (!identity() || g_stamp_count == kMostStamps) return;
        const DrawState& s = draw_state();
        g_stamps[g_stamp_count++] = Stamp{image,
                                          frame,
                                          x + s.origin_x - image->handle_x,
                                          y + s.origin_y - image->handle_y,
                                          s.blend,
                                          static_cast<uint32_t>(s.r),
                                          static_cast<uint32_t>(s.g),
                                          static_cast<uint32_t>(s.b)};
        return;
    }
    draw_image_quad(image, frame, x, y);
}

}  // namespace plat

namespace {

void draw_image_quad(TImage* image, int frame, float x, float y) {
    upload(image);
    float total = static_cast<float>(image->height * static_cast<int>(image->frames.size()));
    float v0 = frame * image->height / total, v1 = (frame + 1) * image->height / total;
    quad(image->texture, x, y, -image->handle_x, -image->handle_y, static_cast<float>(image->width),
         static_cast<float>(image->height), 0, v0, 1, v1);
}

}  // namespace

namespace plat {

void renderer_draw_glyphs(TImageFont* font, const std::string& text, float x, float y) {
    if (!gl.ready) return;
    upload_font(font);
    float pen = 0;
    for (unsigned char c : text) {
        const Glyph& g = font->glyphs[c];
        if (g.width > 0 && g.height > 0) {
            float u0 = static_cast<float>(g.atlas_x) / font->atlas_w;
            float v0 = static_cast<float>(g.atlas_y) / font->atlas_h;
            float u1 = static_cast<float>(g.atlas_x + g.width) / font->atlas_w;
            float v1 = static_cast<float>(g.atlas_y + g.height) / font->atlas_h;
            quad(font->texture, x, y, pen + g.left, static_cast<float>(g.top),
                 static_cast<float>(g.width), static_cast<float>(g.height), u0, v0, u1, v1);
        }
        pen += g.advance;
    }
}

void renderer_draw_rect(float x, float y, float w, float h) {
    if (!gl.ready) return;
    quad(gl.white, x, y, 0, 0, w, h, 0, 0, 1, 1);
}

// Reads a rectangle of the back buffer, top row first, as RGBA words.
static void read_rect(int x, int y, int w, int h, std::vector<uint32_t>& out) {
    out.assign(static_cast<size_t>(w) * h, 0xff000000u);
    if (!gl.ready) {
        replay(out, x, y, w, h);
        return;
    }
    draw_everything();
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, kScreenW), y1 = std::min(y + h, kScreenH);
    if (x0 >= x1 || y0 >= y1) return;
    std::vector<uint32_t> rows(static_cast<size_t>(x1 - x0) * (y1 - y0));
    glBindFramebuffer(GL_FRAMEBUFFER, gl.fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x0, kScreenH - y1, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    for (int sy = y0; sy < y1; ++sy) {
        const uint32_t* src = rows.data() + static_cast<size_t>(y1 - 1 - sy) * (x1 - x0);
        for (int sx = x0; sx < x1; ++sx)
            out[static_cast<size_t>(sy - y) * w + (sx - x)] = src[sx - x0] | 0xff000000u;
    }
}

void renderer_forget(TImage* image) {
    const auto kept = std::remove_if(g_stamps.begin(), g_stamps.begin() + g_stamp_count,
                                     [image](const Stamp& st) { return st.image == image; });
    g_stamp_count = static_cast<size_t>(kept - g_stamps.begin());
    if (!gl.ready || !image->texture) return;
    draw_everything();  // the queued batch and the waiting picture may still draw from it
    if (gl.batch_texture == image->texture) gl.batch_texture = 0;
    glDeleteTextures(1, &image->texture);
    image->texture = 0;
}

void renderer_grab(TImage* image, int x, int y, int frame) {
    Frame& f = image->frames[frame];
    read_rect(x, y, image->width, image->height, f.rgba);
    if (image->flags & kMaskedImage) apply_mask_colour(f);
    build_masks(f, image->width, image->height);
}

bool renderer_read(std::vector<uint8_t>& rgb) {
    if (!gl.ready) return false;
    std::vector<uint32_t> px;
    read_rect(0, 0, kScreenW, kScreenH, px);
    rgb.resize(px.size() * 3);
    for (size_t i = 0; i < px.size(); ++i) {
        rgb[i * 3] = static_cast<uint8_t>(px[i]);
        rgb[i * 3 + 1] = static_cast<uint8_t>(px[i] >> 8);
        rgb[i * 3 + 2] = static_cast<uint8_t>(px[i] >> 16);
    }
    return true;
}

bool renderer_shows_last_present() {
    return gl.ready && !gl.touched;
}

void renderer_flush() {
    flush();
}

void renderer_end_frame() {
    if (!gl.ready) return;
    flush();
    // Without a swap nothing throttles the driver: a software rasteriser queues frame after
    // frame faster than it draws them and its memory grows without bound. One frame may be in
    // flight while the next is built; the one before must be finished.
    if (gl.in_flight) {
        glClientWaitSync(gl.in_flight, GL_SYNC_FLUSH_COMMANDS_BIT, GL_TIMEOUT_IGNORED);
        glDeleteSync(gl.in_flight);
    }
    gl.in_flight = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    glFlush();
}

bool renderer_picture(unsigned& framebuffer, unsigned& texture) {
    if (!gl.ready) return false;
    draw_everything();
    framebuffer = gl.fbo;
    texture = gl.colour;
    return true;
}

void renderer_presented() {
    gl.touched = false;
}

}  // namespace plat
