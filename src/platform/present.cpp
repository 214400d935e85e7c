// SPDX-License-Identifier: GPL-3.0-or-later
// The picture into the window. A whole factor is one nearest-neighbour copy. Any other size is
// drawn as if the picture were first enlarged to the smallest whole multiple at or above the
// rectangle with nearest-neighbour sampling and that then scaled linearly down: one shader pass
// computes exactly that blend from the 640 x 480 picture, so each picture pixel keeps its
// edges (no blur, no uneven rows) without filling a large intermediate buffer every frame.
#include <cstdio>

#include "platform/gl_functions.h"
#include "platform/host.h"
#include "platform/internal.h"

namespace {

// The version line comes from the host, as for the renderer's shaders.
const char* kPresentVertexShader = R"(
out vec2 v_uv;
void main() {
    // A strip of four corners over the whole viewport; (0, 0) at the bottom left.
    vec2 corner = vec2(gl_VertexID & 1, gl_VertexID >> 1);
    v_uv = corner;
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

// With the enlarged picture E (source pixel p covers E pixels p*k .. p*k+k-1), linear sampling
// of E at u blends E pixels i0 and i0+1 by t. Both are one source pixel or two neighbours, and
// sampling the source linearly at the point below gives the same blend.
const char* kPresentFragmentShader = R"(
in vec2 v_uv;
uniform sampler2D picture;
uniform vec2 source_size;
uniform vec2 factor;
out vec4 result;
void main() {
    vec2 u = v_uv * source_size * factor;
    vec2 i0 = floor(u - 0.5);
    vec2 t = u - 0.5 - i0;
    vec2 a = floor(i0 / factor);
    vec2 b = floor((i0 + 1.0) / factor);
    vec2 s = a + 0.5 + t * vec2(notEqual(a, b));
    result = vec4(texture(picture, s / source_size).rgb, 1.0);
}
)";

struct Presenter {
    GLuint program = 0, vao = 0;
    GLint source_size = -1, factor = -1;
    bool tried = false;
};
Presenter p;

bool ready() {
    if (p.tried) return p.program != 0;
    p.tried = true;
    GLuint program = glCreateProgram();
    glAttachShader(program, plat::compile_shader(GL_VERTEX_SHADER, kPresentVertexShader));
    glAttachShader(program, plat::compile_shader(GL_FRAGMENT_SHADER, kPresentFragmentShader));
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        // The plain linear copy still shows the whole picture, only less crisp.
        std::fprintf(stderr, "varnoth: the sharp scaling shader does not build\n");
        return false;
    }
    p.program = program;
    p.source_size = glGetUniformLocation(program, "source_size");
    p.factor = glGetUniformLocation(program, "factor");
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, "picture"), 0);
    glGenVertexArrays(1, &p.vao);
    return true;
}

// Only the black field around the picture is cleared: a software rasteriser pays for every
// pixel, and the picture covers its own rectangle anyway.
void clear_around(int window_w, int window_h, int x, int y, int w, int h) {
    const int bars[4][4] = {{0, 0, x, window_h},
                            {x + w, 0, window_w - x - w, window_h},
                            {x, 0, w, y},
                            {x, y + h, w, window_h - y - h}};
    glClearColor(0, 0, 0, 1);
    glEnable(GL_SCISSOR_TEST);
    for (const auto& bar : bars) {
        if (bar[2] <= 0 || bar[3] <= 0) continue;
        glScissor(bar[0], bar[1], bar[2], bar[3]);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

}  // namespace

namespace plat {

void present_picture(int window_w, int window_h, const PictureRect& rect) {
    GLuint fbo = 0, texture = 0;
    if (!renderer_picture(fbo, texture)) return;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // GL counts rows from the bottom.
    const int x0 = rect.x, y0 = window_h - rect.y - rect.h;
    clear_around(window_w, window_h, x0, y0, rect.w, rect.h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    if (rect.exact() || !ready()) {
        glBlitFramebuffer(0, 0, kScreenW, kScreenH, x0, y0, x0 + rect.w, y0 + rect.h,
                          GL_COLOR_BUFFER_BIT, rect.exact() ? GL_NEAREST : GL_LINEAR);
    } else {
        glViewport(x0, y0, rect.w, rect.h);
        glDisable(GL_BLEND);
        glUseProgram(p.program);
        glUniform2f(p.source_size, static_cast<float>(kScreenW), static_cast<float>(kScreenH));
        glUniform2f(p.factor, static_cast<float>(rect.factor), static_cast<float>(rect.factor));
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindVertexArray(p.vao);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    renderer_presented();
    // Finished before the wait for the deadline, so that the swap at the deadline has only a
    // finished picture to show.
    glFinish();
}

}  // namespace plat
