#include "platform/gfx/gl/GlResources.h"

#include <utility>

#include "platform/gfx/Image.h"

namespace plat {

namespace {

enum class GlKind { Texture, Buffer, Renderbuffer };

// One GL object of a resource. The bin tells whose context made it.
class GlObject : public BackendResource {
 public:
  GlObject(std::shared_ptr<GlNameBin> bin, GlKind kind, GLuint name)
      : bin_(std::move(bin)), kind_(kind), name_(name) {}
  ~GlObject() override {
    switch (kind_) {
      case GlKind::Texture: bin_->AddTexture(name_); break;
      case GlKind::Buffer: bin_->AddBuffer(name_); break;
      case GlKind::Renderbuffer: bin_->AddRenderbuffer(name_); break;
    }
  }
  const GlNameBin* Bin() const { return bin_.get(); }
  GlKind Kind() const { return kind_; }
  GLuint Name() const { return name_; }
  std::uint64_t uploaded = 0;  // the resource generation the GL copy holds

 private:
  std::shared_ptr<GlNameBin> bin_;
  GlKind kind_;
  GLuint name_;
};

GLuint NewName(GlKind kind) {
  GLuint name = 0;
  switch (kind) {
    case GlKind::Texture: glGenTextures(1, &name); break;
    case GlKind::Buffer: glGenBuffers(1, &name); break;
    case GlKind::Renderbuffer: glGenRenderbuffers(1, &name); break;
  }
  return name;
}

// The resource's object of this backend, made on first use (replacing one
// another backend made).
GlObject& ObjectOf(Resource& resource, const std::shared_ptr<GlNameBin>& bin, GlKind kind) {
  auto* object = dynamic_cast<GlObject*>(resource.BackendData());
  if (object == nullptr || object->Bin() != bin.get() || object->Kind() != kind) {
    auto made = std::make_unique<GlObject>(bin, kind, NewName(kind));
    object = made.get();
    resource.SetBackendData(std::move(made));
  }
  return *object;
}

// Uploads one level; pixels the GPU cannot take as they are go through ARGB.
// A level without pixels (a render target) only gets its storage.
void UploadLevel(Format format, GLint level, const ImageLevel& pixels) {
  const GlPixelFormat gl = GlPixelFormatFor(format);
  auto upload = [&](const void* data, GLint rowLength) {
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    glTexImage2D(GL_TEXTURE_2D, level, gl.internalFormat, pixels.width, pixels.height, 0, gl.format,
                 gl.type, data);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  };
  if (pixels.bytes.empty()) return upload(nullptr, 0);
  if (gl.converted) {
    Image image;
    image.format = format;
    image.width = pixels.width;
    image.height = pixels.height;
    image.levels.push_back(pixels);
    std::vector<std::uint32_t> argb;
    if (!ToArgb(image, 0, argb)) argb.assign(std::size_t(pixels.width) * pixels.height, 0xFFFF00FFu);
    return upload(argb.data(), 0);
  }
  const int bpp = BytesPerPixel(format);
  const std::size_t needed = pixels.height > 0 && pixels.width > 0
                                 ? std::size_t(pixels.pitch) * (pixels.height - 1) + std::size_t(pixels.width) * bpp
                                 : 0;
  // Never read past the pixels: a level that does not add up stays empty.
  if (bpp <= 0 || pixels.pitch < pixels.width * bpp || pixels.pitch % bpp != 0 || pixels.bytes.size() < needed)
    return upload(nullptr, 0);
  upload(pixels.bytes.data(), pixels.pitch / bpp);
}

// Uploads bind textures on a unit of their own, so that the bindings of the
// units draws use stay as they are.
constexpr GLenum kUploadUnit = GL_TEXTURE0 + 31;

class UploadBinding {
 public:
  explicit UploadBinding(GLuint texture) {
    glGetIntegerv(GL_ACTIVE_TEXTURE, &previous_);
    glActiveTexture(kUploadUnit);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  ~UploadBinding() { glActiveTexture(GLenum(previous_)); }
  UploadBinding(const UploadBinding&) = delete;
  UploadBinding& operator=(const UploadBinding&) = delete;

 private:
  GLint previous_ = GL_TEXTURE0;
};

void SetAlphaSwizzle(Format format) {
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_A, GlPixelFormatFor(format).opaque ? GL_ONE : GL_ALPHA);
}

}  // namespace

void GlNameBin::AddTexture(GLuint name) {
  std::lock_guard lock(mutex_);
  textures_.push_back(name);
}
void GlNameBin::AddBuffer(GLuint name) {
  std::lock_guard lock(mutex_);
  buffers_.push_back(name);
}
void GlNameBin::AddRenderbuffer(GLuint name) {
  std::lock_guard lock(mutex_);
  renderbuffers_.push_back(name);
}

void GlNameBin::Empty() {
  std::vector<GLuint> textures, buffers, renderbuffers;
  {
    std::lock_guard lock(mutex_);
    textures.swap(textures_);
    buffers.swap(buffers_);
    renderbuffers.swap(renderbuffers_);
  }
  if (!textures.empty()) glDeleteTextures(GLsizei(textures.size()), textures.data());
  if (!buffers.empty()) glDeleteBuffers(GLsizei(buffers.size()), buffers.data());
  if (!renderbuffers.empty()) glDeleteRenderbuffers(GLsizei(renderbuffers.size()), renderbuffers.data());
}

GlPixelFormat GlPixelFormatFor(Format format) {
  GlPixelFormat gl;
  switch (format) {
    case Format::A8R8G8B8: break;
    case Format::X8R8G8B8: gl.opaque = true; break;
    case Format::R32F:
      gl.internalFormat = GL_R32F;
      gl.format = GL_RED;
      gl.type = GL_FLOAT;
      break;
    default: gl.converted = true; break;
  }
  return gl;
}

GlResources::GlResources() : bin_(std::make_shared<GlNameBin>()) {}

GlResources::~GlResources() { bin_->Empty(); }

GLuint GlResources::TextureName(Texture& texture) {
  GlObject& object = ObjectOf(texture, bin_, GlKind::Texture);
  const std::uint64_t generation = texture.Generation();
  if (object.uploaded == generation) return object.Name();
  UploadBinding binding(object.Name());
  bool complete = true;
  for (std::uint32_t level = 0; level < texture.LevelCount() && complete; ++level) {
    complete = texture.ReadLevel(level, [&](const ImageLevel& pixels) {
      UploadLevel(texture.GetFormat(), GLint(level), pixels);
    });
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(texture.LevelCount()) - 1);
  SetAlphaSwizzle(texture.GetFormat());
  // A locked level is taken next time; what was uploaded stays usable.
  if (complete) object.uploaded = generation;
  return object.Name();
}

GlResources::Attachment GlResources::SurfaceAttachment(Surface& surface) {
  Attachment out;
  if (surface.Container()) {
    out.name = TextureName(*surface.Container());
    out.level = GLint(surface.Level());
    return out;
  }
  if (surface.IsDepthStencil()) {
    GlObject& object = ObjectOf(surface, bin_, GlKind::Renderbuffer);
    if (object.uploaded == 0) {
      glBindRenderbuffer(GL_RENDERBUFFER, object.Name());
      glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, surface.Width(), surface.Height());
      object.uploaded = 1;
    }
    out.name = object.Name();
    out.renderbuffer = true;
    return out;
  }
  RefreshSurface(surface);
  out.name = ObjectOf(surface, bin_, GlKind::Texture).Name();
  return out;
}

