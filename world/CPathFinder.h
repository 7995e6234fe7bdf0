#pragma once
// A* path search for walking characters over a byte walkability map: a
// binary-heap open list, step costs 10 straight and 14 diagonal, no cutting
// of corners, and the Manhattan distance times 10 as the estimate (quick, but
// it does not promise the shortest path). Each character keeps its path in
// a path slot of its own (SlotForCharacterId).
//
// A search allocates nothing but its slot's points: the per-cell lists are
// made stale by moving a marker by 2 per search instead of clearing them. A
// target in another part of the map than the start is known unreachable
// without a search.
#include <cstddef>
#include <cstdint>
#include <vector>

class CPathFinder {
 public:
  // Search results and path states.
  static constexpr int32_t kNotStarted = 0;
  static constexpr int32_t kFound = 1;
  static constexpr int32_t kNonexistent = 2;
  // Values of the walkability map.
  static constexpr uint8_t kWalkable = 0;
  static constexpr uint8_t kUnwalkable = 1;
  // Path slots 0..kSlotCount.
  static constexpr int32_t kSlotCount = 20000;
  // Visitors' ids start here and their slots lie from here to kSlotCount.
  static constexpr int32_t kFirstVisitorId = 5000;
  // The marker is reset once it passes this, so that it never overflows.
  static constexpr int32_t kMarkerLimit = 1000000;
  static constexpr int32_t kFirstMarker = 10;

  // A map of width x height cells, all walkable.
  CPathFinder(int32_t width, int32_t height);

  int32_t GetWidth() const { return m_width; }
  int32_t GetHeight() const { return m_height; }

  // The slot of a character: ids 0..kSlotCount are their own slot; visitor
  // ids past it wrap round within the visitors' slots, so they never take the
  // slot of a park character or of staff. -1 (no slot) for negative ids.
  static int32_t SlotForCharacterId(int32_t id);

  // flag 1 makes the cell walkable, 0 unwalkable. Cells outside the map are
  // ignored.
  void SetWalkable(int32_t x, int32_t y, int32_t flag);
  // False for cells outside the map.
  bool IsWalkable(int32_t x, int32_t y) const;

  // kFound or kNonexistent, also stored as the slot's path status. A start
  // equal to the target is found with an empty path that ReadPath reports as
  // arrived at. An unwalkable target points the slot at the start. A start or
  // target outside the map gives kNonexistent; so does a slot outside
  // 0..kSlotCount, which is left untouched.
  int32_t FindPath(int32_t slot, int32_t startX, int32_t startY, int32_t targetX, int32_t targetY);

  // Moves the slot's point (GetXPath, GetYPath) on along its path once the
  // walker at (currentX, currentY) has come within reach of it on both axes.
  // True when the last point of the path is the one headed for (an empty
  // path is arrived at at once). A slot without a found path heads for the
  // current position.
  bool ReadPath(int32_t slot, int32_t currentX, int32_t currentY, int32_t reach);

  int32_t GetXPath(int32_t slot) const;
  int32_t GetYPath(int32_t slot) const;
  // Point n (1-based) of the slot's path; 0 for n outside 1..length or a bad
  // slot.
  int32_t ReadPathX(int32_t slot, int32_t n) const;
  int32_t ReadPathY(int32_t slot, int32_t n) const;

  int32_t GetPathLength(int32_t slot) const;
  int32_t GetPathLocation(int32_t slot) const;
  int32_t GetPathStatus(int32_t slot) const;
  void SetPathStatus(int32_t slot, int32_t status);

  int32_t GetClosedListMarker() const { return m_closedMarker; }

 private:
  static constexpr int32_t kStraightCost = 10;
  static constexpr int32_t kDiagonalCost = 14;
  static constexpr int32_t kTileSize = 1;
  // The eight neighbours in the order a search visits them: row above,
  // own row, row below, each from left to right.
  struct Neighbour {
    int32_t dx, dy, cost;
  };
  static constexpr int kNeighbourCount = 8;
  static constexpr Neighbour kNeighbours[kNeighbourCount] = {
      {-1, -1, kDiagonalCost}, {0, -1, kStraightCost}, {1, -1, kDiagonalCost}, {-1, 0, kStraightCost},
      {1, 0, kStraightCost},   {-1, 1, kDiagonalCost}, {0, 1, kStraightCost},  {1, 1, kDiagonalCost}};

  struct Slot {
    int32_t length = 0;
    int32_t location = 0;
    int32_t status = kNotStarted;
    int32_t xPath = 0;
    int32_t yPath = 0;
    std::vector<int32_t> bank;  // length (x, y) pairs, first step first
  };
  // Per cell: the marker of the search that last put it on the open or the
  // closed list, its cost so far, its parent cell and its open item.
  struct CellState {
    int32_t which = 0;
    int32_t g = 0;
    int32_t parent = 0;
    int32_t item = 0;
  };
  // The open list is a binary heap of items at positions 1..m_openCount,
  // each entry with the item's total estimated cost.
  struct HeapEntry {
    int32_t f = 0;
    int32_t item = 0;
  };
  struct OpenItem {
    int32_t cell = 0;
    int32_t h = 0;
    int32_t position = 0;
  };

  bool InMap(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  int32_t Cell(int32_t x, int32_t y) const { return y * m_width + x; }
  static bool ValidSlot(int32_t slot) { return slot >= 0 && slot <= kSlotCount; }
  bool Blocked(int32_t x, int32_t y) const { return m_walkability[size_t(Cell(x, y))] == kUnwalkable; }

  // Whether the target lies in a part of the map that the start reaches: a
  // search that cannot succeed is not run. The parts are labelled again
  // after the map changed.
  bool MayReach(int32_t startX, int32_t startY, int32_t targetX, int32_t targetY);
  void LabelComponents();
  // Per cell, the neighbours a step may go to (bits in kNeighbours order).
  void BuildMoves();
  // Labels the parts and builds the moves again once the map changed.
  void RefreshMap();
  void StartSearch();
  bool Search(int32_t start, int32_t target, int32_t targetX, int32_t targetY);
  void ExpandNeighbours(int32_t parent, int32_t targetX, int32_t targetY);
  void AddOrImprove(int32_t x, int32_t y, int32_t parent, int32_t g, int32_t targetX, int32_t targetY);
  void Place(int32_t position, const HeapEntry& entry);
  void PopFirst();
  void RiseFrom(int32_t position, bool whileEqual);
  void StorePath(Slot& slot, int32_t start, int32_t target);
  int32_t PointCoordinate(const Slot& slot, int32_t n, int32_t axis) const;

  int32_t m_width;
  int32_t m_height;
  int32_t m_closedMarker = kFirstMarker;
  int32_t m_openMarker = kFirstMarker - 1;
  std::vector<uint8_t> m_walkability;
  std::vector<CellState> m_cells;
  // Per cell: the 4-connected part of the walkable map it belongs to (0
  // when blocked), and its legal steps.
  std::vector<int32_t> m_component;
  std::vector<uint8_t> m_moves;
  bool m_mapStale = true;
  std::vector<HeapEntry> m_heap;
  std::vector<OpenItem> m_items;
  int32_t m_openCount = 0;
  int32_t m_newItemId = 0;
  std::vector<Slot> m_slots;
};
