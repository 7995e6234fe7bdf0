technique t {
 pass p {
  VertexShader = missing;
 }
}
