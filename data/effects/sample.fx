// "Sample": a small example material: textured, with a soft wrapped diffuse
// term (light reaches a little past the terminator) and ambient, so that
// shapes read well even against the light.

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4x4 worldViewProj;
float4x4 world;
float4   lightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.25, 0.25, 0.25, 1};

vertexshader sample_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
uniform mat4 worldViewProj;
uniform mat4 world;
out vec3 worldNormal;
out vec2 uv;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  worldNormal = mat3(world) * NORMAL;
  uv = TEXCOORD0;
}
>>>

fragmentshader sample_fs <<<
#version 330 core
uniform sampler2D Dtex;
uniform vec4 lightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
in vec3 worldNormal;
in vec2 uv;
out vec4 colour;
void main() {
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  float wrapped = dot(normalize(worldNormal), -normalize(lightDir.xyz)) * 0.5 + 0.5;
  colour = vec4(tex.rgb * (lightAmbient.rgb + lightColor.rgb * wrapped * wrapped), tex.a);
}
>>>

technique textured {
  pass p0 {
    VertexShader = sample_vs;
    FragmentShader = sample_fs;
  }
}
