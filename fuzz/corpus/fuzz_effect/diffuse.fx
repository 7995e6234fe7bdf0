float4x4 worldViewProj;
float4 lightDir = {0, -1, 0, 0};
float mPower = 90;
texture Dtex { MinFilter = Linear; AddressU = Wrap; };

vertexshader vs <<<
#version 330 core
in vec3 POSITION;
uniform mat4 worldViewProj;
void main() { gl_Position = worldViewProj * vec4(POSITION, 1.0); }
>>>

fragmentshader fs <<<
#version 330 core
out vec4 colour;
void main() { colour = vec4(1.0); }
>>>

technique textured {
  pass p0 { ZEnable = true; CullMode = CCW; VertexShader = vs; FragmentShader = fs; }
}
