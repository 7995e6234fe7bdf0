#include "tools/figuregen/PeopleFigures.h"

#include <cmath>

#include "platform/math/Math.h"

namespace figuregen {

namespace {

using plat::Vec3;

constexpr int kKeys = 9;
constexpr int kBands = 8;
enum Band { kSkin, kTop, kBottom, kHairBand, kShoes, kAccent, kTopShade, kSkinShade };
enum PersonBone { kHips, kSpine, kHead, kArmL, kArmR, kLegL, kLegR };

float Wave(float phase) { return std::sin(2 * plat::kPi * phase); }
float Rise(float phase) { return 0.5f - 0.5f * std::cos(2 * plat::kPi * phase); }

Vec3 Walk(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kLegL:
      return {0.45f * s, 0, 0};
    case kLegR:
      return {-0.45f * s, 0, 0};
    case kArmL:
      return {-0.35f * s, 0, 0};
    case kArmR:
      return {0.35f * s, 0, 0};
    case kSpine:
      return {0, 0.05f * s, 0};
    default:
      return {};
  }
}

Vec3 Idle(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kSpine:
      return {0, 0, 0.04f * s};
    case kHead:
      return {0, 0.25f * s, 0};
    case kArmL:
      return {0, 0, 0.05f * s};
    case kArmR:
      return {0, 0, -0.05f * s};
    default:
      return {};
  }
}

Vec3 Work(int bone, float p) {
  const float c = Rise(p);
  switch (bone) {
    case kArmL:
    case kArmR:
      return {-(0.4f + 1.0f * c), 0, 0};
    case kSpine:
      return {0.25f * c, 0, 0};
    default:
      return {};
  }
}

Vec3 Watering(int bone, float p) {
  switch (bone) {
    case kArmR:
      return {-1.2f + 0.08f * Wave(p), 0, 0};
    case kHead:
      return {0.2f, 0, 0};
    case kSpine:
      return {0.1f, 0, 0};
    default:
      return {};
  }
}

Vec3 Magic(int bone, float p) {
  const float s = Wave(p);
  switch (bone) {
    case kArmL:
      return {-2.6f + 0.15f * s, 0, 0.3f};
    case kArmR:
      return {-2.6f - 0.15f * s, 0, -0.3f};
    case kSpine:
      return {0, 0.2f * s, 0};
    case kHead:
      return {-0.2f, 0, 0};
    default:
      return {};
  }
}

// Where the parts of a build sit, in metres above the feet.
struct Frame {
  float width;  // horizontal scale
  float hip, shoulder, headCentre, headRadius;
  float torsoHalf;  // half the shoulder width
};

Frame FrameOf(const Build& b) {
  Frame f{};
  const bool child = b.head > 1.1f && b.height < 1.5f;
  f.width = b.girth * (child ? 0.8f : 1.0f);
  f.headRadius = 0.11f * b.head;
  f.headCentre = b.height - 1.12f * f.headRadius;
  f.shoulder = f.headCentre - 1.12f * f.headRadius - 0.04f;
  f.hip = b.height * (child ? 0.45f : 0.5f);
  f.torsoHalf = 0.19f * f.width;
  return f;
}

struct PartMaker {
  std::vector<Box>* parts;
  int hairMaterial;

  void Add(int bone, Vec3 min, Vec3 max, int band, Shape shape = Shape::Round) const {
    const float top = float(band) / kBands + 0.02f, bottom = float(band + 1) / kBands - 0.02f;
    parts->push_back({bone, min, max, top, bottom, 0, shape});
  }
  // A round part centred at c with radii r.
  void Ball(int bone, Vec3 c, Vec3 r, int band) const { Add(bone, c - r, c + r, band); }
  void HairBall(int bone, Vec3 c, Vec3 r) const {
    if (hairMaterial == 0) {
      Ball(bone, c, r, kHairBand);
    } else {
      parts->push_back({bone, c - r, c + r, 0.02f, 0.98f, hairMaterial, Shape::Round});
    }
  }
};

