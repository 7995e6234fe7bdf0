#include "platform/gfx/gl/GlBackend.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <thread>

#include "platform/gfx/Effect.h"
#include "platform/gfx/VertexDeclaration.h"
#include "platform/gfx/gl/GlEffectPrograms.h"
#include "platform/gfx/gl/GlFixedFunction.h"
#include "platform/gfx/gl/GlPipelineState.h"
#include "platform/gfx/gl/GlResources.h"
#include "platform/gfx/gl/GlTextRenderer.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/SdlWindow.h"

namespace plat {

namespace {

struct AttribFormat {
  GLint size;
  GLenum type;
  GLboolean normalized;
};

bool FormatOf(DeclType type, AttribFormat& out) {
  switch (type) {
    case DeclType::Float1: out = {1, GL_FLOAT, GL_FALSE}; return true;
    case DeclType::Float2: out = {2, GL_FLOAT, GL_FALSE}; return true;
    case DeclType::Float3: out = {3, GL_FLOAT, GL_FALSE}; return true;
    case DeclType::Float4: out = {4, GL_FLOAT, GL_FALSE}; return true;
    // B, G, R, A bytes: GL reads them in that order with the BGRA size.
    case DeclType::D3dColor: out = {GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE}; return true;
    case DeclType::UByte4: out = {4, GL_UNSIGNED_BYTE, GL_FALSE}; return true;
    case DeclType::UByte4N: out = {4, GL_UNSIGNED_BYTE, GL_TRUE}; return true;
    case DeclType::Short2: out = {2, GL_SHORT, GL_FALSE}; return true;
    case DeclType::Short4: out = {4, GL_SHORT, GL_FALSE}; return true;
    default: return false;
  }
}

// The GL objects of one context; deleted with the context current.
struct GlObjects {
  GlResources resources;
  GlFixedFunction fixed;
  GlEffectPrograms effects{resources};
  GlTextRenderer text;
  GLuint vao = 0, drawFbo = 0, readFbo = 0, userVertices = 0, userIndices = 0;
  std::array<GLuint, kFixedStages> samplers{};

  ~GlObjects() {
    glDeleteSamplers(GLsizei(samplers.size()), samplers.data());
    const GLuint buffers[] = {userVertices, userIndices};
    glDeleteBuffers(2, buffers);
    const GLuint fbos[] = {drawFbo, readFbo};
    glDeleteFramebuffers(2, fbos);
    glDeleteVertexArrays(1, &vao);
  }
};

class GlBackend : public DeviceBackend {
 public:
  GlBackend(SDL_Window* window, SDL_GLContext context, const DeviceParams& params)
      : window_(window), windowId_(SDL_GetWindowID(window)), context_(context), params_(params) {}
  ~GlBackend() override;

  // False with a reason when the context cannot draw the way the device needs.
  bool Init(std::string& error);

  std::string_view Name() const override { return "gl"; }
  void BeginScene() override;
  void Present() override;
  void Clear(const DeviceState& state, std::uint32_t flags, std::uint32_t color, float z,
             std::uint32_t stencil) override;
  void Draw(const DeviceState& state, const DrawParams& draw) override;
  void DrawText(const DeviceState& state, const TextDraw& text) override;
  void StretchRect(const Surface& source, const Rect* sourceRect, Surface& dest,
                   const Rect* destRect) override;
  void RenderTargetChanged(const DeviceState& state) override;
  void EffectPassBegun(const DeviceState& state) override;
  void EffectPassEnded(const DeviceState& state) override;
  void EffectChangesCommitted(const DeviceState& state) override;
  void TextureContentChanged(const Texture& texture) override;

  bool ReadPixels(Surface& target, std::vector<std::uint32_t>& argb);

 private:
  // Makes the context current for a call on the drawing thread; false (the
  // call is dropped, and said once) on any other thread, where GL calls
  // would take the context away from the window thread.
  bool Enter();
  // Binds the state's render target and depth buffer and its viewport;
  // false when there is no target. hasDepth tells whether a depth buffer is bound.
  bool BindTarget(const DeviceState& state, bool& hasDepth);
  void NoteBackBuffer(const std::shared_ptr<Surface>& surface);
  bool BindVertices(const DeviceState& state, const DrawParams& draw,
                    const std::vector<VertexElement>& elements);
  void BindStageTextures(const DeviceState& state, bool (&hasTexture)[kFixedStages]);
  void Issue(const DeviceState& state, const DrawParams& draw);
  // Points take their size from the shader, or (effect stages that write
  // none) from the point-size state.
  void SetPointSizeSource(const DeviceState& state, bool fromShader);
  void AttachColor(GLenum target, Surface& surface);
  // Tells the debug output about GL errors of the frame.
  void ReportGlErrors();

