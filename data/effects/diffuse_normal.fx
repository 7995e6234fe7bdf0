// "DiffNormal": untextured surfaces shaded by their normals under one
// directional light with ambient. Without lights the engine sets no light
// values, so the initial values below are a plain light from above.

float4x4 worldViewProj;
float4x4 world;
float4   vecLightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.3, 0.3, 0.3, 1};

vertexshader diffuse_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
uniform mat4 worldViewProj;
uniform mat4 world;
out vec3 worldNormal;
void main() {
  gl_Position = worldViewProj * vec4(POSITION, 1.0);
  worldNormal = mat3(world) * NORMAL;
}
>>>

fragmentshader diffuse_fs <<<
#version 330 core
uniform vec4 vecLightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
in vec3 worldNormal;
out vec4 colour;
void main() {
  float diffuse = max(dot(normalize(worldNormal), -normalize(vecLightDir.xyz)), 0.0);
  colour = vec4(lightAmbient.rgb + lightColor.rgb * diffuse, 1.0);
}
>>>

technique diffuse {
  pass p0 {
    VertexShader = diffuse_vs;
    FragmentShader = diffuse_fs;
  }
}