void AddBody(const Build& b, const Frame& f, const PartMaker& m) {
  const float w = f.width;
  const bool robe = b.bottom == Bottom::Robe, dress = b.bottom == Bottom::Dress;
  const int lower = dress || robe ? kTop : kBottom;
  m.Ball(kHips, {0, f.hip, 0}, {f.torsoHalf * 0.9f, 0.07f * b.height, 0.11f * w}, lower);
  const float torsoMid = (f.hip + f.shoulder) * 0.5f + 0.02f;
  m.Ball(kSpine, {0, torsoMid, 0}, {f.torsoHalf, (f.shoulder - f.hip) * 0.55f, 0.12f * w}, kTop);
  if (b.bottom == Bottom::Overall) {
    m.Ball(kSpine, {0, torsoMid - 0.08f * b.height, -0.01f},
           {f.torsoHalf * 1.03f, (f.shoulder - f.hip) * 0.35f, 0.125f * w}, kBottom);
  }
  if (b.bottom == Bottom::Trousers || b.bottom == Bottom::Capri) {
    m.Ball(kHips, {0, f.hip + 0.05f * b.height, 0}, {f.torsoHalf * 0.95f, 0.02f, 0.115f * w}, kAccent);
  }
  // A tie or a brooch at the collar.
  m.Add(kSpine, {-0.02f * w, f.shoulder - 0.22f, -0.13f * w}, {0.02f * w, f.shoulder - 0.04f, -0.11f * w}, kAccent,
        Shape::Box);
  m.Ball(kHead, {0, f.shoulder + 0.03f, 0}, {0.05f, 0.06f, 0.05f}, kSkinShade);
  m.Ball(kHead, {0, f.headCentre, 0}, {f.headRadius, f.headRadius * 1.12f, f.headRadius * 1.05f}, kSkin);
  m.Ball(kHead, {0, f.headCentre - 0.1f * f.headRadius, -f.headRadius}, {0.02f, 0.025f, 0.03f}, kSkinShade);
  const float armLength = 0.36f * b.height;
  for (int side : {-1, 1}) {
    const int arm = side < 0 ? kArmL : kArmR, leg = side < 0 ? kLegL : kLegR;
    const float ax = side * (f.torsoHalf + 0.045f * w);
    m.Ball(arm, {ax, f.shoulder - armLength * 0.45f, 0}, {0.05f * w, armLength * 0.5f, 0.055f * w},
           robe ? kTop : kTopShade);
    m.Ball(arm, {ax, f.shoulder - armLength, 0}, {0.04f, 0.05f, 0.04f}, kSkin);
    const float lx = side * 0.09f * w;
    const bool bareLegs = b.bottom == Bottom::Skirt || dress;
    m.Ball(leg, {lx, f.hip * 0.5f + 0.03f, 0}, {0.07f * w, f.hip * 0.5f, 0.075f * w}, bareLegs ? kSkin : kBottom);
    if (b.bottom == Bottom::Capri) {
      m.Ball(leg, {lx, f.hip * 0.25f, 0}, {0.068f * w, f.hip * 0.22f, 0.072f * w}, kSkin);
    }
    m.Ball(leg, {lx, 0.04f, -0.04f}, {0.065f * w, 0.045f, 0.12f}, kShoes);
  }
  if (b.bottom == Bottom::Skirt || dress) {
    const float length = dress ? 0.3f : 0.2f;
    m.Ball(kHips, {0, f.hip - length * b.height * 0.5f, 0}, {f.torsoHalf * 1.15f, length * b.height * 0.6f, 0.16f * w},
           lower);
  }
  if (robe) {
    m.Ball(kHips, {0, f.hip * 0.55f, 0}, {f.torsoHalf * 1.3f, f.hip * 0.55f, 0.2f * w}, kTop);
  }
}