  SDL_Window* window_;
  Uint32 windowId_;
  SDL_GLContext context_;
  DeviceParams params_;
  std::unique_ptr<GlObjects> gl_;
  // The device's back buffer: the first stand-alone target of the device's
  // size that its state shows (the device starts drawing into it).
  std::weak_ptr<Surface> backBuffer_;
  int errorReports_ = 0;
  std::thread::id drawingThread_ = std::this_thread::get_id();
  std::atomic<bool> wrongThreadReported_{false};
};

GlBackend::~GlBackend() {
  // The context's objects are deleted with it current. When the game's
  // window is gone already, a hidden stand-in window carries the context.
  SDL_Window* surface = SDL_GetWindowFromID(windowId_) == window_ ? window_ : nullptr;
  SDL_Window* standIn = nullptr;
  if (surface == nullptr) {
    standIn = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    surface = standIn;
  }
  if (surface != nullptr && SDL_GL_MakeCurrent(surface, context_) == 0) {
    gl_.reset();
  } else {
    (void)gl_.release();  // no way to reach the context: its objects go with it
  }
  SDL_GL_MakeCurrent(surface, nullptr);
  SDL_GL_DeleteContext(context_);
  if (standIn != nullptr) SDL_DestroyWindow(standIn);
  SDL_GL_UnloadLibrary();
  ReleaseSdlVideo();
}

bool GlBackend::Init(std::string& error) {
  if (epoxy_gl_version() < 33) {
    error = "OpenGL 3.3 is needed";
    return false;
  }
  if (epoxy_gl_version() < 45 && !epoxy_has_gl_extension("GL_ARB_clip_control")) {
    error = "OpenGL clip control (4.5 or GL_ARB_clip_control) is needed";
    return false;
  }
  gl_ = std::make_unique<GlObjects>();
  if (!gl_->fixed.Build(error) || !gl_->text.Build(error)) {
    error = "built-in shader: " + error;
    return false;
  }
  glGenVertexArrays(1, &gl_->vao);
  glGenFramebuffers(1, &gl_->drawFbo);
  glGenFramebuffers(1, &gl_->readFbo);
  glGenBuffers(1, &gl_->userVertices);
  glGenBuffers(1, &gl_->userIndices);
  glGenSamplers(GLsizei(gl_->samplers.size()), gl_->samplers.data());
  // Depth 0..1 and the top row first, as the device's targets are laid out.
  glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
  glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, GL_LOWER_LEFT);
  // Inputs the vertices do not carry read (0, 0, 0, 1).
  for (GLuint i = 0; i < kAttribCount; ++i) glVertexAttrib4f(i, 0, 0, 0, 1);
  return true;
}

bool GlBackend::Enter() {
  if (std::this_thread::get_id() != drawingThread_) {
    if (!wrongThreadReported_.exchange(true))
      OutputDebugString("OpenGL device called from a thread that does not draw; call dropped\n");
    return false;
  }
  if (SDL_GL_GetCurrentContext() != context_) SDL_GL_MakeCurrent(window_, context_);
  return true;
}

void GlBackend::NoteBackBuffer(const std::shared_ptr<Surface>& surface) {
  if (!backBuffer_.expired() || !surface || surface->Container()) return;
  if (surface->Width() == params_.width && surface->Height() == params_.height &&
      (surface->Desc().usage & Usage::RenderTarget))
    backBuffer_ = surface;
}

void GlBackend::AttachColor(GLenum target, Surface& surface) {
  const GlResources::Attachment color = gl_->resources.SurfaceAttachment(surface);
  glFramebufferTexture2D(target, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color.name, color.level);
}

bool GlBackend::BindTarget(const DeviceState& state, bool& hasDepth) {
  hasDepth = false;
  const std::shared_ptr<Surface>& target = state.renderTargets[0];
  if (!target) return false;
  NoteBackBuffer(target);
  glBindFramebuffer(GL_FRAMEBUFFER, gl_->drawFbo);
  // Attached afresh every time: GL names of dead resources are reused.
  AttachColor(GL_FRAMEBUFFER, *target);
  GLuint depth = 0;
  if (state.depthStencil && state.depthStencil->IsDepthStencil())
    depth = gl_->resources.SurfaceAttachment(*state.depthStencil).name;
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depth);
  hasDepth = depth != 0;
  const Viewport& vp = state.viewport;
  glViewport(GLint(vp.x), GLint(vp.y), GLsizei(vp.width), GLsizei(vp.height));
  glDepthRange(vp.minZ, vp.maxZ);
  return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void GlBackend::BeginScene() {
  if (!Enter()) return;
  gl_->resources.EmptyBin();
}

void GlBackend::Present() {
  if (!Enter()) return;
  if (std::shared_ptr<Surface> back = backBuffer_.lock()) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, gl_->readFbo);
    AttachColor(GL_READ_FRAMEBUFFER, *back);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(window_, &width, &height);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    // The back buffer holds its top row first; the window wants it last.
    const bool sameSize = width == back->Width() && height == back->Height();
    glBlitFramebuffer(0, 0, back->Width(), back->Height(), 0, height, width, 0, GL_COLOR_BUFFER_BIT,
                      sameSize ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
  }
  SDL_GL_SwapWindow(window_);
  gl_->resources.EmptyBin();
  ReportGlErrors();
}

