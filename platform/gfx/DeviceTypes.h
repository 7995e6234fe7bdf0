#pragma once
// The device's vocabulary: state names and values, flags and small records,
// in the device's own numbers, so that values written by callers, effect
// files and data mean the same thing.
//
// State keys are scoped enums; state values are plain 32-bit words (as the
// game passes them), so the value constants live in small structs whose
// members convert to std::uint32_t.
#include <cstdint>
#include <cstring>

#include "platform/gfx/Format.h"

namespace plat {

// Float-valued render and sampler states travel as their IEEE bits.
inline std::uint32_t FloatBits(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
inline float FloatFromBits(std::uint32_t bits) {
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

constexpr std::uint32_t kTrue = 1;
constexpr std::uint32_t kFalse = 0;

enum class RenderState : std::uint32_t {
  ZEnable = 7,
  FillMode = 8,
  ShadeMode = 9,
  ZWriteEnable = 14,
  AlphaTestEnable = 15,
  LastPixel = 16,
  SrcBlend = 19,
  DestBlend = 20,
  CullMode = 22,
  ZFunc = 23,
  AlphaRef = 24,
  AlphaFunc = 25,
  DitherEnable = 26,
  AlphaBlendEnable = 27,
  FogEnable = 28,
  SpecularEnable = 29,
  FogColor = 34,
  FogTableMode = 35,
  FogStart = 36,
  FogEnd = 37,
  FogDensity = 38,
  RangeFogEnable = 48,
  StencilEnable = 52,
  StencilFail = 53,
  StencilZFail = 54,
  StencilPass = 55,
  StencilFunc = 56,
  StencilRef = 57,
  StencilMask = 58,
  StencilWriteMask = 59,
  TextureFactor = 60,
  Wrap0 = 128,
  Clipping = 136,
  Lighting = 137,
  Ambient = 139,
  FogVertexMode = 140,
  ColorVertex = 141,
  LocalViewer = 142,
  NormalizeNormals = 143,
  DiffuseMaterialSource = 145,
  SpecularMaterialSource = 146,
  AmbientMaterialSource = 147,
  EmissiveMaterialSource = 148,
  VertexBlend = 151,
  ClipPlaneEnable = 152,
  PointSize = 154,
  PointSizeMin = 155,
  PointSpriteEnable = 156,
  PointScaleEnable = 157,
  PointScaleA = 158,
  PointScaleB = 159,
  PointScaleC = 160,
  MultisampleAntialias = 161,
  MultisampleMask = 162,
  PointSizeMax = 166,
  IndexedVertexBlendEnable = 167,
  ColorWriteEnable = 168,
  TweenFactor = 170,
  BlendOp = 171,
  ScissorTestEnable = 174,
  SlopeScaleDepthBias = 175,
  AntialiasedLineEnable = 176,
  TwoSidedStencilMode = 185,
  CcwStencilFail = 186,
  CcwStencilZFail = 187,
  CcwStencilPass = 188,
  CcwStencilFunc = 189,
  BlendFactor = 193,
  SrgbWriteEnable = 194,
  DepthBias = 195,
  SeparateAlphaBlendEnable = 206,
  SrcBlendAlpha = 207,
  DestBlendAlpha = 208,
  BlendOpAlpha = 209,
};
constexpr std::uint32_t kRenderStateCount = 256;  // keys are below this

struct Blend {
  enum : std::uint32_t {
    Zero = 1,
    One = 2,
    SrcColor = 3,
    InvSrcColor = 4,
    SrcAlpha = 5,
    InvSrcAlpha = 6,
    DestAlpha = 7,
    InvDestAlpha = 8,
    DestColor = 9,
    InvDestColor = 10,
    SrcAlphaSat = 11,
    BothSrcAlpha = 12,
    BothInvSrcAlpha = 13,
    BlendFactor = 14,
    InvBlendFactor = 15,
  };
};
struct BlendOperation {
  enum : std::uint32_t { Add = 1, Subtract = 2, RevSubtract = 3, Min = 4, Max = 5 };
};
struct Cull {
  enum : std::uint32_t { None = 1, Cw = 2, Ccw = 3 };
};
struct Compare {
  enum : std::uint32_t {
    Never = 1,
    Less = 2,
    Equal = 3,
    LessEqual = 4,
    Greater = 5,
    NotEqual = 6,
    GreaterEqual = 7,
    Always = 8,
  };
};
struct Fill {
  enum : std::uint32_t { Point = 1, Wireframe = 2, Solid = 3 };
};
struct Shade {
  enum : std::uint32_t { Flat = 1, Gouraud = 2 };
};
struct ZBuffer {
  enum : std::uint32_t { Off = 0, On = 1, UseW = 2 };
};
struct StencilOp {
  enum : std::uint32_t { Keep = 1, Zero = 2, Replace = 3, IncrSat = 4, DecrSat = 5, Invert = 6 };
};
struct FogMode {
  enum : std::uint32_t { None = 0, Exp = 1, Exp2 = 2, Linear = 3 };
};
struct MaterialSource {
  enum : std::uint32_t { Material = 0, Color1 = 1, Color2 = 2 };
};

enum class TextureStageState : std::uint32_t {
  ColorOp = 1,
  ColorArg1 = 2,
  ColorArg2 = 3,
  AlphaOp = 4,
  AlphaArg1 = 5,
  AlphaArg2 = 6,
  BumpEnvMat00 = 7,
  BumpEnvMat01 = 8,
  BumpEnvMat10 = 9,
  BumpEnvMat11 = 10,
  TexCoordIndex = 11,
  BumpEnvLScale = 22,
  BumpEnvLOffset = 23,
  TextureTransformFlags = 24,
  ColorArg0 = 26,
  AlphaArg0 = 27,
  ResultArg = 28,
  Constant = 32,
};
constexpr std::uint32_t kStageStateCount = 33;  // keys are below this
constexpr std::uint32_t kTextureStageCount = 8;

struct TextureOp {
  enum : std::uint32_t {
    Disable = 1,
    SelectArg1 = 2,
    SelectArg2 = 3,
    Modulate = 4,
    Modulate2x = 5,
    Modulate4x = 6,
    Add = 7,
    AddSigned = 8,
    AddSigned2x = 9,
    Subtract = 10,
    AddSmooth = 11,
    BlendDiffuseAlpha = 12,
    BlendTextureAlpha = 13,
    BlendFactorAlpha = 14,
    BlendTextureAlphaPm = 15,
    BlendCurrentAlpha = 16,
    Premodulate = 17,
    ModulateAlphaAddColor = 18,
    ModulateColorAddAlpha = 19,
    ModulateInvAlphaAddColor = 20,
    ModulateInvColorAddAlpha = 21,
    BumpEnvMap = 22,
    BumpEnvMapLuminance = 23,
    DotProduct3 = 24,
    MultiplyAdd = 25,
    Lerp = 26,
  };
};
struct TextureArg {
  enum : std::uint32_t {
    Diffuse = 0,
    Current = 1,
    Texture = 2,
    TFactor = 3,
    Specular = 4,
    Temp = 5,
    Constant = 6,
    Complement = 0x10,
    AlphaReplicate = 0x20,
  };
};

enum class SamplerState : std::uint32_t {
  AddressU = 1,
  AddressV = 2,
  AddressW = 3,
  BorderColor = 4,
  MagFilter = 5,
  MinFilter = 6,
  MipFilter = 7,
  MipMapLodBias = 8,
  MaxMipLevel = 9,
  MaxAnisotropy = 10,
  SrgbTexture = 11,
  ElementIndex = 12,
  DMapOffset = 13,
};
constexpr std::uint32_t kSamplerStateCount = 14;  // keys are below this
constexpr std::uint32_t kSamplerCount = 16;

struct TextureFilter {
  enum : std::uint32_t { None = 0, Point = 1, Linear = 2, Anisotropic = 3 };
};
struct TextureAddress {
  enum : std::uint32_t { Wrap = 1, Mirror = 2, Clamp = 3, Border = 4, MirrorOnce = 5 };
};

enum class TransformType : std::uint32_t {
  View = 2,
  Projection = 3,
  Texture0 = 16,
  Texture7 = 23,
  World = 256,
  World1 = 257,
  World2 = 258,
  World3 = 259,
};

enum class PrimitiveType : std::uint32_t {
  PointList = 1,
  LineList = 2,
  LineStrip = 3,
  TriangleList = 4,
  TriangleStrip = 5,
  TriangleFan = 6,
};
// Vertices (or indices) that primitiveCount primitives of the type take.
std::uint32_t VertexCountFor(PrimitiveType type, std::uint32_t primitiveCount);

// Flexible vertex format bits.
struct Fvf {
  enum : std::uint32_t {
    PositionMask = 0x400E,
    Xyz = 0x002,
    XyzRhw = 0x004,
    XyzB1 = 0x006,
    XyzB2 = 0x008,
    XyzB3 = 0x00A,
    XyzB4 = 0x00C,
    XyzB5 = 0x00E,
    XyzW = 0x4002,
    Normal = 0x010,
    PSize = 0x020,
    Diffuse = 0x040,
    Specular = 0x080,
    TexCountMask = 0xF00,
    TexCountShift = 8,
    Tex1 = 0x100,
    Tex2 = 0x200,
    LastBetaUByte4 = 0x1000,
    LastBetaD3dColor = 0x8000,
  };
};

struct Lock {
  enum : std::uint32_t {
    ReadOnly = 0x10,
    NoSysLock = 0x800,
    NoOverwrite = 0x1000,
    Discard = 0x2000,
    DoNotWait = 0x4000,
    NoDirtyUpdate = 0x8000,
  };
};

struct Usage {
  enum : std::uint32_t {
    RenderTarget = 0x1,
    DepthStencil = 0x2,
    WriteOnly = 0x8,
    SoftwareProcessing = 0x10,
    DoNotClip = 0x20,
    Points = 0x40,
    Dynamic = 0x200,
    AutoGenMipMap = 0x400,
  };
};

enum class Pool : std::uint32_t { Default = 0, Managed = 1, SystemMem = 2, Scratch = 3 };

struct ClearFlags {
  enum : std::uint32_t { Target = 1, ZBuffer = 2, Stencil = 4 };
};

enum class DeclType : std::uint8_t {
  Float1 = 0,
  Float2 = 1,
  Float3 = 2,
  Float4 = 3,
  D3dColor = 4,
  UByte4 = 5,
  Short2 = 6,
  Short4 = 7,
  UByte4N = 8,
  Unused = 17,
};
// Bytes one element of the type takes; 0 for Unused.
std::uint32_t DeclTypeSize(DeclType type);

enum class DeclUsage : std::uint8_t {
  Position = 0,
  BlendWeight = 1,
  BlendIndices = 2,
  Normal = 3,
  PSize = 4,
  TexCoord = 5,
  Tangent = 6,
  Binormal = 7,
  TessFactor = 8,
  PositionT = 9,
  Color = 10,
  Fog = 11,
  Depth = 12,
  Sample = 13,
};

struct VertexElement {
  std::uint16_t stream = 0;
  std::uint16_t offset = 0;
  DeclType type = DeclType::Float3;
  DeclUsage usage = DeclUsage::Position;
  std::uint8_t usageIndex = 0;
};
bool operator==(const VertexElement& a, const VertexElement& b);

// Text-drawing flags of the font.
struct TextFormat {
  enum : std::uint32_t {
    Top = 0x0,
    Left = 0x0,
    Center = 0x1,
    Right = 0x2,
    VCenter = 0x4,
    Bottom = 0x8,
    WordBreak = 0x10,
    SingleLine = 0x20,
    ExpandTabs = 0x40,
    NoClip = 0x100,
    CalcRect = 0x400,
  };
};

// Values the texture helpers take in place of a size, a level count or a format.
constexpr std::uint32_t kDefaultValue = 0xFFFFFFFFu;    // "take it from the file" / full chain
constexpr std::uint32_t kDefaultNonPow2 = 0xFFFFFFFEu;  // the file's size, not rounded
constexpr std::uint32_t kFromFile = 0xFFFFFFFDu;        // the file's own mip count

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// What capabilities the callers test.
struct TextureCaps {
  enum : std::uint32_t { Pow2 = 0x2, Alpha = 0x4, NonPow2Conditional = 0x100, MipMap = 0x4000 };
};
struct VertexProcessingCaps {
  enum : std::uint32_t {
    TexGen = 0x1,
    MaterialSource7 = 0x2,
    DirectionalLights = 0x8,
    PositionalLights = 0x10,
    LocalViewer = 0x20,
  };
};
struct DeviceCaps {
  std::uint32_t textureCaps = TextureCaps::Alpha | TextureCaps::MipMap;  // no power-of-two rule
  std::uint32_t vertexProcessingCaps =
      VertexProcessingCaps::TexGen | VertexProcessingCaps::MaterialSource7 |
      VertexProcessingCaps::DirectionalLights | VertexProcessingCaps::PositionalLights |
      VertexProcessingCaps::LocalViewer;
  std::uint32_t maxTextureWidth = 16384;
  std::uint32_t maxTextureHeight = 16384;
  std::uint32_t maxActiveLights = 8;
  std::uint32_t maxSimultaneousTextures = kTextureStageCount;
  std::uint32_t maxStreams = 4;
  float maxPointSize = 256.0f;
};

}  // namespace plat
