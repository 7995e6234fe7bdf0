// "DiffOld": the older, cheaper form of "Default": textured, with the
// directional light and ambient computed per vertex (no highlight).

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4   mDiffuse = {1, 1, 1, 1};
float4x4 worldViewProj;
float4x4 worldInverseTranspose;
float4   lightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.3, 0.3, 0.3, 1};

vertexshader vertex_lit_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 worldViewProj;
uniform mat4 worldInverseTranspose;
uniform vec4 mDiffuse;
uniform vec4 lightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
out vec4 shade;
out vec2 uv;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  vec3 n = normalize(mat3(worldInverseTranspose) * NORMAL);
  float diffuse = max(dot(n, -normalize(lightDir.xyz)), 0.0);
  shade = vec4(lightAmbient.rgb + mDiffuse.rgb * lightColor.rgb * diffuse, mDiffuse.a);
  uv = TEXCOORD0;
}
>>>

fragmentshader vertex_lit_fs <<<
#version 330 core
uniform sampler2D Dtex;
in vec4 shade;
in vec2 uv;
out vec4 colour;
void main() {
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  colour = tex * shade;
}
>>>

technique textured {
  pass p0 {
    VertexShader = vertex_lit_vs;
    FragmentShader = vertex_lit_fs;
  }
}
