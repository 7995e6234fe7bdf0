// "BumpRefl": bump mapping with a reflection. BumpMapTex is a tangent-space
// normal map (rgb = normal x 0.5 + 0.5); the colour map is lit by the
// direction in vecLightDir with ambient and a highlight, and a sphere-mapped
// ReflectionMapTex, when one is bound, is added along the reflected view
// ray, more at grazing angles. Tangents come with the mesh; the binormal is
// made from normal and tangent.

float4x4 WorldViewProj;
float4x4 World;
float4x4 ViewInv;
float4   vecLightDir = {0, -0.919145, 0.393919, 0};
texture  ColorMapTex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  BumpMapTex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  ReflectionMapTex { AddressU = Clamp; AddressV = Clamp; MinFilter = Linear; MagFilter = Linear; };

vertexshader bump_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
in vec3 TANGENT;
uniform mat4 WorldViewProj;
uniform mat4 World;
out vec3 worldPos;
out vec3 worldNormal;
out vec3 worldTangent;
out vec2 uv;
void main() {
  gl_Position = WorldViewProj * vec4(POSITION, 1.0);
  worldPos = (World * vec4(POSITION, 1.0)).xyz;
  worldNormal = mat3(World) * NORMAL;
  worldTangent = mat3(World) * TANGENT;
  uv = TEXCOORD0;
}
>>>

fragmentshader bump_fs <<<
#version 330 core
uniform mat4 ViewInv;
uniform vec4 vecLightDir;
uniform sampler2D ColorMapTex;
uniform sampler2D BumpMapTex;
uniform sampler2D ReflectionMapTex;
in vec3 worldPos;
in vec3 worldNormal;
in vec3 worldTangent;
in vec2 uv;
out vec4 colour;

const vec3 kAmbient = vec3(0.3);
const float kShininess = 32.0;
const float kReflectivity = 0.35;

// The surface normal in world space, bent by the normal map; a mesh without
// usable tangents or a missing map keeps the plain normal.
vec3 BumpedNormal() {
  vec3 n = normalize(worldNormal);
  vec3 t = worldTangent - n * dot(n, worldTangent);
  if (textureSize(BumpMapTex, 0).x == 0 || dot(t, t) < 1e-12) return n;
  t = normalize(t);
  vec3 b = cross(n, t);
  vec3 bump = texture(BumpMapTex, uv).rgb * 2.0 - 1.0;
  return normalize(mat3(t, b, n) * bump);
}

void main() {
  vec4 tex = textureSize(ColorMapTex, 0).x > 0 ? texture(ColorMapTex, uv) : vec4(1.0);
  vec3 n = BumpedNormal();
  vec3 l = -normalize(vecLightDir.xyz);
  // The eye is the fourth row of the inverse view.
  vec3 e = normalize(ViewInv[3].xyz - worldPos);
  float diffuse = max(dot(n, l), 0.0);
  float highlight = diffuse > 0.0 ? pow(max(dot(n, normalize(l + e)), 0.0), kShininess) : 0.0;
  vec3 lit = tex.rgb * (kAmbient + diffuse) + vec3(0.4 * highlight);
  if (textureSize(ReflectionMapTex, 0).x > 0) {
    vec3 r = reflect(-e, n);
    float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
    vec2 sphereUv = vec2(r.x, -r.y) / max(m, 1e-4) + 0.5;
    float fresnel = kReflectivity + (1.0 - kReflectivity) * pow(1.0 - max(dot(n, e), 0.0), 5.0);
    lit = mix(lit, texture(ReflectionMapTex, sphereUv).rgb, fresnel * kReflectivity);
  }
  colour = vec4(lit, tex.a);
}
>>>

technique BumpMap {
  pass p0 {
    VertexShader = bump_vs;
    FragmentShader = bump_fs;
  }
}