void AddHair(const Build& b, const Frame& f, const PartMaker& m) {
  const float r = f.headRadius, c = f.headCentre;
  if (b.hair == Hair::None) return;
  m.HairBall(kHead, {0, c + 0.28f * r, 0.05f * r}, {1.08f * r, 0.9f * r, 1.1f * r});
  switch (b.hair) {
    case Hair::Long:
      m.HairBall(kHead, {0, c - 0.5f * r, 0.55f * r}, {0.98f * r, 1.3f * r, 0.55f * r});
      break;
    case Hair::Bun:
      m.HairBall(kHead, {0, c + 0.95f * r, 0.45f * r}, {0.45f * r, 0.4f * r, 0.45f * r});
      break;
    case Hair::Ponytail:
      m.HairBall(kHead, {0, c - 0.2f * r, 1.2f * r}, {0.25f * r, 0.9f * r, 0.3f * r});
      break;
    case Hair::Pigtails:
      for (float side : {-1.0f, 1.0f}) {
        m.HairBall(kHead, {side * 1.05f * r, c - 0.3f * r, 0.3f * r}, {0.3f * r, 0.7f * r, 0.3f * r});
      }
      break;
    case Hair::Bob:
      m.HairBall(kHead, {0, c - 0.1f * r, 0.2f * r}, {1.15f * r, 0.95f * r, 1.05f * r});
      break;
    default:
      break;
  }
}

void AddHeadwear(const Build& b, const Frame& f, const PartMaker& m) {
  const float r = f.headRadius, c = f.headCentre;
  switch (b.headwear) {
    case Headwear::StrawHat:
      m.Ball(kHead, {0, c + 0.75f * r, 0}, {2.2f * r, 0.12f * r, 2.2f * r}, kAccent);
      m.Ball(kHead, {0, c + 1.0f * r, 0}, {0.95f * r, 0.5f * r, 0.95f * r}, kAccent);
      break;
    case Headwear::Helmet:
      m.Ball(kHead, {0, c + 0.4f * r, 0}, {1.18f * r, 0.9f * r, 1.2f * r}, kAccent);
      break;
    case Headwear::Cap:
      m.Ball(kHead, {0, c + 0.5f * r, 0.05f * r}, {1.1f * r, 0.6f * r, 1.1f * r}, kAccent);
      m.Add(kHead, {-0.8f * r, c + 0.45f * r, -1.8f * r}, {0.8f * r, c + 0.55f * r, -0.6f * r}, kAccent, Shape::Box);
      break;
    case Headwear::TopHat:
      m.Add(kHead, {-1.8f * r, c + 0.7f * r, -1.8f * r}, {1.8f * r, c + 0.8f * r, 1.8f * r}, kAccent, Shape::Box);
      m.Add(kHead, {-0.9f * r, c + 0.8f * r, -0.9f * r}, {0.9f * r, c + 2.4f * r, 0.9f * r}, kAccent, Shape::Box);
      break;
    case Headwear::PointedHat:
      for (int step = 0; step < 3; ++step) {
        const float s = 1.0f - 0.3f * float(step);
        m.Ball(kHead, {0, c + (0.8f + 0.8f * float(step)) * r, 0}, {1.2f * s * r, 0.6f * r, 1.2f * s * r}, kAccent);
      }
      break;
    case Headwear::Ears:
      for (float side : {-1.0f, 1.0f}) {
        m.Ball(kHead, {side * 0.75f * r, c + 1.05f * r, 0}, {0.35f * r, 0.55f * r, 0.15f * r}, kAccent);
      }
      break;
    case Headwear::JesterHat:
      m.Ball(kHead, {0, c + 0.55f * r, 0}, {1.1f * r, 0.6f * r, 1.1f * r}, kAccent);
      for (float side : {-1.0f, 1.0f}) {
        m.Ball(kHead, {side * 1.2f * r, c + 0.9f * r, 0}, {0.8f * r, 0.25f * r, 0.25f * r}, kTop);
        m.Ball(kHead, {side * 2.0f * r, c + 0.6f * r, 0}, {0.18f * r, 0.18f * r, 0.18f * r}, kHairBand);
      }
      break;
    case Headwear::None:
      break;
  }
}