void GlBackend::ReportGlErrors() {
  // A few reports say what went wrong; a flood of them helps nobody.
  constexpr int kMaxReports = 8;
  for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
    if (errorReports_ >= kMaxReports) continue;
    ++errorReports_;
    char text[64];
    std::snprintf(text, sizeof text, "OpenGL error 0x%04X in the frame\n", unsigned(error));
    OutputDebugString(text);
  }
}

void GlBackend::Clear(const DeviceState& state, std::uint32_t flags, std::uint32_t color, float z,
                      std::uint32_t stencil) {
  if (!Enter()) return;
  bool hasDepth = false;
  if (!BindTarget(state, hasDepth)) return;
  const Viewport& vp = state.viewport;
  glEnable(GL_SCISSOR_TEST);
  glScissor(GLint(vp.x), GLint(vp.y), GLsizei(vp.width), GLsizei(vp.height));
  GLbitfield bits = 0;
  if (flags & ClearFlags::Target) {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f,
                 float(color & 0xFF) / 255.0f, float(color >> 24) / 255.0f);
    bits |= GL_COLOR_BUFFER_BIT;
  }
  if ((flags & ClearFlags::ZBuffer) && hasDepth) {
    glDepthMask(GL_TRUE);
    glClearDepth(std::clamp(z, 0.0f, 1.0f));
    bits |= GL_DEPTH_BUFFER_BIT;
  }
  if ((flags & ClearFlags::Stencil) && hasDepth) {
    glStencilMask(0xFF);
    glClearStencil(GLint(stencil & 0xFF));
    bits |= GL_STENCIL_BUFFER_BIT;
  }
  if (bits != 0) glClear(bits);
  glDisable(GL_SCISSOR_TEST);
}

bool GlBackend::BindVertices(const DeviceState& state, const DrawParams& draw,
                             const std::vector<VertexElement>& elements) {
  glBindVertexArray(gl_->vao);
  for (GLuint i = 0; i < kAttribCount; ++i) glDisableVertexAttribArray(i);
  std::array<GLuint, kStreamCount> buffers{};
  std::array<std::uint32_t, kStreamCount> strides{}, offsets{};
  if (draw.userVertices != nullptr) {
    const std::uint32_t count = draw.indexed ? draw.minVertex + draw.vertexCount : draw.startVertex + draw.vertexCount;
    glBindBuffer(GL_ARRAY_BUFFER, gl_->userVertices);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(std::size_t(count) * draw.userStride), draw.userVertices,
                 GL_STREAM_DRAW);
    buffers[0] = gl_->userVertices;
    strides[0] = draw.userStride;
  } else {
    for (std::uint32_t s = 0; s < kStreamCount; ++s) {
      const StreamBinding& binding = state.streams[s];
      if (!binding.buffer) continue;
      buffers[s] = gl_->resources.BufferName(*binding.buffer);
      if (buffers[s] == 0) return false;
      strides[s] = binding.stride;
      offsets[s] = binding.offset;
    }
  }
  for (const VertexElement& e : elements) {
    const int location = AttribLocationFor(e.usage, e.usageIndex);
    AttribFormat format{};
    if (location < 0 || e.stream >= kStreamCount || buffers[e.stream] == 0 || !FormatOf(e.type, format)) continue;
    glBindBuffer(GL_ARRAY_BUFFER, buffers[e.stream]);
    const std::uintptr_t offset = std::uintptr_t(offsets[e.stream]) + e.offset;
    glVertexAttribPointer(GLuint(location), format.size, format.type, format.normalized, GLsizei(strides[e.stream]),
                          reinterpret_cast<const void*>(offset));
    glEnableVertexAttribArray(GLuint(location));
  }
  return true;
}