void GlResources::RefreshSurface(Surface& surface) {
  if (surface.Container()) {
    TextureName(*surface.Container());
    return;
  }
  if (surface.IsDepthStencil()) return;
  GlObject& object = ObjectOf(surface, bin_, GlKind::Texture);
  const SurfaceDesc& desc = surface.Desc();
  // What the GPU draws into a render target is newer than its CPU pixels:
  // those are never uploaded, the GL copy is only made once.
  const bool renderTarget = (desc.usage & Usage::RenderTarget) != 0;
  const std::uint64_t generation = renderTarget ? 1 : surface.Generation();
  if (object.uploaded == generation) return;
  UploadBinding binding(object.Name());
  bool ok = true;
  if (renderTarget) {
    ImageLevel empty;
    empty.width = desc.width;
    empty.height = desc.height;
    UploadLevel(desc.format, 0, empty);
  } else {
    ok = surface.Read([&](const ImageLevel& pixels) { UploadLevel(desc.format, 0, pixels); });
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  SetAlphaSwizzle(desc.format);
  if (ok) object.uploaded = generation;
}

void GlResources::Invalidate(Resource& resource) {
  auto* object = dynamic_cast<GlObject*>(resource.BackendData());
  if (object != nullptr && object->Bin() == bin_.get()) object->uploaded = 0;
}

GLuint GlResources::BufferName(GpuBuffer& buffer) {
  GlObject& object = ObjectOf(buffer, bin_, GlKind::Buffer);
  const std::uint64_t generation = buffer.Generation();
  if (object.uploaded == generation) return object.Name();
  const bool ok = buffer.Read([&](const std::uint8_t* bytes, std::size_t size) {
    glBindBuffer(GL_COPY_WRITE_BUFFER, object.Name());
    glBufferData(GL_COPY_WRITE_BUFFER, GLsizeiptr(size), bytes, GL_DYNAMIC_DRAW);
  });
  if (!ok) return 0;
  object.uploaded = generation;
  return object.Name();
}

}  // namespace plat
