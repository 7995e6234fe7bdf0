// "Standard": the standard lit material: textured, per-pixel diffuse from one
// directional light with ambient, and a Phong highlight seen from vecEye.

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4   mDiffuse = {1, 1, 1, 1};
float4   mSpecular = {0.2, 0.2, 0.2, 1};
float    mPower = 32;
float4x4 worldViewProj;
float4x4 world;
float4x4 worldInverseTranspose;
float4   vecEye;
float4   lightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.3, 0.3, 0.3, 1};

vertexshader standard_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 worldViewProj;
uniform mat4 world;
uniform mat4 worldInverseTranspose;
out vec3 worldPos;
out vec3 worldNormal;
out vec2 uv;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  worldPos = (world * vec4(POSITION, 1.0)).xyz;
  worldNormal = mat3(worldInverseTranspose) * NORMAL;
  uv = TEXCOORD0;
}
>>>

fragmentshader standard_fs <<<
#version 330 core
uniform sampler2D Dtex;
uniform vec4 mDiffuse;
uniform vec4 mSpecular;
uniform float mPower;
uniform vec4 vecEye;
uniform vec4 lightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
in vec3 worldPos;
in vec3 worldNormal;
in vec2 uv;
out vec4 colour;
void main() {
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  vec3 n = normalize(worldNormal);
  vec3 l = -normalize(lightDir.xyz);
  vec3 e = normalize(vecEye.xyz - worldPos);
  float diffuse = max(dot(n, l), 0.0);
  float highlight = diffuse > 0.0 ? pow(max(dot(reflect(-l, n), e), 0.0), max(mPower, 1.0)) : 0.0;
  vec3 lit = tex.rgb * mDiffuse.rgb * (lightAmbient.rgb + lightColor.rgb * diffuse) +
             mSpecular.rgb * lightColor.rgb * highlight;
  colour = vec4(lit, tex.a * mDiffuse.a);
}
>>>

technique textured {
  pass p0 {
    VertexShader = standard_vs;
    FragmentShader = standard_fs;
  }
}
