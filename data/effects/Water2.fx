// "Water2": the park's water. Two noise maps scroll over the surface (their
// offsets g_fNoise1OffsetUV and g_fNoise2OffsetUV move each frame): their
// du/dv maps (red, green = offset x 0.5 + 0.5) shift where the reflection
// and refraction images are read, and their tangent-space normal maps ripple
// the surface for the Fresnel mix of the two images and for light 0's
// highlight. Both images are read in screen space: the water passes render
// them from the same camera (the reflection mirrored at the water plane);
// still images bound in their place work the same way.
// The water vertex carries its own tangent and binormal.

texture  g_texNoise1DUDV { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  g_texNoise2DUDV { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  g_texNoise1Normals { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  g_texNoise2Normals { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  g_texRefraction { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; };
texture  g_texReflection { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; };
float4x4 g_matWorldViewProj;
float4x4 g_matWorld;
float2   g_fNoise1OffsetUV;
float2   g_fNoise2OffsetUV;
float4   g_vEyePos;
float4   g_vLightDir = {0, -1, 0, 0};
float4   g_cLightDiffuse = {0.9, 0.9, 0.85, 1};
float4   g_cLightAmbient = {0.9, 0.9, 0.85, 1};

vertexshader water_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
in vec3 TANGENT;
in vec3 BINORMAL;
uniform mat4 g_matWorldViewProj;
uniform mat4 g_matWorld;
out vec4 clip;
out vec3 worldPos;
out vec3 worldNormal;
out vec3 worldTangent;
out vec3 worldBinormal;
out vec2 uv;
void main() {
  clip = g_matWorldViewProj * vec4(POSITION, 1.0);
  gl_Position = clip;
  worldPos = (g_matWorld * vec4(POSITION, 1.0)).xyz;
  worldNormal = mat3(g_matWorld) * NORMAL;
  worldTangent = mat3(g_matWorld) * TANGENT;
  worldBinormal = mat3(g_matWorld) * BINORMAL;
  uv = TEXCOORD0;
}
>>>

fragmentshader water_fs <<<
#version 330 core
uniform sampler2D g_texNoise1DUDV, g_texNoise2DUDV, g_texNoise1Normals, g_texNoise2Normals;
uniform sampler2D g_texRefraction, g_texReflection;
uniform vec2 g_fNoise1OffsetUV, g_fNoise2OffsetUV;
uniform vec4 g_vEyePos;
uniform vec4 g_vLightDir;
uniform vec4 g_cLightDiffuse;
uniform vec4 g_cLightAmbient;
in vec4 clip;
in vec3 worldPos;
in vec3 worldNormal;
in vec3 worldTangent;
in vec3 worldBinormal;
in vec2 uv;
out vec4 colour;

const float kDistortion = 0.025;
const vec3 kDeepWater = vec3(0.08, 0.22, 0.27);

// Frame vectors the mesh left empty fall back to a level surface's.
vec3 Axis(vec3 v, vec3 fallback) { return dot(v, v) > 1e-12 ? normalize(v) : fallback; }

void main() {
  // The two layers scroll against each other at different scales.
  vec2 uv1 = uv + g_fNoise1OffsetUV;
  vec2 uv2 = uv * 1.37 - g_fNoise2OffsetUV.yx;
  vec2 dudv = (texture(g_texNoise1DUDV, uv1).rg + texture(g_texNoise2DUDV, uv2).rg) - 1.0;
  vec3 ripple = texture(g_texNoise1Normals, uv1).rgb + texture(g_texNoise2Normals, uv2).rgb - 1.0;

  vec3 n = Axis(worldNormal, vec3(0.0, 1.0, 0.0));
  vec3 t = Axis(worldTangent, vec3(1.0, 0.0, 0.0));
  vec3 b = Axis(worldBinormal, vec3(0.0, 0.0, -1.0));
  vec3 surface = Axis(t * ripple.x + b * ripple.y + n * max(ripple.z, 0.2), n);

  vec2 ndc = clip.xy / clip.w;
  vec2 screenUv = clamp(vec2(0.5 * ndc.x + 0.5, 0.5 - 0.5 * ndc.y) + dudv * kDistortion, 0.001, 0.999);
  vec3 refraction = mix(texture(g_texRefraction, screenUv).rgb, kDeepWater, 0.3);
  vec3 reflection = texture(g_texReflection, screenUv).rgb;

  vec3 e = Axis(g_vEyePos.xyz - worldPos, n);
  float fresnel = 0.05 + 0.95 * pow(1.0 - max(dot(surface, e), 0.0), 5.0);
  vec3 l = -Axis(g_vLightDir.xyz, vec3(0.0, -1.0, 0.0));
  float diffuse = max(dot(surface, l), 0.0);
  float highlight = pow(max(dot(surface, normalize(l + e)), 0.0), 128.0);
  vec3 base = mix(refraction, reflection, fresnel);
  vec3 lit = base * (0.6 * g_cLightAmbient.rgb + 0.4 * g_cLightDiffuse.rgb * diffuse) +
             g_cLightDiffuse.rgb * highlight;
  colour = vec4(lit, 1.0);
}
>>>

technique ReflectionRefractionSpecular {
  pass p0 {
    VertexShader = water_vs;
    FragmentShader = water_fs;
  }
}