std::vector<Bone> Skeleton(const Frame& f) {
  const float spine = f.hip + 0.05f;
  const float armY = f.shoulder - 0.02f;
  const float armX = f.torsoHalf + 0.045f * f.width;
  return {
      {"Hips", -1, {0, f.hip, 0}},
      {"Spine", kHips, {0, spine - f.hip, 0}},
      {"Head", kSpine, {0, f.shoulder - spine, 0}},
      {"ArmL", kSpine, {-armX, armY - spine, 0}},
      {"ArmR", kSpine, {armX, armY - spine, 0}},
      {"LegL", kHips, {-0.09f * f.width, 0, 0}},
      {"LegR", kHips, {0.09f * f.width, 0, 0}},
  };
}

// Colour palettes by outfit style.
struct Palette {
  std::vector<std::uint32_t> tops, bottoms, hairs, accents;
};

const std::vector<std::uint32_t> kSkins = {0xFFF1C9A5u, 0xFFE0AC80u, 0xFFC68642u, 0xFF8D5524u, 0xFFFFDBB4u};

const Palette& PaletteOf(int index) {
  static const Palette palettes[] = {
      // business
      {{0xFF1F2A44u, 0xFF3A3A3Au, 0xFF5A4030u, 0xFF6A6E75u, 0xFF2B3A67u, 0xFF7A2E3Au},
       {0xFF1F2A44u, 0xFF2E2E2Eu, 0xFF4A3828u, 0xFF55585Eu},
       {0xFF1A1A1Au, 0xFF4B3621u, 0xFF8A8A8Au, 0xFFD8C078u, 0xFF6B4226u},
       {0xFFC0282Du, 0xFF2050A0u, 0xFF2E7D32u, 0xFFD4A017u}},
      // casual
      {{0xFFE53935u, 0xFF42A5F5u, 0xFFFDD835u, 0xFF43A047u, 0xFFFB8C00u, 0xFF8E24AAu, 0xFFF5F5F5u, 0xFF00897Bu,
        0xFFEC407Au, 0xFF5C6BC0u, 0xFF8D6E63u},
       {0xFF3B5998u, 0xFFC3B091u, 0xFF262626u, 0xFFEDEDEDu, 0xFF6B8E23u, 0xFF5D4037u, 0xFF1565C0u},
       {0xFF1A1A1Au, 0xFF3E2723u, 0xFF6D4C41u, 0xFF8D3B1Fu, 0xFFE6C35Cu, 0xFFB5562Bu},
       {0xFFFFFFFFu, 0xFF212121u, 0xFFFFC107u, 0xFF795548u}},
      // children
      {{0xFFFF5252u, 0xFF40C4FFu, 0xFFFFEB3Bu, 0xFF69F0AEu, 0xFFFF9800u, 0xFFE040FBu, 0xFFFF80ABu},
       {0xFF1E88E5u, 0xFFEF5350u, 0xFF26A69Au, 0xFF5D4037u, 0xFF7E57C2u},
       {0xFF3E2723u, 0xFFE6C35Cu, 0xFF8D3B1Fu, 0xFF1A1A1Au},
       {0xFFFFFFFFu, 0xFFFFEB3Bu, 0xFF00E5FFu}},
      // seniors
      {{0xFFB39DDBu, 0xFFF48FB1u, 0xFFA5D6A7u, 0xFF90CAF9u, 0xFFFFE0B2u},
       {0xFF757575u, 0xFF37474Fu, 0xFF6D4C41u, 0xFF5C6BC0u},
       {0xFFF0F0F0u, 0xFFC8C8C8u, 0xFFA8A8A8u},
       {0xFF8E24AAu, 0xFFD32F2Fu, 0xFF388E3Cu}},
      // sports
      {{0xFFD32F2Fu, 0xFF1976D2u, 0xFF388E3Cu, 0xFFFBC02Du, 0xFF212121u},
       {0xFF212121u, 0xFF0D47A1u, 0xFFB71C1Cu, 0xFF1B5E20u},
       {0xFF1A1A1Au, 0xFF6D4C41u, 0xFFE6C35Cu, 0xFF8D3B1Fu},
       {0xFFFFFFFFu, 0xFFFFEB3Bu}},
  };
  return palettes[index];
}

