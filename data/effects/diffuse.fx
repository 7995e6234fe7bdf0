// "Default": textured surfaces lit per pixel by one directional light with
// ambient and a Blinn-Phong highlight in the material's specular colour.
// Static meshes (position, normal, two texture coordinates, tangent) and the
// footpath preview tile draw with it.

texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4   mDiffuse = {1, 1, 1, 1};
float4   mSpecular = {0, 0, 0, 1};
float    mPower = 90;
float4x4 worldViewProj;
float4x4 world;
float4x4 worldInverseTranspose;
float4x4 viewInverse;
float4   lightDir = {0, -1, 0, 0};
float4   lightColor = {1, 1, 1, 1};
float4   lightAmbient = {0.3, 0.3, 0.3, 1};

vertexshader textured_vs <<<
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

fragmentshader textured_fs <<<
#version 330 core
uniform sampler2D Dtex;
uniform vec4 mDiffuse;
uniform vec4 mSpecular;
uniform float mPower;
uniform mat4 viewInverse;
uniform vec4 lightDir;
uniform vec4 lightColor;
uniform vec4 lightAmbient;
in vec3 worldPos;
in vec3 worldNormal;
in vec2 uv;
out vec4 colour;
void main() {
  // A colour map that failed to load leaves the surface in its material colour.
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  vec3 n = normalize(worldNormal);
  vec3 l = -normalize(lightDir.xyz);
  // The camera sits in the fourth row of the inverse view.
  vec3 e = normalize(viewInverse[3].xyz - worldPos);
  float diffuse = max(dot(n, l), 0.0);
  float highlight = diffuse > 0.0 ? pow(max(dot(n, normalize(l + e)), 0.0), max(mPower, 1.0)) : 0.0;
  vec3 lit = tex.rgb * (lightAmbient.rgb + mDiffuse.rgb * lightColor.rgb * diffuse) +
             mSpecular.rgb * lightColor.rgb * highlight;
  colour = vec4(lit, tex.a * mDiffuse.a);
}
>>>

technique textured {
  pass p0 {
    VertexShader = textured_vs;
    FragmentShader = textured_fs;
  }
}