void GlBackend::BindStageTextures(const DeviceState& state, bool (&hasTexture)[kFixedStages]) {
  for (std::uint32_t stage = 0; stage < kFixedStages; ++stage) {
    const std::shared_ptr<Texture>& texture = state.textures[stage];
    const GLuint name = texture ? gl_->resources.TextureName(*texture) : 0;
    hasTexture[stage] = name != 0;
    glActiveTexture(GL_TEXTURE0 + stage);
    glBindTexture(GL_TEXTURE_2D, name);
    ApplySamplerStates(gl_->samplers[stage], state.samplerStates[stage]);
    glBindSampler(stage, gl_->samplers[stage]);
  }
}

void GlBackend::Issue(const DeviceState& state, const DrawParams& draw) {
  const GLenum mode = GlPrimitive(draw.type);
  if (!draw.indexed) {
    glDrawArrays(mode, GLint(draw.startVertex), GLsizei(draw.vertexCount));
    return;
  }
  if (draw.userIndices != nullptr) {
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, gl_->userIndices);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr((std::size_t(draw.startIndex) + draw.indexCount) * 2),
                 draw.userIndices, GL_STREAM_DRAW);
  } else {
    const GLuint indices = state.indices ? gl_->resources.BufferName(*state.indices) : 0;
    if (indices == 0) return;
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
  }
  glDrawElementsBaseVertex(mode, GLsizei(draw.indexCount), GL_UNSIGNED_SHORT,
                           reinterpret_cast<const void*>(std::uintptr_t(draw.startIndex) * 2), draw.baseVertex);
}

void GlBackend::SetPointSizeSource(const DeviceState& state, bool fromShader) {
  if (fromShader) {
    glEnable(GL_PROGRAM_POINT_SIZE);
    return;
  }
  glDisable(GL_PROGRAM_POINT_SIZE);
  const float size = std::max(FloatFromBits(state.Render(RenderState::PointSize)),
                              FloatFromBits(state.Render(RenderState::PointSizeMin)));
  glPointSize(std::max(size, 1.0f));
}

void GlBackend::Draw(const DeviceState& state, const DrawParams& draw) {
  if (!Enter()) return;
  bool hasDepth = false;
  if (!BindTarget(state, hasDepth)) return;
  const std::vector<VertexElement> elements =
      state.declaration ? state.declaration->Elements() : FvfElements(state.fvf);
  if (!BindVertices(state, draw, elements)) return;
  const GlEffectPrograms::PassDraw pass =
      state.effect != nullptr ? gl_->effects.BindForDraw(state) : GlEffectPrograms::PassDraw::FixedFunction;
  if (pass == GlEffectPrograms::PassDraw::Nothing) return;
  if (pass == GlEffectPrograms::PassDraw::FixedFunction) {
    bool hasTexture[kFixedStages] = {};
    BindStageTextures(state, hasTexture);
    gl_->fixed.Use(state, InputsOf(elements), draw.type == PrimitiveType::PointList, hasTexture);
  }
  SetPointSizeSource(state, pass == GlEffectPrograms::PassDraw::FixedFunction || gl_->effects.SetsPointSize());
  ApplyRenderStates(state, hasDepth);
  Issue(state, draw);
  glBindVertexArray(0);
}

void GlBackend::DrawText(const DeviceState& state, const TextDraw& text) {
  if (!Enter()) return;
  bool hasDepth = false;
  if (BindTarget(state, hasDepth)) gl_->text.Draw(state, text);
}

