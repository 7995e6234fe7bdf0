#include "tools/bookimages/ModelPicture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bookimages {

namespace {

using parkshapes::Vec3;
using parkshapes::Vertex;

// Each output pixel averages this many samples across and down.
constexpr int kSupersample = 3;
// The share of the picture left free around the model.
constexpr float kMargin = 0.08f;
constexpr float kAmbient = 0.42f;
constexpr float kSunLight = 0.7f;

struct Colour {
  float r = 0, g = 0, b = 0;
};

Vec3 Scale(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
Vec3 Sum(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(const Vec3& v) {
  const float length = std::sqrt(Dot(v, v));
  return length > 0 ? Scale(v, 1.0f / length) : Vec3{0, 1, 0};
}

Colour FromArgb(std::uint32_t argb) {
  return {float((argb >> 16) & 0xFF) / 255.0f, float((argb >> 8) & 0xFF) / 255.0f, float(argb & 0xFF) / 255.0f};
}

Colour Mix(const Colour& a, const Colour& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Wrap(float t) { return t - std::floor(t); }

// The view: looking down at the front of the object from the front left,
// with the sun from behind the viewer's left shoulder.
struct View {
  Vec3 right = Normalised({0.8f, 0, -0.6f});
  Vec3 forward = Normalised({0.55f, -0.55f, 0.73f});
  Vec3 up = Normalised(Cross(forward, right));
  Vec3 sun = Normalised({-0.4f, 0.8f, -0.45f});
};

struct Projected {
  float x, y, depth;
};

class Canvas {
 public:
  Canvas(int width, int height)
      : m_width(width),
        m_height(height),
        m_colour(size_t(width) * size_t(height)),
        m_depth(size_t(width) * size_t(height), std::numeric_limits<float>::infinity()) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) m_colour[Index(x, y)] = Background(x, y);
    }
  }

  void Triangle(const Projected (&p)[3], const Vertex (&v)[3], const parkshapes::Painter& paint, const View& view) {
    const float area = Edge(p[0], p[1], p[2].x, p[2].y);
    if (std::fabs(area) < 1e-6f) return;
    const int left = std::max(0, int(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
    const int right = std::min(m_width - 1, int(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
    const int top = std::max(0, int(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
    const int bottom = std::min(m_height - 1, int(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const float cx = float(x) + 0.5f;
        const float cy = float(y) + 0.5f;
        const float w0 = Edge(p[1], p[2], cx, cy) / area;
        const float w1 = Edge(p[2], p[0], cx, cy) / area;
        const float w2 = 1.0f - w0 - w1;
        if (w0 < 0 || w1 < 0 || w2 < 0) continue;
        const float depth = w0 * p[0].depth + w1 * p[1].depth + w2 * p[2].depth;
        float& stored = m_depth[Index(x, y)];
        if (depth >= stored) continue;
        stored = depth;
        const float u = w0 * v[0].u + w1 * v[1].u + w2 * v[2].u;
        const float t = w0 * v[0].v + w1 * v[1].v + w2 * v[2].v;
        Vec3 normal = Normalised(Sum(Sum(Scale(v[0].normal, w0), Scale(v[1].normal, w1)), Scale(v[2].normal, w2)));
        // Faces seen from their back are lit as their front.
        if (Dot(normal, view.forward) > 0) normal = Scale(normal, -1);
        const float light = kAmbient + kSunLight * std::max(0.0f, Dot(normal, view.sun));
        const Colour texel = FromArgb(paint(Wrap(u), Wrap(t)));
        m_colour[Index(x, y)] = {std::min(1.0f, texel.r * light), std::min(1.0f, texel.g * light),
                                 std::min(1.0f, texel.b * light)};
      }
    }
  }

  // Averages blocks of samples into the picture.
  Image Reduce(int factor) const {
    Image image{m_width / factor, m_height / factor, {}};
    image.pixels.resize(size_t(image.width) * size_t(image.height));
    const float count = float(factor * factor);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        Colour sum;
        for (int sy = 0; sy < factor; ++sy) {
          for (int sx = 0; sx < factor; ++sx) {
            const Colour& c = m_colour[Index(x * factor + sx, y * factor + sy)];
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
          }
        }
        const auto byte = [count](float value) { return std::uint32_t(value / count * 255.0f + 0.5f); };
        image.pixels[size_t(y) * size_t(image.width) + size_t(x)] =
            0xFF000000u | byte(sum.r) << 16 | byte(sum.g) << 8 | byte(sum.b);
      }
    }
    return image;
  }

 private:
  static float Edge(const Projected& a, const Projected& b, float x, float y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
  }
  size_t Index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }

  // A light sky above a lawn that fades into it, lighter around the middle.
  Colour Background(int x, int y) const {
    const float fx = float(x) / float(m_width) - 0.5f;
    const float fy = float(y) / float(m_height);
    const Colour sky = Mix({0.62f, 0.8f, 0.95f}, {0.9f, 0.95f, 0.98f}, fy / 0.6f);
    const Colour lawn = Mix({0.5f, 0.72f, 0.36f}, {0.36f, 0.6f, 0.27f}, (fy - 0.55f) / 0.45f);
    const float blend = std::clamp((fy - 0.5f) / 0.12f, 0.0f, 1.0f);
    const Colour ground = Mix(sky, lawn, blend);
    const float glow = std::max(0.0f, 1.0f - (fx * fx * 2.5f + (fy - 0.6f) * (fy - 0.6f) * 3.0f));
    return Mix(ground, {1, 1, 0.95f}, 0.18f * glow);
  }

  int m_width;
  int m_height;
  std::vector<Colour> m_colour;
  std::vector<float> m_depth;
};

Projected Project(const View& view, const Vec3& p) {
  return {Dot(p, view.right), -Dot(p, view.up), Dot(p, view.forward)};
}

}  // namespace

Image DrawModelPicture(const std::vector<PicturePart>& parts, int width, int height) {
  const View view;
  const int sampleWidth = width * kSupersample;
  const int sampleHeight = height * kSupersample;
  Canvas canvas(sampleWidth, sampleHeight);

  // The projected extent of every vertex, to fit the model into the picture.
  float minX = std::numeric_limits<float>::max(), maxX = -minX, minY = minX, maxY = -minX;
  for (const PicturePart& part : parts) {
    for (const Vertex& vertex : *part.triangles) {
      const Projected p = Project(view, Sum(vertex.position, part.offset));
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
  }
  if (minX > maxX) return canvas.Reduce(kSupersample);
  const float usable = 1.0f - 2 * kMargin;
  const float scale = std::min(float(sampleWidth) * usable / std::max(maxX - minX, 1e-3f),
                               float(sampleHeight) * usable / std::max(maxY - minY, 1e-3f));
  const float originX = float(sampleWidth) / 2 - scale * (minX + maxX) / 2;
  const float originY = float(sampleHeight) / 2 - scale * (minY + maxY) / 2;

  for (const PicturePart& part : parts) {
    const parkshapes::Triangles& triangles = *part.triangles;
    for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
      Projected p[3];
      Vertex v[3];
      for (int k = 0; k < 3; ++k) {
        v[k] = triangles[i + size_t(k)];
        const Projected q = Project(view, Sum(v[k].position, part.offset));
        p[k] = {originX + q.x * scale, originY + q.y * scale, q.depth};
      }
      canvas.Triangle(p, v, *part.paint, view);
    }
  }
  return canvas.Reduce(kSupersample);
}

}  // namespace bookimages
