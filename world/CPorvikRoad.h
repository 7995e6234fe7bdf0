#pragma once
// The footpaths drawn over the land: every path cell of the terrain's grid
// becomes one node, a 4 by 4 square laid just above the ground on the
// cell's centre, textured with one tile of an 8 by 8 atlas. The tile shows
// the cell's shape (from its four path neighbours) and its variant (path
// style and litter). All nodes live in one vertex buffer that is rebuilt
// from the grid on every change, never per frame.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/render/MeshVertex.h"
#include "platform/gfx/LightTypes.h"
#include "platform/math/Types.h"

namespace plat {
class Texture;
class VertexBuffer;
class VertexDeclaration;
}  // namespace plat
class CHeightMapHandlerClass;
class SceneStream;

class CPorvikRoad {
 public:
  static constexpr int kVerticesPerNode = 6;
  static constexpr int kAtlasTiles = 8;
  // Half the side of a node's square.
  static constexpr float kHalfSide = 2.0f;
  // How far a node lies above the ground.
  static constexpr float kLift = 0.03f;
  // How far the preview tile lies above the point it is drawn at.
  static constexpr float kPreviewLift = 0.2f;
  // The saved node block holds at most one node per cell.
  static constexpr int32_t kMaxStoredNodes = 16384;
  static constexpr const char* kAtlasFile = "road_2fele.dds";
  static constexpr const char* kSecondFile = "road_2fele_utepit_512.dds";
  static constexpr const char* kRemovalFile = "road_2fele_uttorol_512.dds";
  static constexpr const char* kTextureFolder = "\\images\\layer\\";

  // A 4 by 4 square seen from above, its six corners in template order:
  // (x-2, z+2), (x+2, z+2), (x-2, z-2), (x+2, z+2), (x+2, z-2), (x-2, z-2).
  struct Node {
    plat::Vec3 position;
    int32_t shape = 0;    // 0..10
    int32_t variant = 0;  // 0..3
    std::array<float, kVerticesPerNode> heights{};
  };

  struct Tile {
    int32_t column = 0;
    int32_t row = 0;
  };

  // Loads the textures from the base folder's "\images\layer\" and builds
  // the template square. The terrain is borrowed and must outlive the road.
  CPorvikRoad(const CHeightMapHandlerClass& terrain, const std::string& baseFolder);
  ~CPorvikRoad();
  CPorvikRoad(const CPorvikRoad&) = delete;
  CPorvikRoad& operator=(const CPorvikRoad&) = delete;

  // The shape from which of the left, right, upper and lower neighbours are
  // paths; the variant from the cell's litter and path style.
  static int32_t ShapeOf(bool left, bool right, bool up, bool down);
  static int32_t VariantOf(uint16_t litter, uint16_t type);
  // The atlas tile of a shape and variant: second style 4 columns right,
  // litter 4 rows down.
  static Tile TileOf(int32_t shape, int32_t variant);

  // Rebuilds the nodes and the vertex buffer from the terrain's grid. With
  // no path cell there is no buffer and nothing is drawn.
  void BuildGeometry();
  // The node at a point: its position and six corner heights (ground + lift);
  // shape and variant cleared.
  void SampleQuadHeights(float x, float y, float z, Node& node) const;
  // Writes the node's tile coordinates and heights into the template square.
  void BuildPiece(const Node& node);

  // The saved node block: a count, then per node its position, shape and six
  // heights (the variant is not stored).
  void SaveNodes(SceneStream& stream) const;
  // Reads a block written by SaveNodes (the count bounded to
  // kMaxStoredNodes) only to keep the stream in step, then rebuilds from the
  // grid, which the scene file read before. False at a stream error.
  bool LoadNodes(SceneStream& stream);

  // The whole road in the scene pass, shadow-mapped.
  void DrawShadow();
  // One preview tile under the mouse: the given variant, or the removal
  // texture while paths are being removed.
  void Draw(float x, float y, float z, int32_t variant, bool removing);

  void Release();

  const std::vector<Node>& GetNodes() const { return m_nodes; }
  const std::array<MeshVertex, kVerticesPerNode>& GetTemplate() const { return m_template; }
  int32_t GetVertexCount() const { return m_vertexCount; }
  int32_t GetTriangleCount() const { return m_triangleCount; }
  bool HasVertexBuffer() const { return m_vertexBuffer != nullptr; }
  float GetTileWidth() const { return m_tileWidth; }
  float GetTileHeight() const { return m_tileHeight; }

 private:
  bool IsPathAt(int32_t i, int32_t j) const;
  Node NodeOfCell(int32_t i, int32_t j) const;
  void BuildTemplate();
  void FillVertexBuffer();

  const CHeightMapHandlerClass& m_terrain;
  std::vector<Node> m_nodes;
  plat::Material m_material{};
  std::shared_ptr<plat::Texture> m_atlas;
  std::shared_ptr<plat::VertexDeclaration> m_declaration;
  std::shared_ptr<plat::VertexBuffer> m_vertexBuffer;
  std::shared_ptr<plat::Texture> m_second;
  std::shared_ptr<plat::Texture> m_removal;
  std::array<MeshVertex, kVerticesPerNode> m_template{};
  float m_tileWidth = 1.0f / kAtlasTiles;
  float m_tileHeight = 1.0f / kAtlasTiles;
  Tile m_tile;
  int32_t m_vertexCount = 0;
  int32_t m_triangleCount = 0;
};
