// "BaseVertexShader": all lighting in the vertex stage (directional diffuse,
// ambient and a Blinn-Phong highlight); the fragment stage only applies the
// colour map. For distant or dense meshes where per-pixel light is wasted.

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4   mDiffuse = {1, 1, 1, 1};
float4   mSpecular = {0, 0, 0, 1};
float    mPower = 32;
float4x4 worldViewProj;
float4x4 world;
float4x4 worldInverseTranspose;
float4   vecEye;
float4   lightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.3, 0.3, 0.3, 1};

vertexshader base_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 worldViewProj;
uniform mat4 world;
uniform mat4 worldInverseTranspose;
uniform vec4 mDiffuse;
uniform vec4 mSpecular;
uniform float mPower;
uniform vec4 vecEye;
uniform vec4 lightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
out vec4 shade;
out vec3 highlight;
out vec2 uv;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  vec3 n = normalize(mat3(worldInverseTranspose) * NORMAL);
  vec3 l = -normalize(lightDir.xyz);
  vec3 e = normalize(vecEye.xyz - (world * vec4(POSITION, 1.0)).xyz);
  float diffuse = max(dot(n, l), 0.0);
  float spec = diffuse > 0.0 ? pow(max(dot(n, normalize(l + e)), 0.0), max(mPower, 1.0)) : 0.0;
  shade = vec4(lightAmbient.rgb + mDiffuse.rgb * lightColor.rgb * diffuse, mDiffuse.a);
  highlight = mSpecular.rgb * lightColor.rgb * spec;
  uv = TEXCOORD0;
}
>>>

fragmentshader base_fs <<<
#version 330 core
uniform sampler2D Dtex;
in vec4 shade;
in vec3 highlight;
in vec2 uv;
out vec4 colour;
void main() {
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  colour = vec4(tex.rgb * shade.rgb + highlight, tex.a * shade.a);
}
>>>

technique base {
  pass p0 {
    VertexShader = base_vs;
    FragmentShader = base_fs;
  }
}