std::uint32_t Pick(const std::vector<std::uint32_t>& list, int variant, int stride, int offset) {
  return list[std::size_t((variant * stride + offset) % int(list.size()))];
}

std::uint32_t Shade(std::uint32_t argb, float factor) {
  auto channel = [&](int shift) {
    const float c = float((argb >> shift) & 0xFFu) * factor;
    return std::uint32_t(c > 255 ? 255 : c) << shift;
  };
  return (argb & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

// A soft weave so that the cloth does not look flat.
std::uint32_t Weave(std::uint32_t argb, int x, int y) { return Shade(argb, ((x + y) % 4 == 0) ? 0.92f : 1.0f); }

}  // namespace

const std::vector<PersonKind>& PersonKinds() {
  constexpr Build kMan{1.82f, 1.05f, 1.0f, Bottom::Trousers, Hair::Short, Headwear::None, 1.0f, false};
  constexpr Build kWoman{1.7f, 0.92f, 0.97f, Bottom::Trousers, Hair::Long, Headwear::None, 0.95f, true};
  constexpr Build kGirl{1.3f, 0.85f, 1.25f, Bottom::Dress, Hair::Pigtails, Headwear::None, 0.75f, true};
  static const std::vector<PersonKind> kinds = [&] {
    auto with = [](Build b, Bottom bottom, Hair hair) {
      b.bottom = bottom;
      b.hair = hair;
      return b;
    };
    Build granny{1.6f, 1.1f, 1.0f, Bottom::Skirt, Hair::Bun, Headwear::None, 1.3f, false};
    Build sportyWoman = with(kWoman, Bottom::Trousers, Hair::Ponytail);
    sportyWoman.hairMaterial = false;
    sportyWoman.walkSeconds = 0.85f;
    Build sportyMan = kMan;
    sportyMan.girth = 1.0f;
    sportyMan.walkSeconds = 0.85f;
    Build boy{1.35f, 0.9f, 1.25f, Bottom::Capri, Hair::Short, Headwear::Cap, 0.75f, false};
    Build girlBob = with(kGirl, Bottom::Skirt, Hair::Bob);
    girlBob.height = 1.2f;
    Build businessMan = kMan;
    businessMan.girth = 1.1f;
    return std::vector<PersonKind>{
        {"characters\\business_m\\business_m.X",
         "characters\\business_m\\textures",
         {"business_m_%.2d.dds", 6},
         {},
         businessMan,
         0},
        {"characters\\business_f\\business_f_szoknya.X",
         "characters\\business_f\\textures",
         {"business_f_szoknya_%.2d.dds", 1},
         {"business_f_szoknya_hair_%.2d.dds", 1},
         with(kWoman, Bottom::Skirt, Hair::Bun),
         0},
        {"characters\\business_f\\business_f_nadrag.X",
         "characters\\business_f\\textures",
         {"business_f_nadrag_%.2d.dds", 1},
         {"business_f_nadrag_hair_%.2d.dds", 1},
         with(kWoman, Bottom::Trousers, Hair::Bob),
         0},
        {"characters\\casual_f\\casual_f_nadrag.x",
         "characters\\casual_f\\textures",
         {"casual_f_nadragcopf_%.2d.dds", 13},
         {"casual_f_nadragcopf_hair_%.2d.dds", 13},
         with(kWoman, Bottom::Trousers, Hair::Ponytail),
         1},
        {"characters\\casual_f\\casual_f_halasz.X",
         "characters\\casual_f\\textures",
         {"casual_f_halasz_%.2d.dds", 2},
         {"casual_f_halasz_hair_%.2d.dds", 2},
         with(kWoman, Bottom::Capri, Hair::Long),
         1},
        {"characters\\casual_f\\casual_f_ruha.x",
         "characters\\casual_f\\textures",
         {"casual_f_ruha_%.2d.dds", 1},
         {"casual_f_ruha_hair_%.2d.dds", 1},
         with(kWoman, Bottom::Dress, Hair::Long),
         1},
        {"characters\\casual_f\\casual_f_szoknya.x",
         "characters\\casual_f\\textures",
         {"casual_f_szoknya_%.2d.dds", 3},
         {"casual_f_szoknya_hair_%.2d.dds", 3},
         with(kWoman, Bottom::Skirt, Hair::Bob),
         1},
        {"characters\\casual_m\\casual_m.X", "characters\\casual_m\\textures", {"casual_m_%.2d.dds", 31}, {}, kMan, 1},
        {"characters\\child_f\\child01_f_multianim.x",
         "characters\\child_f\\textures",
         {"child01_f_%.2d.dds", 6},
         {"child01_f_hair.dds", 0},
         kGirl,
         2},
        {"characters\\child_f\\child02_f_multianim.x",
         "characters\\child_f\\textures",
         {"child02_f_%.2d.dds", 6},
         {"child02_f_hair.dds", 0},
         girlBob,
         2},
        {"characters\\child_m\\child_m.X", "characters\\child_m\\textures", {"child_m_%.2d.dds", 11}, {}, boy, 2},
        {"characters\\granny\\granny.X", "characters\\granny\\textures", {"granny_%.2d.dds", 8}, {}, granny, 3},
        {"characters\\sportive_f\\sportive_f.X",
         "characters\\sportive_f\\textures",
         {"sportive_f_%.2d.dds", 3},
         {},
         sportyWoman,
         4},
        {"characters\\sportive_m\\sportive_m.X",
         "characters\\sportive_m\\textures",
         {"sportive_m_%.2d.dds", 8},
         {},
         sportyMan,
         4},
    };
  }();
  return kinds;
}

const std::vector<FixedPerson>& ParkPeople() {
  static const std::vector<FixedPerson> people = {
      {"characters\\pellwhit.x",
       "pellwhit.dds",
       {1.85f, 1.05f, 1.05f, Bottom::Robe, Hair::Long, Headwear::PointedHat, 1.2f, false},
       {0xFFF1C9A5u, 0xFF283593u, 0xFF1A237Eu, 0xFFECEFF1u, 0xFF4E342Eu, 0xFFFFD54Fu}},
      {"characters\\Fizzleda.X",
       "Fizzleda.dds",
       {1.75f, 1.5f, 1.8f, Bottom::Dress, Hair::None, Headwear::Ears, 1.1f, false},
       {0xFFF8E1C8u, 0xFFF06292u, 0xFFBA68C8u, 0xFFF8E1C8u, 0xFFFFFFFFu, 0xFFF06292u}},
      {"characters\\fizzwick.X",
       "fizzwick.dds",
       {1.8f, 1.55f, 1.8f, Bottom::Overall, Hair::None, Headwear::Ears, 1.1f, false},
       {0xFFD7B98Eu, 0xFFFF8F00u, 0xFF1E88E5u, 0xFFD7B98Eu, 0xFF4E342Eu, 0xFF8D6E63u}},
      {"characters\\marivelle.X",
       "marivelle.dds",
       {1.72f, 0.9f, 1.0f, Bottom::Dress, Hair::Long, Headwear::None, 1.0f, false},
       {0xFFFFDBB4u, 0xFF00897Bu, 0xFF004D40u, 0xFFB5562Bu, 0xFF5D4037u, 0xFFFFD700u}},
      {"characters\\brimsey.X",
       "brimsey.dds",
       {1.65f, 1.35f, 1.1f, Bottom::Trousers, Hair::Short, Headwear::TopHat, 1.15f, false},
       {0xFFE0AC80u, 0xFF2E7D32u, 0xFF3E2723u, 0xFF8A8A8Au, 0xFF1A1A1Au, 0xFF212121u}},
      {"characters\\gardener_multianim.X",
       "gardener.dds",
       {1.8f, 1.05f, 1.0f, Bottom::Overall, Hair::Short, Headwear::StrawHat, 1.0f, false},
       {0xFFE0AC80u, 0xFFC5E1A5u, 0xFF2E7D32u, 0xFF6D4C41u, 0xFF3E2723u, 0xFFE6C35Cu}},
      {"characters\\engineer_multianim.X",
       "engineer.dds",
       {1.83f, 1.1f, 1.0f, Bottom::Overall, Hair::Short, Headwear::Helmet, 1.0f, false},
       {0xFFF1C9A5u, 0xFF9E9E9Eu, 0xFF1565C0u, 0xFF3E2723u, 0xFF212121u, 0xFFFFA000u}},
      {"characters\\cleaner_multianim.X",
       "cleaner.dds",
       {1.76f, 1.0f, 1.0f, Bottom::Trousers, Hair::Short, Headwear::Cap, 1.0f, false},
       {0xFFC68642u, 0xFFF5F5F5u, 0xFF607D8Bu, 0xFF1A1A1Au, 0xFF263238u, 0xFF00ACC1u}},
      {"characters\\tembrisk_multianim.X",
       "tembrisk.dds",
       {1.78f, 1.0f, 1.05f, Bottom::Capri, Hair::None, Headwear::JesterHat, 0.9f, false},
       {0xFFFFDBB4u, 0xFFD32F2Fu, 0xFFFBC02Du, 0xFF7B1FA2u, 0xFF7B1FA2u, 0xFFFBC02Du}},
  };
  return people;
}

Figure PersonFigure(const Build& build, const std::vector<std::string>& textures) {
  const Frame f = FrameOf(build);
  Figure figure;
  figure.rootName = "Root";
  figure.textures = textures;
  figure.bones = Skeleton(f);
  const PartMaker maker{&figure.boxes, build.hairMaterial && textures.size() > 1 ? 1 : 0};
  AddBody(build, f, maker);
  AddHair(build, f, maker);
  AddHeadwear(build, f, maker);
  figure.sets = {
      {"walk", build.walkSeconds, kKeys, Walk}, {"idle", 2.0f, kKeys, Idle},   {"work", 1.2f, kKeys, Work},
      {"watering", 2.0f, kKeys, Watering},      {"magic", 1.5f, kKeys, Magic},
  };
  return figure;
}

Outfit VariantOutfit(const PersonKind& kind, int variant) {
  const Palette& p = PaletteOf(kind.palette);
  Outfit o{};
  o.skin = Pick(kSkins, variant, 3, kind.palette);
  o.top = Pick(p.tops, variant, 1, 0);
  o.bottom = kind.palette == 0 ? Shade(o.top, 0.85f) : Pick(p.bottoms, variant, 2, 1);
  o.hair = Pick(p.hairs, variant, 5, 2);
  o.shoes = kind.palette == 4 ? 0xFFF5F5F5u : 0xFF2A2018u;
  o.accent = Pick(p.accents, variant, 3, 1);
  return o;
}

std::vector<std::uint32_t> BodyPixels(const Outfit& o, int size) {
  const std::uint32_t bands[kBands] = {
      o.skin, o.top, o.bottom, o.hair, o.shoes, o.accent, Shade(o.top, 0.88f), Shade(o.skin, 0.9f)};
  std::vector<std::uint32_t> pixels(std::size_t(size * size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) pixels[std::size_t(y * size + x)] = Weave(bands[y * kBands / size], x, y);
  }
  return pixels;
}

std::vector<std::uint32_t> HairPixels(std::uint32_t hair, int size) {
  std::vector<std::uint32_t> pixels(std::size_t(size * size));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      pixels[std::size_t(y * size + x)] = Shade(hair, x % 3 == 0 ? 1.15f : (x % 5 == 0 ? 0.85f : 1.0f));
    }
  }
  return pixels;
}

}  // namespace figuregen