void GlBackend::StretchRect(const Surface& source, const Rect* sourceRect, Surface& dest,
                            const Rect* destRect) {
  if (!Enter()) return;
  // The GL copy is a cache of the resource, so filling it is no change of
  // the surface itself.
  Surface& from = const_cast<Surface&>(source);
  const Rect s = sourceRect ? *sourceRect : Rect{0, 0, source.Width(), source.Height()};
  const Rect d = destRect ? *destRect : Rect{0, 0, dest.Width(), dest.Height()};
  glBindFramebuffer(GL_READ_FRAMEBUFFER, gl_->readFbo);
  AttachColor(GL_READ_FRAMEBUFFER, from);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, gl_->drawFbo);
  AttachColor(GL_DRAW_FRAMEBUFFER, dest);
  glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, 0);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  const bool sameSize = s.right - s.left == d.right - d.left && s.bottom - s.top == d.bottom - d.top;
  glBlitFramebuffer(s.left, s.top, s.right, s.bottom, d.left, d.top, d.right, d.bottom, GL_COLOR_BUFFER_BIT,
                    sameSize ? GL_NEAREST : GL_LINEAR);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void GlBackend::RenderTargetChanged(const DeviceState& state) {
  if (!Enter()) return;
  bool hasDepth = false;
  BindTarget(state, hasDepth);
}

void GlBackend::EffectPassBegun(const DeviceState& state) {
  if (!Enter()) return;
  gl_->effects.Begin(state);
}

void GlBackend::EffectPassEnded(const DeviceState&) { gl_->effects.End(); }

void GlBackend::EffectChangesCommitted(const DeviceState& state) {
  if (!Enter()) return;
  gl_->effects.Commit(state);
}

void GlBackend::TextureContentChanged(const Texture& texture) {
  gl_->resources.Invalidate(const_cast<Texture&>(texture));
}

bool GlBackend::ReadPixels(Surface& target, std::vector<std::uint32_t>& argb) {
  if (!Enter()) return false;
  argb.assign(std::size_t(target.Width()) * target.Height(), 0);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, gl_->readFbo);
  AttachColor(GL_READ_FRAMEBUFFER, target);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  // Row 0 of the target is its top row already.
  glReadPixels(0, 0, target.Width(), target.Height(), GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, argb.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  return true;
}

}  // namespace

std::unique_ptr<DeviceBackend> CreateGlBackend(const DeviceParams& params, std::string& error) {
  SDL_Window* window = SdlWindowOf(params.window);
  if (window == nullptr) {
    error = "the live device needs a live window";
    return nullptr;
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  // SDL unloads the GL library with the last GL window, and on EGL that
  // ends every context: the backend holds the library for as long as its
  // context lives, so that the context outlives the game's window.
  if (SDL_GL_LoadLibrary(nullptr) != 0) {
    error = std::string("no OpenGL library: ") + SDL_GetError();
    ReleaseSdlVideo();
    return nullptr;
  }
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr) {
    error = std::string("no OpenGL context: ") + SDL_GetError();
    SDL_GL_UnloadLibrary();
    ReleaseSdlVideo();
    return nullptr;
  }
  SDL_GL_MakeCurrent(window, context);
  // Presents do not wait for the display: the device's immediate interval.
  SDL_GL_SetSwapInterval(0);
  auto backend = std::make_unique<GlBackend>(window, context, params);
  if (!backend->Init(error)) return nullptr;
  return backend;
}

void RegisterGlBackend() { SetLiveBackendFactory(CreateGlBackend); }

bool IsGlDevice(Device& device) { return dynamic_cast<GlBackend*>(&device.Backend()) != nullptr; }

bool ReadGlBackBuffer(Device& device, int& width, int& height, std::vector<std::uint32_t>& argb) {
  auto* gl = dynamic_cast<GlBackend*>(&device.Backend());
  const std::shared_ptr<Surface> back = device.GetBackBuffer();
  if (gl == nullptr || !back || !gl->ReadPixels(*back, argb)) return false;
  width = back->Width();
  height = back->Height();
  for (std::uint32_t& pixel : argb) pixel |= 0xFF000000u;
  return true;
}

}  // namespace plat
