// "Landscape": the park's ground. Five tiled layer textures are laid over
// each other through four grey-scale masks (red channel: how much of layer
// i shows over the layers below; the masks span the whole land once, on the
// first texture coordinates). The ground is lit by light 0 as a spot light
// (cone g_fCosTheta, position and direction in view space) and darkened
// where the shadow map holds a caster nearer to the light, with four taps
// for a softer edge. The shadow map stores light-view distance / 60000, as
// the "Default_shadow" casters write it.

texture  layer_0_tex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  layer_1_tex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  layer_2_tex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  layer_3_tex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  layer_4_tex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  mask_1_tex { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  mask_2_tex { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  mask_3_tex { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  mask_4_tex { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float2   Tilling01 = {50, 50};
float2   Tilling02 = {50, 50};
float2   Tilling03 = {50, 50};
float2   Tilling04 = {50, 50};
float2   Tilling05 = {50, 50};
float2   Offset01;
float2   Offset02;
float2   Offset03;
float2   Offset04;
float2   Offset05;

float4   g_vMaterial = {1, 1, 1, 1};
texture  g_txShadow { MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; };
float4   g_vLightDiffuse = {1, 1, 1, 1};
float4   g_vLightAmbient = {0.5, 0.5, 0.5, 1};
float    g_fCosTheta = 0.707107;
float4   g_vLightPos;
float4   g_vLightDir = {0, 0, 1, 0};
float4x4 g_mWorldView;
float4x4 g_mProj;
float4x4 g_mViewToLightProj;

vertexshader ground_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 g_mWorldView;
uniform mat4 g_mProj;
uniform mat4 g_mViewToLightProj;
out vec3 viewPos;
out vec3 viewNormal;
out vec4 lightClip;
out vec2 uv;
void main() {
  vec4 view = g_mWorldView * vec4(POSITION, 1.0);
  gl_Position = g_mProj * view;
  viewPos = view.xyz;
  viewNormal = mat3(g_mWorldView) * NORMAL;
  lightClip = g_mViewToLightProj * view;
  uv = TEXCOORD0;
}
>>>

fragmentshader ground_fs <<<
#version 330 core
uniform sampler2D layer_0_tex, layer_1_tex, layer_2_tex, layer_3_tex, layer_4_tex;
uniform sampler2D mask_1_tex, mask_2_tex, mask_3_tex, mask_4_tex;
uniform vec2 Tilling01, Tilling02, Tilling03, Tilling04, Tilling05;
uniform vec2 Offset01, Offset02, Offset03, Offset04, Offset05;
uniform vec4 g_vMaterial;
uniform sampler2D g_txShadow;
uniform vec4 g_vLightDiffuse;
uniform vec4 g_vLightAmbient;
uniform float g_fCosTheta;
uniform vec4 g_vLightPos;
uniform vec4 g_vLightDir;
in vec3 viewPos;
in vec3 viewNormal;
in vec4 lightClip;
in vec2 uv;
out vec4 colour;

vec3 Layer(sampler2D layer, vec2 tiling, vec2 offset) { return texture(layer, uv * tiling + offset).rgb; }

vec3 Ground() {
  vec3 c = Layer(layer_0_tex, Tilling01, Offset01);
  c = mix(c, Layer(layer_1_tex, Tilling02, Offset02), texture(mask_1_tex, uv).r);
  c = mix(c, Layer(layer_2_tex, Tilling03, Offset03), texture(mask_2_tex, uv).r);
  c = mix(c, Layer(layer_3_tex, Tilling04, Offset04), texture(mask_3_tex, uv).r);
  return mix(c, Layer(layer_4_tex, Tilling05, Offset05), texture(mask_4_tex, uv).r);
}

// The share of four neighbouring shadow-map texels that no caster hides.
float Unshadowed() {
  if (lightClip.w <= 0.0) return 0.0;
  vec2 ndc = lightClip.xy / lightClip.w;
  vec2 mapUv = vec2(0.5 * ndc.x + 0.5, 0.5 - 0.5 * ndc.y);
  if (any(lessThan(mapUv, vec2(0.0))) || any(greaterThan(mapUv, vec2(1.0)))) return 1.0;
  const float texel = 1.0 / 512.0;
  float lit = 0.0;
  for (int i = 0; i < 4; ++i) {
    vec2 tap = mapUv + (vec2(i % 2, i / 2) - 0.5) * texel;
    float occluder = texture(g_txShadow, tap).r * 60000.0;
    lit += lightClip.w > occluder * 1.002 + 0.3 ? 0.0 : 0.25;
  }
  return lit;
}

void main() {
  vec3 toLight = g_vLightPos.xyz - viewPos;
  float inCone = dot(normalize(-toLight), normalize(g_vLightDir.xyz)) > g_fCosTheta ? 1.0 : 0.0;
  float diffuse = max(dot(normalize(viewNormal), normalize(toLight)), 0.0) * inCone * Unshadowed();
  vec3 base = Ground() * g_vMaterial.rgb;
  colour = vec4(base * (g_vLightAmbient.rgb + g_vLightDiffuse.rgb * diffuse), 1.0);
}
>>>

technique RenderScene {
  pass p0 {
    VertexShader = ground_vs;
    FragmentShader = ground_fs;
  }
}
