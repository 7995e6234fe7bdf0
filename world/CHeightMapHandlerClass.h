#pragma once
// The park's land: a grey-scale height map turned into a smoothed grid of
// vertices over x and z from -512 to 512, with ground heights at any point
// and the terrain point under a ray; and the 128 by 128 grid of 4-unit cells
// over -256..256 that records footpaths, litter, placed objects and planted
// objects, and keeps the path finder's walkability in step with the paths.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"
#include "world/CLandscapeCell.h"
#include "world/CellGridLinks.h"

namespace plat {
class Texture;
}
class SceneStream;
class ZOdevuvGameObject;
class ZOdevuvTexture;

class CHeightMapHandlerClass {
 public:
  static constexpr int32_t kCellsPerSide = 128;
  static constexpr int32_t kCellCount = kCellsPerSide * kCellsPerSide;
  static constexpr float kCellSize = 4.0f;
  static constexpr float kGridHalfExtent = 256.0f;
  static constexpr float kLandHalfExtent = 512.0f;
  // The park's height map, a game path.
  static constexpr const char* kHeightMapFile = "images\\heightmaps\\PK_heightmap.dds";
  // The height map is square and at least this many texels on a side.
  static constexpr int32_t kMinImageSide = 2;

  struct TerrainVertex {
    plat::Vec3 position;
    plat::Vec3 normal;
  };

  CHeightMapHandlerClass();
  ~CHeightMapHandlerClass();
  CHeightMapHandlerClass(const CHeightMapHandlerClass&) = delete;
  CHeightMapHandlerClass& operator=(const CHeightMapHandlerClass&) = delete;

  // Loads the height-map image (a game path) through the engine's texture,
  // after freeing what an earlier load left. Images that are not square, that
  // are smaller than kMinImageSide or that are not 32-bit are refused with a
  // message on the debugger output; false then, with nothing loaded.
  bool LoadHeightMap(const char* fileName);
  // Stores the base folder, reads the heights from the loaded image and
  // builds the cells and the vertex grid.
  void Init(const EngineString& baseFolder);
  // Samples from the image's texels (mean of red, green and blue, the image's
  // last row first), then smoothed in place by a 3 x 3 mean.
  void ComputeHeights();
  // A fresh cell grid, then the vertex grid from the samples.
  void InitCells();

  // The ground height at world x, z (y is ignored); 0 off the land and on its
  // last row and column, which have no quad.
  float GetHeight(const plat::Vec3& point) const;
  // The terrain point (whole numbers, truncated toward zero) under the ray,
  // searched in a window of quads around where the ray crosses y = 0.
  bool Pick(float originX, float originY, float originZ, float directionX, float directionY, float directionZ,
            plat::Vec3& out) const;
  void Release();

  const EngineString& GetBaseFolder() const { return m_baseFolder; }
  int32_t GetColumns() const { return m_columns; }
  int32_t GetRows() const { return m_rows; }
  const std::vector<float>& GetSamples() const { return m_samples; }
  const std::vector<TerrainVertex>& GetVertices() const { return m_vertices; }

  // Cells. (i, j) counts along x and z; every operation ignores cells
  // outside 0..127 (false, or nothing done).
  static bool WorldToCell(float x, float y, float z, int32_t& i, int32_t& j);
  // Sets the links and brings the path finder's map in step with the grid.
  void SetCellGridLinks(CellGridLinks links);
  const CellGridLinks& GetCellGridLinks() const { return m_links; }

  bool GetCell(int32_t i, int32_t j, CLandscapeCell& out) const;
  bool GetCellPosition(int32_t i, int32_t j, plat::Vec3& out) const;
  bool GetCellObjectId(int32_t i, int32_t j, int32_t& id) const;
  void SetCellObjectId(int32_t i, int32_t j, int32_t id);
  bool IsPathCell(int32_t i, int32_t j) const;
  // True for any point over the grid; out is the cell's centre when the
  // cell's bounds contain the point.
  bool GetCellAtWorld(float x, float y, float z, plat::Vec3& out) const;
  void SetCellLayer(int32_t i, int32_t j, int n, uint16_t value);
  void SetCellLayerAndAddObject(int32_t i, int32_t j, int n, uint16_t value, const CAttraction* object);
  void SetCellName(float x, float y, float z, const char* name);
  // The planted object with the lowest fill value below 1000, or null.
  CAttraction* GetLowestObjectInCell(int32_t i, int32_t j) const;

