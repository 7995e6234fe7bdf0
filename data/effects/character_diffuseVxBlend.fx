// "CharAnim": skinned characters. Each vertex is blended from up to four of
// the 35 palette matrices (BLENDINDICES pick them; the first
// NumVertInfluences - 1 weights come from BLENDWEIGHT, the last is what is
// left to 1), then placed by the world matrix and lit per pixel by one
// directional light with ambient and a highlight.
//   textured        opaque; texels below the draw's alpha reference (160)
//                   are cut out, as hair and leaves are
//   textured_ghost  see-through at mDiffuse's alpha, brighter at the rim,
//                   blended over the scene without writing depth

float4x4 FinalTransforms[35];
int      NumVertInfluences = 1;
texture  Dtex { MinFilter = Linear; MagFilter = Linear; MipFilter = Linear; };
float4   mDiffuse = {1, 0.99, 0.95, 0.5};
float4   mSpecular = {0.1, 0.1, 0.1, 0.5};
float    mPower = 16;
float4x4 worldViewProj;
float4x4 world;
float4x4 worldInverseTranspose;
float4x4 viewInverse;
float4   lightDir = {0, -0.707107, -0.707107, 0};
float4   lightColor = {1, 0.99, 0.95, 1};
float4   lightAmbient = {1, 1, 1, 1};

vertexshader skinned_vs <<<
#version 330 core
in vec3 POSITION;
in vec3 NORMAL;
in vec2 TEXCOORD0;
in vec4 BLENDWEIGHT;
in vec4 BLENDINDICES;
uniform mat4 FinalTransforms[35];
uniform int NumVertInfluences;
uniform mat4 worldViewProj;
uniform mat4 world;
uniform mat4 worldInverseTranspose;
out vec3 worldPos;
out vec3 worldNormal;
out vec2 uv;

mat4 Bone(float index) { return FinalTransforms[clamp(int(index + 0.5), 0, 34)]; }

void main() {
  int influences = clamp(NumVertInfluences, 1, 4);
  vec4 position = vec4(0.0);
  vec3 normal = vec3(0.0);
  float rest = 1.0;
  for (int i = 0; i < influences; ++i) {
    float weight = i == influences - 1 ? rest : BLENDWEIGHT[i];
    rest -= weight;
    mat4 bone = Bone(BLENDINDICES[i]);
    position += weight * (bone * vec4(POSITION, 1.0));
    normal += weight * (mat3(bone) * NORMAL);
  }
  position = vec4(position.xyz, 1.0);
  gl_Position = worldViewProj * position;
  worldPos = (world * position).xyz;
  worldNormal = mat3(worldInverseTranspose) * normal;
  uv = TEXCOORD0;
}
>>>

fragmentshader skinned_fs <<<
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
  vec4 tex = textureSize(Dtex, 0).x > 0 ? texture(Dtex, uv) : vec4(1.0);
  if (tex.a < 160.0 / 255.0) discard;
  vec3 n = normalize(worldNormal);
  vec3 l = -normalize(lightDir.xyz);
  vec3 e = normalize(viewInverse[3].xyz - worldPos);
  float diffuse = max(dot(n, l), 0.0);
  float highlight = diffuse > 0.0 ? pow(max(dot(n, normalize(l + e)), 0.0), max(mPower, 1.0)) : 0.0;
  // The ambient light of a scene without lights is white: halve it so that
  // the lit side still shows.
  vec3 lit = tex.rgb * mDiffuse.rgb * (0.5 * lightAmbient.rgb + lightColor.rgb * diffuse) +
             mSpecular.rgb * lightColor.rgb * highlight;
  colour = vec4(lit, tex.a);
}
>>>

fragmentshader ghost_fs <<<
#version 330 core
uniform sampler2D Dtex;
uniform vec4 mDiffuse;
uniform mat4 viewInverse;
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
  vec3 e = normalize(viewInverse[3].xyz - worldPos);
  float diffuse = max(dot(n, -normalize(lightDir.xyz)), 0.0);
  float rim = 1.0 - abs(dot(n, e));
  vec3 lit = tex.rgb * mDiffuse.rgb * (0.5 * lightAmbient.rgb + lightColor.rgb * diffuse) + vec3(0.6 * rim * rim);
  colour = vec4(lit, clamp(tex.a * mDiffuse.a * (0.6 + 0.8 * rim), 0.0, 1.0));
}
>>>

technique textured {
  pass p0 {
    VertexShader = skinned_vs;
    FragmentShader = skinned_fs;
  }
}

technique textured_ghost {
  pass p0 {
    AlphaTestEnable = false;
    AlphaBlendEnable = true;
    SrcBlend = SrcAlpha;
    DestBlend = InvSrcAlpha;
    ZWriteEnable = false;
    VertexShader = skinned_vs;
    FragmentShader = ghost_fs;
  }
}
