// "BaseEffects": the texture-blending shaders of static meshes, chosen by
// shType:
//   4  three base textures (two colour maps mixed by a mix map) x light map
//   5  the same without a light map
//   6  composite: a base colour map with two more colour maps laid over it,
//      each through its own mask
//   7  the composite x light map
// Each texture has its own tiling and offset (uv x tiling + offset). Mix maps
// and masks are grey-scale: their red channel says how much of the upper
// texture shows. Light maps use the second texture coordinates.

int      shType = 5;
float4x4 worldViewProj;

texture  LightMap { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; };
texture  MixTex0 { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  BaseTexture0 { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  BaseTexture1 { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float2   TillingMix = {1, 1};
float2   OffsetMix;
float2   TillingBase1 = {1, 1};
float2   OffsetBase1;
float2   TillingBase2 = {1, 1};
float2   OffsetBase2;

texture  CompositeBase { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  CompositeTex0 { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  CompositeTex0Alpha { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  CompositeTex1 { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  CompositeTex1Alpha { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float2   TillingCBase1 = {1, 1};
float2   OffsetCBase1;
float2   TillingCBase2 = {1, 1};
float2   OffsetCBase2;
float2   TillingCBase3 = {1, 1};
float2   OffsetCBase3;
float2   TillingCBase4 = {1, 1};
float2   OffsetCBase4;
float2   TillingCBase5 = {1, 1};
float2   OffsetCBase5;

vertexshader base_vs <<<
#version 330 core
in vec3 POSITION;
in vec2 TEXCOORD0;
in vec2 TEXCOORD1;
uniform mat4 worldViewProj;
out vec2 uv;
out vec2 lightUv;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  uv = TEXCOORD0;
  lightUv = TEXCOORD1;
}
>>>

fragmentshader base_fs <<<
#version 330 core
uniform int shType;
uniform sampler2D LightMap;
uniform sampler2D MixTex0, BaseTexture0, BaseTexture1;
uniform vec2 TillingMix, OffsetMix, TillingBase1, OffsetBase1, TillingBase2, OffsetBase2;
uniform sampler2D CompositeBase, CompositeTex0, CompositeTex0Alpha, CompositeTex1, CompositeTex1Alpha;
uniform vec2 TillingCBase1, OffsetCBase1, TillingCBase2, OffsetCBase2, TillingCBase3, OffsetCBase3;
uniform vec2 TillingCBase4, OffsetCBase4, TillingCBase5, OffsetCBase5;
in vec2 uv;
in vec2 lightUv;
out vec4 colour;

vec4 Tiled(sampler2D map, vec2 tiling, vec2 offset) { return texture(map, uv * tiling + offset); }

vec4 BaseBlend() {
  float mixAmount = Tiled(MixTex0, TillingMix, OffsetMix).r;
  return mix(Tiled(BaseTexture0, TillingBase1, OffsetBase1), Tiled(BaseTexture1, TillingBase2, OffsetBase2),
             mixAmount);
}

vec4 Composite() {
  vec4 c = Tiled(CompositeBase, TillingCBase1, OffsetCBase1);
  c = mix(c, Tiled(CompositeTex0, TillingCBase2, OffsetCBase2), Tiled(CompositeTex0Alpha, TillingCBase3, OffsetCBase3).r);
  return mix(c, Tiled(CompositeTex1, TillingCBase4, OffsetCBase4), Tiled(CompositeTex1Alpha, TillingCBase5, OffsetCBase5).r);
}

void main() {
  bool composite = shType == 6 || shType == 7;
  bool lightMapped = shType == 4 || shType == 7;
  vec4 c = composite ? Composite() : BaseBlend();
  if (lightMapped) c.rgb *= texture(LightMap, lightUv).rgb;
  colour = vec4(c.rgb, 1.0);
}
>>>

technique BaseShaders {
  pass p0 {
    VertexShader = base_vs;
    FragmentShader = base_fs;
  }
}
