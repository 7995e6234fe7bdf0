#pragma once
// The GL objects behind the device's resources. Resources keep their data in
// memory and may be made on any thread; the GL copy is made (and refreshed
// when the resource's generation moved on) when a draw first needs it, on
// the window thread. A resource may die on any thread and after the backend:
// its GL names then go to a shared bin that the window thread empties.
#include <epoxy/gl.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/gfx/GpuBuffer.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/Texture.h"

namespace plat {

class GlNameBin {
 public:
  void AddTexture(GLuint name);
  void AddBuffer(GLuint name);
  void AddRenderbuffer(GLuint name);
  // Deletes everything collected; window thread, context current.
  void Empty();

 private:
  std::mutex mutex_;
  std::vector<GLuint> textures_, buffers_, renderbuffers_;
};

class GlResources {
 public:
  GlResources();
  ~GlResources();
  GlResources(const GlResources&) = delete;
  GlResources& operator=(const GlResources&) = delete;

  // The texture's GL name, uploaded when its pixels changed since; 0 when
  // the texture cannot be uploaded yet (locked) and was never uploaded.
  GLuint TextureName(Texture& texture);
  // Colour: the level's texture (or the surface's own texture) and its level.
  // Depth: a renderbuffer. 0 when the surface cannot be drawn into.
  struct Attachment {
    GLuint name = 0;
    GLint level = 0;
    bool renderbuffer = false;
  };
  Attachment SurfaceAttachment(Surface& surface);
  // The buffer's GL name with its current bytes; 0 when it cannot be read.
  GLuint BufferName(GpuBuffer& buffer);
  // Copies CPU pixels of a surface that is no render target into its GL copy.
  void RefreshSurface(Surface& surface);

  // The next use uploads the CPU pixels again (they changed outside a lock).
  void Invalidate(Resource& resource);
  void EmptyBin() { bin_->Empty(); }

 private:
  std::shared_ptr<GlNameBin> bin_;
};

// GL formats for a device format the GPU keeps as it is; others are
// converted to 32-bit ARGB before upload.
struct GlPixelFormat {
  GLint internalFormat = GL_RGBA8;
  GLenum format = GL_BGRA;
  GLenum type = GL_UNSIGNED_INT_8_8_8_8_REV;
  bool opaque = false;  // alpha reads as 1
  bool converted = false;
};
GlPixelFormat GlPixelFormatFor(Format format);

}  // namespace plat
