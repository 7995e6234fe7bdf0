// "SpecularMap": textured surfaces whose highlight strength comes from a
// specular (gloss) map: Stex's colour scales the Blinn-Phong highlight of
// light 0 (direction lDir, colour lDiffuse) seen from camPosition.

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
texture  Stex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4x4 matWVP;
float4x4 matWorld;
float4x4 worldInverseTranspose;
float4   lDir = {0, -1, 0, 0};
float4   lDiffuse = {1, 1, 1, 1};
float4   mDiffuse = {1, 1, 1, 1};
float4   mSpecular = {1, 1, 1, 1};
float4   camPosition;
float    mPower = 128;

vertexshader specular_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 matWVP;
uniform mat4 matWorld;
uniform mat4 worldInverseTranspose;
out vec3 worldPos;
out vec3 worldNormal;
out vec2 uv;
void main() {
  gl_Position = matWVP * vec4(POSITION, 1.0);
  worldPos = (matWorld * vec4(POSITION, 1.0)).xyz;
  worldNormal = mat3(worldInverseTranspose) * NORMAL;
  uv = TEXCOORD0;
}
>>>

fragmentshader specular_fs <<<
#version 330 core
uniform sampler2D Dtex;
uniform sampler2D Stex;
uniform vec4 lDir;
uniform vec4 lDiffuse;
uniform vec4 mDiffuse;
uniform vec4 mSpecular;
uniform vec4 camPosition;
uniform float mPower;
in vec3 worldPos;
in vec3 worldNormal;
in vec2 uv;
out vec4 colour;

// No ambient comes with the light: a quarter of the material colour keeps
// the unlit side readable.
const float kAmbient = 0.25;

void main() {
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  vec3 gloss = texture(Stex, uv).rgb;
  vec3 n = normalize(worldNormal);
  vec3 l = -normalize(lDir.xyz);
  vec3 e = normalize(camPosition.xyz - worldPos);
  float diffuse = max(dot(n, l), 0.0);
  float highlight = diffuse > 0.0 ? pow(max(dot(n, normalize(l + e)), 0.0), max(mPower, 1.0)) : 0.0;
  vec3 lit = tex.rgb * mDiffuse.rgb * (kAmbient + lDiffuse.rgb * diffuse) +
             mSpecular.rgb * lDiffuse.rgb * gloss * highlight;
  colour = vec4(lit, tex.a * mDiffuse.a);
}
>>>

technique Specularmapping {
  pass p0 {
    VertexShader = specular_vs;
    FragmentShader = specular_fs;
  }
}
