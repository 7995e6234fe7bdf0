/* passes with states only */
float4x4 FinalTransforms[35];
int NumVertInfluences = 2;
bool ghost = false;
technique a { pass p0 { AlphaBlendEnable = true; SrcBlend = SrcAlpha; DestBlend = InvSrcAlpha; } }
technique b {
  pass p0 { AlphaRef = 0xA0; AlphaFunc = GreaterEqual; PointSize = 2.5; }
  pass p1 { ZWriteEnable = false; StencilFail = Keep; }
}
