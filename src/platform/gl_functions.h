// SPDX-License-Identifier: GPL-3.0-or-later
// OpenGL for the renderer. The system's OpenGL library exports only the functions of
// OpenGL 1.1 everywhere (on Windows nothing newer); every later function is looked up at run
// time from the current context, once it exists, and called through a pointer of its own.
#pragma once

#ifdef _WIN32
#include "platform/windows_api.h"
#endif
#include <GL/gl.h>
#include <GL/glext.h>

// The functions looked up, with their pointer types.
#define VARNOTH_GL_FUNCTIONS(X)                                    \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                     \
    X(PFNGLATTACHSHADERPROC, glAttachShader)                       \
    X(PFNGLBINDBUFFERPROC, glBindBuffer)                           \
    X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                 \
    X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)                 \
    X(PFNGLBLITFRAMEBUFFERPROC, glBlitFramebuffer)                 \
    X(PFNGLBUFFERDATAPROC, glBufferData)                           \
    X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)   \
    X(PFNGLCLIENTWAITSYNCPROC, glClientWaitSync)                   \
    X(PFNGLCOMPILESHADERPROC, glCompileShader)                     \
    X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                     \
    X(PFNGLCREATESHADERPROC, glCreateShader)                       \
    X(PFNGLDELETESYNCPROC, glDeleteSync)                           \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray) \
    X(PFNGLFENCESYNCPROC, glFenceSync)                             \
    X(PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D)       \
    X(PFNGLGENBUFFERSPROC, glGenBuffers)                           \
    X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                 \
    X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                 \
    X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                       \
    X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)               \
    X(PFNGLGETSHADERIVPROC, glGetShaderiv)                         \
    X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)           \
    X(PFNGLLINKPROGRAMPROC, glLinkProgram)                         \
    X(PFNGLSHADERSOURCEPROC, glShaderSource)                       \
    X(PFNGLUNIFORM1IPROC, glUniform1i)                             \
    X(PFNGLUNIFORM2FPROC, glUniform2f)                             \
    X(PFNGLUSEPROGRAMPROC, glUseProgram)                           \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)

namespace plat::gl_fn {
#define VARNOTH_GL_DECLARE(type, name) extern type name;
VARNOTH_GL_FUNCTIONS(VARNOTH_GL_DECLARE)
#undef VARNOTH_GL_DECLARE
}  // namespace plat::gl_fn

namespace plat {
// Looks every function up from the current context; false (with a message on stderr) when
// one is missing.
bool load_gl_functions();
// A shader of the host's GLSL version; a source that does not compile is reported on stderr.
GLuint compile_shader(GLenum type, const char* source);
}  // namespace plat

// The renderer calls the functions by their OpenGL names. The pointers have names of their
// own so that they never stand in for the library's exported symbols.
#define glActiveTexture plat::gl_fn::glActiveTexture
#define glAttachShader plat::gl_fn::glAttachShader
#define glBindBuffer plat::gl_fn::glBindBuffer
#define glBindFramebuffer plat::gl_fn::glBindFramebuffer
#define glBindVertexArray plat::gl_fn::glBindVertexArray
#define glBlitFramebuffer plat::gl_fn::glBlitFramebuffer
#define glBufferData plat::gl_fn::glBufferData
#define glCheckFramebufferStatus plat::gl_fn::glCheckFramebufferStatus
#define glClientWaitSync plat::gl_fn::glClientWaitSync
#define glCompileShader plat::gl_fn::glCompileShader
#define glCreateProgram plat::gl_fn::glCreateProgram
#define glCreateShader plat::gl_fn::glCreateShader
#define glDeleteSync plat::gl_fn::glDeleteSync
#define glEnableVertexAttribArray plat::gl_fn::glEnableVertexAttribArray
#define glFenceSync plat::gl_fn::glFenceSync
#define glFramebufferTexture2D plat::gl_fn::glFramebufferTexture2D
#define glGenBuffers plat::gl_fn::glGenBuffers
#define glGenFramebuffers plat::gl_fn::glGenFramebuffers
#define glGenVertexArrays plat::gl_fn::glGenVertexArrays
#define glGetProgramiv plat::gl_fn::glGetProgramiv
#define glGetShaderInfoLog plat::gl_fn::glGetShaderInfoLog
#define glGetShaderiv plat::gl_fn::glGetShaderiv
#define glGetUniformLocation plat::gl_fn::glGetUniformLocation
#define glLinkProgram plat::gl_fn::glLinkProgram
#define glShaderSource plat::gl_fn::glShaderSource
#define glUniform1i plat::gl_fn::glUniform1i
#define glUniform2f plat::gl_fn::glUniform2f
#define glUseProgram plat::gl_fn::glUseProgram
#define glVertexAttribPointer plat::gl_fn::glVertexAttribPointer