  // Paths: the counters change only when a cell really becomes or stops
  // being a path or tool cell, so they always equal a recount.
  // type is kTypePath or kTypePathSecondStyle; the cell becomes walkable.
  void AddPathCell(int32_t i, int32_t j, uint16_t type);
  // Path and tool cells become empty, clean and unwalkable.
  void RemovePathCell(int32_t i, int32_t j);
  // A tool cell: counted as path, not walkable.
  void AddType2Cell(int32_t i, int32_t j);

  // Litter (layer 1). A change of a path cell's litter rebuilds the footpaths.
  bool DropLitterAt(float x, float y, float z);
  void DropLitterInCell(int32_t i, int32_t j);
  bool CleanLitterAt(float x, float y, float z);
  bool IsCellLittered(int32_t i, int32_t j) const;

  // Sets the counters from the grid.
  void RecountPathCells();

  // The grid block of the saved scene: every cell, i outer and j inner.
  void SaveCells(SceneStream& stream) const;
  // Reads a block written by SaveCells. At the first stream error the read
  // ends, false, with the grid as it was; otherwise the grid is replaced, the
  // path finder follows its paths and the counters are recounted.
  bool LoadCells(SceneStream& stream);

  // --- Drawing the land (CHeightMapHandlerClassRender.cpp) ----------------
  // Five tiled layer textures blended through four alpha maps that span the
  // land once.
  static constexpr int kLayerCount = 5;
  static constexpr int kAlphaMapCount = 4;
  static constexpr int32_t kAlphaMapSide = 512;
  static constexpr float kDefaultTextureScale = 50.0f;
  // The five layers from the base folder; the four alpha maps blank until
  // LoadAlphaMaps. Init calls it.
  void LoadLayerTextures();
  // Replaces the four alpha maps with the files below the folder (a scene
  // load calls it again). A file that cannot be read leaves its map null.
  void LoadAlphaMaps(const EngineString& baseFolder);
  // Draws the base-map model with the "Landscape" effect, lit by light 0 (or
  // the fixed sun without lights) and shaded by the shadow map. Nothing
  // without the effect or the model.
  void Render(const ZOdevuvGameObject* baseMap) const;
  // How many times each layer repeats over the land.
  void SetTextureScale(float scale) { m_textureScale = scale; }
  float GetTextureScale() const { return m_textureScale; }
  const std::shared_ptr<plat::Texture>& GetLayerTexture(int n) const { return m_layerTextures[n]; }
  const std::shared_ptr<plat::Texture>& GetAlphaMap(int n) const { return m_alphaMaps[n]; }
  void ReleaseLandTextures();

 private:
  static bool InGrid(int32_t i, int32_t j) { return i >= 0 && j >= 0 && i < kCellsPerSide && j < kCellsPerSide; }
  CLandscapeCell* CellAt(int32_t i, int32_t j);
  const CLandscapeCell* CellAt(int32_t i, int32_t j) const;
  void MarkWalkable(int32_t i, int32_t j, bool walkable);
  void SyncWalkability();
  void AddCounted(CLandscapeCell& cell);
  void SetLitter(int32_t i, int32_t j, uint16_t state);
  void CountLitter(int32_t change);

  bool CheckImage(const ZOdevuvTexture& texture, const char* fileName) const;
  void FreeHeightMap();
  void BuildVertices();
  void ComputeNormals();
  float VertexY(int32_t c, int32_t r) const { return m_vertices[size_t(r) * m_columns + c].position.y; }
  const plat::Vec3& VertexAt(int32_t c, int32_t r) const { return m_vertices[size_t(r) * m_columns + c].position; }
  bool HitTriangle(int32_t c0, int32_t r0, int32_t c1, int32_t r1, int32_t c2, int32_t r2, const plat::Vec3& origin,
                   const plat::Vec3& end, plat::Vec3& hit) const;

  EngineString m_baseFolder;
  std::unique_ptr<ZOdevuvTexture> m_heightMapTexture;
  int32_t m_imageWidth = 0;
  int32_t m_imageHeight = 0;
  int32_t m_columns = 0;
  int32_t m_rows = 0;
  std::vector<float> m_samples;
  std::vector<TerrainVertex> m_vertices;
  std::vector<CLandscapeCell> m_cells;
  CellGridLinks m_links;
  std::shared_ptr<plat::Texture> m_layerTextures[kLayerCount];
  std::shared_ptr<plat::Texture> m_alphaMaps[kAlphaMapCount];
  float m_textureScale = kDefaultTextureScale;
};
