// "Default_shadow": shadow mapping from light 0 on the 512 x 512 float
// shadow map.
//   RenderShadow, RenderShadowTransparency    draw the casters as seen from
//       the light (g_mWorldView = world x light view, g_mProj = light
//       projection) and store their distance from the light; the
//       transparent form leaves out texels below the alpha reference 160
//   RenderScene, RenderSceneTransparency      draw the scene from the camera
//       (g_mWorldView = world x view): a point is lit by the spot light when
//       it lies inside its cone (g_fCosTheta) and nothing in the shadow map
//       is nearer to the light; the transparent form (footpaths, foliage)
//       blends by the colour map's alpha, both faces drawn, and writes no
//       depth, so its clear texels hide nothing behind them.
// Light position and direction arrive in view space.
//
// The map holds the light-view distance / 60000: casters up to the far
// plane (10000) stay below 1/6, so a map cleared to the scene's grey
// (0.196) or to white reads as "nothing in front".

float4   g_vMaterial = {1, 1, 1, 1};
texture  g_txScene { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  g_txShadow { MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; };
float4   g_vLightDiffuse = {1, 1, 1, 1};
float4   g_vLightAmbient = {0.5, 0.5, 0.5, 1};
float    g_fCosTheta = 0.707107;
float4   g_vLightPos;
float4   g_vLightDir = {0, 0, 1, 0};
float4x4 g_mWorldView;
float4x4 g_mProj;
float4x4 g_mViewToLightProj;

vertexshader caster_vs <<<
#version 330 core
in vec3 POSITION;
in vec2 TEXCOORD0;
uniform mat4 g_mWorldView;
uniform mat4 g_mProj;
out float lightDepth;
out vec2 uv;
void main() {
  vec4 lightView = g_mWorldView * vec4(POSITION, 1.0);
  gl_Position = g_mProj * lightView;
  lightDepth = lightView.z;
  uv = TEXCOORD0;
}
>>>

fragmentshader caster_fs <<<
#version 330 core
in float lightDepth;
out vec4 colour;
void main() { colour = vec4(lightDepth / 60000.0); }
>>>

fragmentshader caster_cutout_fs <<<
#version 330 core
uniform sampler2D g_txScene;
in float lightDepth;
in vec2 uv;
out vec4 colour;
void main() {
  if (textureSize(g_txScene, 0).x > 0 && texture(g_txScene, uv).a < 160.0 / 255.0) discard;
  colour = vec4(lightDepth / 60000.0);
}
>>>

vertexshader scene_vs <<<
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

fragmentshader scene_fs <<<
#version 330 core
uniform vec4 g_vMaterial;
uniform sampler2D g_txScene;
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

// 1 where the light reaches the point, 0 where a caster is in front.
float Unshadowed() {
  if (lightClip.w <= 0.0) return 0.0;
  vec2 ndc = lightClip.xy / lightClip.w;
  vec2 mapUv = vec2(0.5 * ndc.x + 0.5, 0.5 - 0.5 * ndc.y);
  if (any(lessThan(mapUv, vec2(0.0))) || any(greaterThan(mapUv, vec2(1.0)))) return 1.0;
  float occluder = texture(g_txShadow, mapUv).r * 60000.0;
  // A caster's own surface is not in front of itself.
  return lightClip.w > occluder * 1.002 + 0.3 ? 0.0 : 1.0;
}

void main() {
  vec4 tex = textureSize(g_txScene, 0).x > 0 ? texture(g_txScene, uv) : vec4(1.0);
  vec3 toLight = g_vLightPos.xyz - viewPos;
  float inCone = dot(normalize(-toLight), normalize(g_vLightDir.xyz)) > g_fCosTheta ? 1.0 : 0.0;
  vec3 n = normalize(viewNormal);
  float diffuse = max(dot(n, normalize(toLight)), 0.0) * inCone * Unshadowed();
  vec4 base = tex * g_vMaterial;
  colour = vec4(base.rgb * (g_vLightAmbient.rgb + g_vLightDiffuse.rgb * diffuse), base.a);
}
>>>

technique RenderScene {
  pass p0 {
    VertexShader = scene_vs;
    FragmentShader = scene_fs;
  }
}

technique RenderSceneTransparency {
  pass p0 {
    AlphaBlendEnable = true;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
    CullMode = None;
    ZWriteEnable = false;
    VertexShader = scene_vs;
    FragmentShader = scene_fs;
  }
}

technique RenderShadow {
  pass p0 {
    AlphaBlendEnable = false;
    VertexShader = caster_vs;
    FragmentShader = caster_fs;
  }
}

technique RenderShadowTransparency {
  pass p0 {
    AlphaBlendEnable = false;
    CullMode = None;
    VertexShader = caster_vs;
    FragmentShader = caster_cutout_fs;
  }
}
