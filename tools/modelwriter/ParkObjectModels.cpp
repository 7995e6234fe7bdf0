#include "tools/modelwriter/ParkObjectModels.h"

#include <cmath>
#include <string>
#include <utility>

#include "tools/ridegen/RideCourses.h"

namespace {

using namespace parkshapes;

constexpr const char* kFolder = "objects/park/";

struct Rgb {
  float r, g, b;
};

// A colour with a little grain, so that flat parts still read as material.
Painter Solid(Rgb c) {
  return [c](float u, float v) {
    const float n = 0.9f + 0.2f * Noise(u * 7, v * 7);
    return Argb(c.r * n, c.g * n, c.b * n);
  };
}

Painter Stripes(Rgb a, Rgb b, int count) {
  return [a, b, count](float u, float) {
    const Rgb& c = int(u * float(count)) % 2 ? b : a;
    return Argb(c.r, c.g, c.b);
  };
}

struct Part {
  std::string name;
  Triangles triangles;
  Painter paint;
};

// One model of the group's folder, one texture and mesh object per part.
ParkModel Model(const std::string& group, const std::string& name, std::vector<Part> parts) {
  ParkModel m{std::string(kFolder) + group + "/" + name + ".EFX", {}, {}};
  for (Part& part : parts) {
    const std::string texture = name + "_" + part.name + ".png";
    m.model.meshObjects.push_back(Object(name + "_" + part.name, part.triangles, {TexturedMaterial(0, part.name, texture)}));
    m.textures.emplace_back(texture, std::move(part.paint));
  }
  return m;
}

Triangles Join(std::initializer_list<Triangles> pieces) {
  Triangles out;
  for (const Triangles& piece : pieces) Append(out, piece);
  return out;
}

// A closed cylinder (or cone) with a lid.
Triangles Drum(const Vec3& base, float r0, float r1, float height, int sides) {
  return Join({Frustum(base, r0, r1, height, sides), Disc(Add(base, {0, height, 0}), r1, sides)});
}

const Rgb kWood{0.55f, 0.36f, 0.2f}, kWhite{0.95f, 0.95f, 0.92f}, kDark{0.2f, 0.2f, 0.22f};
const Rgb kRed{0.85f, 0.15f, 0.15f}, kYellow{0.95f, 0.82f, 0.15f}, kBlue{0.2f, 0.4f, 0.85f};
const Rgb kGreen{0.2f, 0.6f, 0.25f}, kOrange{0.95f, 0.55f, 0.15f}, kPurple{0.55f, 0.25f, 0.65f};
const Rgb kBark{0.4f, 0.26f, 0.14f}, kGold{0.95f, 0.78f, 0.2f};

// A stall: a counter, corner posts, a striped awning and a flat roof.
ParkModel Stall(const std::string& name, Rgb counter, Rgb stripeA, Rgb stripeB, float width) {
  const float w = width / 2;
  Triangles posts;
  for (float x : {-w + 0.1f, w - 0.1f}) {
    for (float z : {-1.2f, 1.2f}) Append(posts, Box({x, 0, z}, {0.08f, 1.4f, 0.08f}, 0, 1));
  }
  return Model("food", name, {{"counter", Box({0, 0, -0.6f}, {w, 0.55f, 0.6f}, 0, 2), Solid(counter)},
                              {"posts", posts, Solid(kWood)},
                              {"awning", Frustum({0, 2.6f, -1.4f}, w * 1.45f, w * 0.3f, 0.7f, 4), Stripes(stripeA, stripeB, 8)},
                              {"roof", Box({0, 0, 0}, {w + 0.1f, 0.1f, 1.4f}, 2.8f, 1), Solid(stripeA)}});
}

// A shop: walls, a door, a roof and a striped awning over the front.
ParkModel Shop(const std::string& name, Rgb walls, Rgb roof, Rgb stripeA, Rgb stripeB, bool pointed) {
  const Triangles top = pointed ? Frustum({0, 3.2f, 0}, 3.0f, 0.1f, 2.2f, 4) : Box({0, 0, 0}, {2.4f, 0.25f, 2.4f}, 3.2f, 1);
  return Model("shops", name, {{"walls", Box({0, 0, 0}, {2.2f, 1.6f, 2.2f}, 0, 2), Solid(walls)},
                               {"door", Box({0, 0, -2.25f}, {0.6f, 1.0f, 0.05f}, 0, 1), Solid(kWood)},
                               {"roof", top, Solid(roof)},
                               {"awning", Frustum({0, 2.3f, -2.6f}, 3.2f, 1.0f, 0.5f, 4), Stripes(stripeA, stripeB, 10)}});
}

// A flag on a pole in the colour of its level.
ParkModel Flag(const std::string& name, Rgb cloth) {
  return Model("flags", name, {{"pole", Frustum({0, 0, 0}, 0.05f, 0.04f, 3, 6), Solid(kWhite)},
                               {"cloth", Box({0.45f, 0, 0}, {0.4f, 0.25f, 0.02f}, 2.4f, 1), Solid(cloth)}});
}

ParkModel Bush(const std::string& name, Rgb leaves, float size) {
  return Model("plants", name, {{"leaves", Ball({0, size * 0.7f, 0}, {size, size * 0.75f, size}, 5, 8), Solid(leaves)}});
}

// Blossoms: small cubes spread over the upper half of the leaves.
Triangles Blossoms(float size, float stretch) {
  Triangles out;
  constexpr int kBlossoms = 14;
  for (int i = 0; i < kBlossoms; ++i) {
    const float yaw = 2 * kPi * float(i) / float(kBlossoms) + 0.7f * Noise(float(i), 1);
    const float pitch = 0.15f + 0.9f * Noise(float(i), 2);
    const Vec3 at{size * stretch * std::cos(pitch) * std::cos(yaw), 0, size * std::cos(pitch) * std::sin(yaw)};
    Append(out, Box(at, {0.09f, 0.09f, 0.09f}, size * 0.7f + size * 0.7f * std::sin(pitch) - 0.09f, 1));
  }
  return out;
}

ParkModel FloweringBush(const std::string& name, Rgb leaves, Rgb flowers, float size, float stretch) {
  return Model("plants", name,
               {{"leaves", Ball({0, size * 0.7f, 0}, {size * stretch, size * 0.7f, size}, 5, 8), Solid(leaves)},
                {"blossoms", Blossoms(size, stretch), Solid(flowers)}});
}

// Five tree shapes, each in three foliage colours.
Triangles Crown(int shape) {
  switch (shape) {
    case 0: return Frustum({0, 1.5f, 0}, 1.6f, 0.05f, 3.5f, 8);  // a fir
    case 1: return Ball({0, 3.2f, 0}, {1.8f, 1.6f, 1.8f}, 5, 8);  // a round crown
    case 2: return Join({Frustum({0, 1.4f, 0}, 1.8f, 0.4f, 1.8f, 8), Frustum({0, 2.8f, 0}, 1.3f, 0.05f, 2.0f, 8)});
    case 3: return Ball({0, 3.8f, 0}, {0.8f, 2.4f, 0.8f}, 5, 8);  // a poplar
    default: return Ball({0, 3.0f, 0}, {2.6f, 1.0f, 2.6f}, 4, 10);  // a wide flat crown
  }
}

ParkModel Tree(const std::string& name, int shape, Rgb leaves) {
  return Model("plants", name, {{"trunk", Frustum({0, 0, 0}, 0.25f, 0.15f, 2.6f, 6), Solid(kBark)},
                                {"crown", Crown(shape), Solid(leaves)}});
}

void AddPlants(std::vector<ParkModel>& models) {
  models.push_back(Bush("LP_Bush_01", {0.2f, 0.55f, 0.2f}, 0.9f));
  models.push_back(Bush("LP_Bush_02", {0.3f, 0.5f, 0.15f}, 1.2f));
  models.push_back(Bush("LP_Bush_03", {0.15f, 0.42f, 0.25f}, 0.7f));
  models.push_back(FloweringBush("LP_viragosbokor", kGreen, {0.95f, 0.4f, 0.6f}, 1.0f, 1.0f));
  models.push_back(FloweringBush("LP_viragosbokor1", kGreen, kWhite, 0.9f, 1.3f));
  models.push_back(FloweringBush("viragosbokor_03", kGreen, {0.6f, 0.3f, 0.9f}, 0.8f, 1.0f));
  const Rgb flowers[] = {kRed, kYellow, {0.95f, 0.5f, 0.75f}};
  const char* variants[] = {"a", "b", "c"};
  for (int v = 0; v < 3; ++v) {
    for (int shape = 1; shape <= 2; ++shape) {
      const std::string name = "viragosbokor_0" + std::to_string(shape) + variants[v];
      models.push_back(FloweringBush(name, kGreen, flowers[v], 0.6f + 0.2f * float(shape), shape == 1 ? 1.0f : 1.4f));
    }
  }
  const Rgb foliage[] = {{0.35f, 0.65f, 0.2f}, {0.12f, 0.4f, 0.18f}, {0.85f, 0.5f, 0.15f}};
  for (int v = 0; v < 3; ++v) {
    for (int shape = 0; shape < 5; ++shape) {
      models.push_back(Tree("fa_0" + std::to_string(shape + 1) + "_" + variants[v], shape, foliage[v]));
    }
  }
}

void AddBuildings(std::vector<ParkModel>& models) {
  Triangles booths = Join({Box({-4, 0, 0}, {1.2f, 1.4f, 1.2f}, 0, 2), Box({4, 0, 0}, {1.2f, 1.4f, 1.2f}, 0, 2)});
  Triangles towers = Join({Frustum({-4, 2.8f, 0}, 1.6f, 0.05f, 1.6f, 4), Frustum({4, 2.8f, 0}, 1.6f, 0.05f, 1.6f, 4)});
  models.push_back(Model("entrance", "Attr_MainEntrance",
                         {{"booths", booths, Solid(kBlue)},
                          {"towers", towers, Solid(kRed)},
                          {"arch", Box({0, 0, 0}, {3.0f, 0.4f, 0.5f}, 4.2f, 1), Stripes(kRed, kYellow, 12)},
                          {"sign", Box({0, 0, -0.55f}, {2.2f, 0.5f, 0.05f}, 4.1f, 1), Solid(kWhite)}}));
  models.push_back(Model("cash", "cashFotel",
                         {{"body", Box({0, 0, 0}, {0.5f, 0.9f, 0.4f}, 0, 1), Solid({0.45f, 0.6f, 0.55f})},
                          {"screen", Box({0, 0, -0.42f}, {0.3f, 0.2f, 0.03f}, 1.1f, 1), Solid({0.1f, 0.2f, 0.5f})}}));
  models.push_back(Model("cash", "kincseslada",
                         {{"chest", Box({0, 0, 0}, {0.8f, 0.4f, 0.5f}, 0, 1), Solid(kWood)},
                          {"lid", Frustum({0, 0.8f, 0}, 0.95f, 0.5f, 0.35f, 4), Solid(kGold)}}));
  models.push_back(Stall("bufe_zarp", kWood, kRed, kWhite, 3.0f));
  models.push_back(Stall("poffertjeskraam_etterem", kYellow, kOrange, kWhite, 2.4f));
  models.push_back(Model("food", "restaurant_de_tarrowby",
                         {{"walls", Box({0, 0, 0}, {3.5f, 1.5f, 2.5f}, 0, 3), Solid({0.93f, 0.88f, 0.72f})},
                          {"roof", Frustum({0, 3.0f, 0}, 4.6f, 0.2f, 2.0f, 4), Solid({0.7f, 0.2f, 0.15f})},
                          {"awning", Frustum({0, 2.2f, -2.9f}, 3.8f, 1.2f, 0.5f, 4), Stripes(kBlue, kWhite, 12)}}));
  models.push_back(Shop("Shop_quessle01", kPurple, {0.3f, 0.3f, 0.35f}, kGreen, kWhite, false));
  models.push_back(Shop("Shop_quessle02", kOrange, {0.15f, 0.55f, 0.55f}, kYellow, kBlue, true));
  models.push_back(Model("bins", "trash_01",
                         {{"bin", Drum({0, 0, 0}, 0.35f, 0.4f, 0.9f, 10), Solid({0.15f, 0.45f, 0.2f})},
                          {"lid", Drum({0, 0.9f, 0}, 0.45f, 0.2f, 0.15f, 10), Solid(kDark)}}));
  models.push_back(Model("bins", "beszelokuka",
                         {{"bin", Drum({0, 0, 0}, 0.4f, 0.45f, 1.0f, 12), Solid(kBlue)},
                          {"eyes", Join({Box({-0.15f, 0, -0.44f}, {0.08f, 0.08f, 0.03f}, 0.7f, 1),
                                         Box({0.15f, 0, -0.44f}, {0.08f, 0.08f, 0.03f}, 0.7f, 1)}),
                           Solid(kWhite)},
                          {"mouth", Box({0, 0, -0.45f}, {0.2f, 0.04f, 0.03f}, 0.45f, 1), Solid(kDark)},
                          {"lid", Drum({0, 1.0f, 0}, 0.5f, 0.25f, 0.2f, 12), Solid(kYellow)}}));
  Triangles legs;
  for (float x : {-0.8f, 0.8f}) Append(legs, Box({x, 0, 0}, {0.05f, 0.22f, 0.22f}, 0, 1));
  models.push_back(Model("rest", "bench_01",
                         {{"seat", Box({0, 0, 0}, {1.0f, 0.04f, 0.25f}, 0.44f, 4), Solid(kWood)},
                          {"back", Box({0, 0, 0.22f}, {1.0f, 0.2f, 0.03f}, 0.6f, 4), Solid(kWood)},
                          {"legs", legs, Solid(kDark)}}));
  models.push_back(Flag("zaszlo_level1", {0.75f, 0.45f, 0.2f}));
  models.push_back(Flag("zaszlo_level2", {0.8f, 0.82f, 0.85f}));
  models.push_back(Flag("zaszlo_level3", kGold));
}

Vec3 PointOf(const ridecourses::CoursePoint& p, float lift) {
  return {float(p.x), float(p.y) + lift, float(p.z)};
}

// A band along the course, its sides halfWidth out across the heading,
// seen from above and below; raised sides when wall is above 0.
Triangles Band(const ridecourses::Course& course, float halfWidth, float lift, float wall) {
  Triangles out;
  const auto across = [&](const ridecourses::CoursePoint& p, float side) {
    // The heading turns +x towards +z; the band spreads across it.
    const Vec3 centre = PointOf(p, lift);
    return Vec3{centre.x - side * float(std::sin(p.heading)), centre.y, centre.z + side * float(std::cos(p.heading))};
  };
  for (size_t i = 0; i + 1 < course.points.size(); ++i) {
    const auto& a = course.points[i];
    const auto& b = course.points[i + 1];
    const Vec3 a0 = across(a, -halfWidth), a1 = across(a, halfWidth), b0 = across(b, -halfWidth), b1 = across(b, halfWidth);
    const float u0 = float(i) / 4, u1 = float(i + 1) / 4;
    Quad(out, MakeVertex(a0, {0, 1, 0}, u0, 0), MakeVertex(b0, {0, 1, 0}, u1, 0), MakeVertex(b1, {0, 1, 0}, u1, 1),
         MakeVertex(a1, {0, 1, 0}, u0, 1));
    Quad(out, MakeVertex(a0, {0, -1, 0}, u0, 0), MakeVertex(a1, {0, -1, 0}, u0, 1), MakeVertex(b1, {0, -1, 0}, u1, 1),
         MakeVertex(b0, {0, -1, 0}, u1, 0));
    if (wall <= 0) continue;
    for (const auto& [p, q] : {std::pair{a0, b0}, std::pair{a1, b1}}) {
      const Vec3 pTop{p.x, p.y + wall, p.z}, qTop{q.x, q.y + wall, q.z};
      Quad(out, MakeVertex(p, {0, 0, 1}, u0, 0), MakeVertex(pTop, {0, 0, 1}, u0, 1), MakeVertex(qTop, {0, 0, 1}, u1, 1),
           MakeVertex(q, {0, 0, 1}, u1, 0));
      Quad(out, MakeVertex(p, {0, 0, -1}, u0, 0), MakeVertex(q, {0, 0, -1}, u1, 0), MakeVertex(qTop, {0, 0, -1}, u1, 1),
           MakeVertex(pTop, {0, 0, -1}, u0, 1));
    }
  }
  return out;
}

// Posts from the ground up to the course, every few frames where it runs high.
Triangles Supports(const ridecourses::Course& course, int every) {
  Triangles out;
  for (size_t i = 0; i < course.points.size(); i += size_t(every)) {
    const auto& p = course.points[i];
    if (p.y < 1.0) continue;
    Append(out, Box({float(p.x), 0, float(p.z)}, {0.12f, 0.1f, 0.12f}, 0, 1));
    Append(out, Frustum({float(p.x), 0, float(p.z)}, 0.1f, 0.1f, float(p.y) - 0.1f, 6));
  }
  return out;
}

// The roller coaster: rails on posts, a station, and four cars.
void AddCoaster(std::vector<ParkModel>& models) {
  const ridecourses::Course course = ridecourses::Coaster();
  const ridecourses::CoursePoint& start = course.points.front();
  const Vec3 station{float(start.x) + 2.5f, 0, float(start.z)};
  models.push_back(Model("rides", "Attr_Skarloop_track",
                         {{"rails", Band(course, 0.55f, -0.05f, 0.0f), Stripes(kDark, {0.6f, 0.6f, 0.65f}, 2)},
                          {"posts", Supports(course, 6), Solid(kWhite)},
                          {"station", Box(station, {1.4f, 0.5f, 3.5f}, 0, 2), Solid(kPurple)},
                          {"roof", Frustum(Add(station, {0, 3.0f, 0}), 3.8f, 0.2f, 1.2f, 4), Solid(kYellow)}}));
  const Rgb colours[] = {kRed, kYellow, kRed, kYellow};
  for (int k = 0; k < 4; ++k) {
    models.push_back(Model("rides", "Attr_Skarloop_car0" + std::to_string(k),
                           {{"body", Box({0, 0, 0}, {0.5f, 0.3f, 0.8f}, 0.1f, 1), Solid(colours[k])},
                            {"seats", Join({Box({0, 0, -0.3f}, {0.42f, 0.25f, 0.06f}, 0.4f, 1),
                                            Box({0, 0, 0.35f}, {0.42f, 0.25f, 0.06f}, 0.4f, 1)}),
                             Solid(kDark)}}));
  }
}

// The log flume: a channel on posts that ends in a pool, a station, three logs.
void AddFlume(std::vector<ParkModel>& models) {
  const ridecourses::Course course = ridecourses::Flume();
  const ridecourses::CoursePoint& start = course.points.front();
  const Vec3 station{float(start.x) + 2.5f, 0, float(start.z)};
  const ridecourses::CoursePoint& splash = course.points[size_t(course.frames) * 93 / 100];
  models.push_back(Model("rides", "Attr_Norwhistle_channel",
                         {{"channel", Band(course, 0.8f, -0.1f, 0.6f), Solid({0.5f, 0.35f, 0.22f})},
                          {"posts", Supports(course, 8), Solid(kWood)},
                          {"station", Box(station, {1.4f, 0.4f, 3.5f}, 0, 2), Solid(kGreen)},
                          {"roof", Frustum(Add(station, {0, 2.8f, 0}), 3.8f, 0.2f, 1.0f, 4), Solid(kOrange)},
                          {"pool", Disc({float(splash.x), 0.15f, float(splash.z)}, 4.5f, 20), Solid({0.25f, 0.5f, 0.8f})},
                          {"rim", Frustum({float(splash.x), 0, float(splash.z)}, 4.7f, 4.7f, 0.3f, 20), Solid(kWhite)}}));
  for (int k = 0; k < 3; ++k) {
    models.push_back(Model("rides", "Attr_Norwhistle_boat0" + std::to_string(k),
                           {{"log", Ball({0, 0.35f, 0}, {0.55f, 0.35f, 1.2f}, 6, 10), Solid(kBark)},
                            {"seats", Box({0, 0, 0}, {0.4f, 0.08f, 0.8f}, 0.62f, 1), Solid(kWood)}}));
  }
}

// The bird show: a sanded ring behind a low fence, a stage with a perch,
// and the bird on it, which turns to look at its audience.
void AddBirdShow(std::vector<ParkModel>& models) {
  constexpr float kFenceRadius = 5.0f;
  constexpr int kFencePosts = 20;
  constexpr float kPerchTop = 2.4f;
  Triangles fence;
  for (int i = 0; i < kFencePosts; ++i) {
    const float a = 2 * kPi * float(i) / float(kFencePosts);
    Append(fence, Box({kFenceRadius * std::cos(a), 0, kFenceRadius * std::sin(a)}, {0.07f, 0.5f, 0.07f}, 0, 1));
  }
  for (float height : {0.45f, 0.85f}) Append(fence, Frustum({0, height, 0}, kFenceRadius, kFenceRadius, 0.1f, 24));
  models.push_back(Model("rides", "ATTR_Zelvaro_stand",
                         {{"ring", Disc({0, 0.05f, 0}, kFenceRadius, 24), Solid({0.86f, 0.78f, 0.56f})},
                          {"fence", fence, Solid(kWhite)},
                          {"stage", Drum({0, 0, 0}, 1.7f, 1.6f, 0.3f, 12), Stripes(kGreen, kYellow, 6)},
                          {"perch", Join({Frustum({0, 0.3f, 0}, 0.16f, 0.13f, kPerchTop - 0.3f, 8),
                                          Box({0, 0, 0}, {1.1f, 0.07f, 0.07f}, kPerchTop, 1)}),
                           Solid(kWood)}}));
  const float body = kPerchTop + 0.1f;
  models.push_back(Model("rides", "ATTR_Zelvaro_bird",
                         {{"body", Ball({0, body + 0.65f, 0}, {0.5f, 0.7f, 0.6f}, 8, 12), Solid(kRed)},
                          {"wings", Join({Ball({-0.5f, body + 0.7f, -0.1f}, {0.13f, 0.5f, 0.65f}, 6, 10),
                                          Ball({0.5f, body + 0.7f, -0.1f}, {0.13f, 0.5f, 0.65f}, 6, 10)}),
                           Stripes(kBlue, kYellow, 4)},
                          {"tail", Box({0, 0, -0.95f}, {0.22f, 0.06f, 0.65f}, body + 0.1f, 1), Stripes(kBlue, kGreen, 3)},
                          {"head", Ball({0, body + 1.6f, 0.15f}, {0.36f, 0.36f, 0.36f}, 8, 10), Solid(kGreen)},
                          {"beak", Box({0, 0, 0.58f}, {0.09f, 0.1f, 0.17f}, body + 1.42f, 1), Solid(kGold)}}));
}

void AddRides(std::vector<ParkModel>& models) {
  AddCoaster(models);
  AddFlume(models);
  AddBirdShow(models);
  models.push_back(Model("rides", "Attr_Carousel_base",
                         {{"platform", Drum({0, 0, 0}, 4.2f, 4.2f, 0.4f, 16), Solid({0.85f, 0.75f, 0.55f})},
                          {"column", Frustum({0, 0.4f, 0}, 0.35f, 0.35f, 3.2f, 8), Solid(kGold)}}));
  Triangles poles, horses;
  for (int i = 0; i < 8; ++i) {
    const float a = 2 * kPi * float(i) / 8;
    const Vec3 at{3.2f * std::cos(a), 0, 3.2f * std::sin(a)};
    Append(poles, Frustum(Add(at, {0, 0.4f, 0}), 0.05f, 0.05f, 3.2f, 6));
    Append(horses, Box(at, {0.25f, 0.3f, 0.6f}, 1.0f + 0.3f * float(i % 2), 1));
  }
  models.push_back(Model("rides", "Attr_Carousel_top",
                         {{"canopy", Frustum({0, 3.6f, 0}, 4.6f, 0.3f, 1.6f, 16), Stripes(kRed, kYellow, 8)},
                          {"poles", poles, Solid(kGold)},
                          {"horses", horses, Solid(kWhite)}}));
  Triangles rails;
  for (int i = 0; i < 24; ++i) {
    const float a = 2 * kPi * float(i) / 24;
    Append(rails, Box({7 * std::cos(a), 0, 4 * std::sin(a)}, {0.6f, 0.05f, 0.35f}, 0, 1));
  }
  models.push_back(Model("rides", "Attr_MiniTrain_station",
                         {{"rails", rails, Solid({0.45f, 0.4f, 0.38f})},
                          {"station", Box({0, 0, 0}, {1.5f, 1.1f, 1.0f}, 0, 2), Solid({0.3f, 0.55f, 0.3f})},
                          {"roof", Frustum({0, 2.2f, 0}, 2.2f, 0.1f, 1.0f, 4), Solid(kRed)}}));
  const Rgb cars[] = {kRed, kBlue, kYellow};
  for (int k = 0; k < 3; ++k) {
    models.push_back(Model("rides", "Attr_MiniTrain_car0" + std::to_string(k),
                           {{"body", Box({0, 0, 0}, {0.5f, 0.4f, 0.9f}, 0.15f, 1), Solid(cars[k])},
                            {"wheels", Box({0, 0, 0}, {0.55f, 0.1f, 0.7f}, 0, 1), Solid(kDark)}}));
  }
  Triangles frame;
  for (float z : {-1.5f, 1.5f}) {
    Append(frame, Box({-1.2f, 0, z}, {0.1f, 2.2f, 0.1f}, 0, 1));
    Append(frame, Box({1.2f, 0, z}, {0.1f, 2.2f, 0.1f}, 0, 1));
  }
  Append(frame, Box({0, 0, 0}, {0.1f, 0.1f, 1.6f}, 4.3f, 1));
  models.push_back(Model("rides", "Attr_SwingBoat_frame", {{"frame", frame, Solid(kBlue)}}));
  models.push_back(Model("rides", "Attr_SwingBoat_boat",
                         {{"hull", Frustum({0, 0.6f, 0}, 0.6f, 1.4f, 0.8f, 8), Stripes(kOrange, kWhite, 6)},
                          {"arms", Join({Box({0, 0, -0.9f}, {0.05f, 1.5f, 0.05f}, 1.3f, 1),
                                         Box({0, 0, 0.9f}, {0.05f, 1.5f, 0.05f}, 1.3f, 1)}),
                           Solid(kDark)}}));
}

}  // namespace

std::vector<ParkModel> BuildObjectModels() {
  std::vector<ParkModel> models;
  AddBuildings(models);
  AddPlants(models);
  AddRides(models);
  return models;
}
