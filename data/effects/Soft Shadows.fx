// "SoftShadow": the shadow mapping of "Default_shadow" with soft edges:
// twelve shadow-map taps over a small disc per pixel, and a spot cone whose
// rim fades. Same techniques, parameters and shadow-map contents:
//   RenderShadow, RenderShadowTransparency    store the casters' distance
//       from the light (/ 60000, see "Default_shadow"); the transparent form
//       leaves out texels below the alpha reference 160
//   RenderScene, RenderSceneTransparency      the lit scene from the camera;
//       the transparent form blends by alpha, both faces, no depth writes.

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

// The share of twelve shadow-map taps, spread over a disc of about two
// texels, that no caster hides: shadow edges fade instead of stepping.
float Unshadowed() {
  if (lightClip.w <= 0.0) return 0.0;
  vec2 ndc = lightClip.xy / lightClip.w;
  vec2 mapUv = vec2(0.5 * ndc.x + 0.5, 0.5 - 0.5 * ndc.y);
  if (any(lessThan(mapUv, vec2(0.0))) || any(greaterThan(mapUv, vec2(1.0)))) return 1.0;
  const vec2 disc[12] = vec2[12](vec2(-0.326, -0.406), vec2(-0.840, -0.074), vec2(-0.696, 0.457),
                                 vec2(-0.203, 0.621), vec2(0.962, -0.195), vec2(0.473, -0.480),
                                 vec2(0.519, 0.767), vec2(0.185, -0.893), vec2(0.507, 0.064),
                                 vec2(0.896, 0.412), vec2(-0.322, -0.933), vec2(-0.792, -0.598));
  float lit = 0.0;
  for (int i = 0; i < 12; ++i) {
    float occluder = texture(g_txShadow, mapUv + disc[i] * (2.0 / 512.0)).r * 60000.0;
    lit += lightClip.w > occluder * 1.002 + 0.3 ? 0.0 : 1.0 / 12.0;
  }
  return lit;
}

void main() {
  vec4 tex = textureSize(g_txScene, 0).x > 0 ? texture(g_txScene, uv) : vec4(1.0);
  vec3 toLight = g_vLightPos.xyz - viewPos;
  // The cone's rim fades over a narrow band instead of cutting off.
  float cosAngle = dot(normalize(-toLight), normalize(g_vLightDir.xyz));
  float inCone = smoothstep(g_fCosTheta - 0.03, g_fCosTheta + 0.03, cosAngle);
  float diffuse = max(dot(normalize(viewNormal), normalize(toLight)), 0.0) * inCone * Unshadowed();
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
