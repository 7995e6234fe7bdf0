#include "world/CPathFinder.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <utility>

namespace {

// Entries of the per-cell and per-item arrays beyond the cells themselves.
constexpr int32_t kSpareEntries = 2;
constexpr int32_t kAxisX = 0;
constexpr int32_t kAxisY = 1;
constexpr int32_t kNoComponent = 0;
constexpr std::pair<int32_t, int32_t> kStraightSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace

CPathFinder::CPathFinder(int32_t width, int32_t height)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_slots(kSlotCount + 1) {
  const size_t cells = size_t(m_width) * size_t(m_height);
  const size_t entries = cells + kSpareEntries;
  m_walkability.assign(cells, kWalkable);
  m_cells.assign(entries, CellState{});
  m_component.assign(entries, 0);
  m_moves.assign(entries, 0);
  m_heap.assign(entries, HeapEntry{});
  m_items.assign(entries, OpenItem{});
}

int32_t CPathFinder::SlotForCharacterId(int32_t id) {
  if (id < 0) return -1;
  if (id <= kSlotCount) return id;
  constexpr int32_t kVisitorSlots = kSlotCount - kFirstVisitorId + 1;
  return kFirstVisitorId + (id - kFirstVisitorId) % kVisitorSlots;
}

void CPathFinder::SetWalkable(int32_t x, int32_t y, int32_t flag) {
  if (!InMap(x, y)) return;
  const auto value = static_cast<uint8_t>(flag == 1 ? kWalkable : kUnwalkable);
  if (m_walkability[Cell(x, y)] == value) return;
  m_walkability[Cell(x, y)] = value;
  m_mapStale = true;
}

bool CPathFinder::IsWalkable(int32_t x, int32_t y) const { return InMap(x, y) && !Blocked(x, y); }

int32_t CPathFinder::FindPath(int32_t slotIndex, int32_t startX, int32_t startY, int32_t targetX, int32_t targetY) {
  if (!ValidSlot(slotIndex)) return kNonexistent;
  Slot& slot = m_slots[slotIndex];
  startX /= kTileSize;
  startY /= kTileSize;
  targetX /= kTileSize;
  targetY /= kTileSize;
  if (!InMap(startX, startY) || !InMap(targetX, targetY)) {
    slot.status = kNonexistent;
    return kNonexistent;
  }
  if (startX == targetX && startY == targetY) {
    slot.length = slot.location = 0;
    slot.xPath = startX;
    slot.yPath = startY;
    slot.status = kFound;
    return kFound;
  }
  if (Blocked(targetX, targetY)) {
    // No path is kept: ReadPath reports the walker there, not a step of the
    // slot's earlier path.
    slot.length = slot.location = 0;
    slot.xPath = startX;
    slot.yPath = startY;
    slot.status = kNonexistent;
    return kNonexistent;
  }
  slot.length = slot.location = 0;
  slot.status = kNotStarted;
  if (!MayReach(startX, startY, targetX, targetY)) {
    slot.status = kNonexistent;
    return kNonexistent;
  }
  StartSearch();
  if (!Search(Cell(startX, startY), Cell(targetX, targetY), targetX, targetY)) {
    slot.status = kNonexistent;
    return kNonexistent;
  }
  StorePath(slot, Cell(startX, startY), Cell(targetX, targetY));
  slot.status = kFound;
  ReadPath(slotIndex, startX, startY, 1);
  return kFound;
}

void CPathFinder::LabelComponents() {
  std::fill(m_component.begin(), m_component.end(), kNoComponent);
  std::vector<int32_t> pending;
  int32_t label = kNoComponent;
  for (int32_t seed = 0; seed < m_width * m_height; ++seed) {
    if (m_walkability[size_t(seed)] != kWalkable || m_component[size_t(seed)] != kNoComponent) continue;
    ++label;
    m_component[size_t(seed)] = label;
    pending.assign(1, seed);
    while (!pending.empty()) {
      const int32_t cell = pending.back();
      pending.pop_back();
      const int32_t x = cell % m_width, y = cell / m_width;
      for (const auto& [dx, dy] : kStraightSteps) {
        const int32_t nx = x + dx, ny = y + dy;
        if (!InMap(nx, ny) || Blocked(nx, ny) || m_component[size_t(Cell(nx, ny))] != kNoComponent) continue;
        m_component[size_t(Cell(nx, ny))] = label;
        pending.push_back(Cell(nx, ny));
      }
    }
  }
}

void CPathFinder::BuildMoves() {
  for (int32_t y = 0; y < m_height; ++y) {
    for (int32_t x = 0; x < m_width; ++x) {
      uint8_t moves = 0;
      for (int bit = 0; bit < kNeighbourCount; ++bit) {
        const int32_t a = x + kNeighbours[bit].dx, b = y + kNeighbours[bit].dy;
        if (!InMap(a, b) || Blocked(a, b)) continue;
        if (kNeighbours[bit].dx != 0 && kNeighbours[bit].dy != 0 && (Blocked(a, y) || Blocked(x, b))) continue;
        moves = static_cast<uint8_t>(moves | 1u << bit);
      }
      m_moves[size_t(Cell(x, y))] = moves;
    }
  }
}

void CPathFinder::RefreshMap() {
  if (!m_mapStale) return;
  LabelComponents();
  BuildMoves();
  m_mapStale = false;
}

bool CPathFinder::MayReach(int32_t startX, int32_t startY, int32_t targetX, int32_t targetY) {
  RefreshMap();
  const int32_t target = m_component[Cell(targetX, targetY)];
  if (!Blocked(startX, startY)) return m_component[Cell(startX, startY)] == target;
  // From a blocked start the first step goes to a walkable straight
  // neighbour, or diagonally past two of them.
  for (const auto& [dx, dy] : kStraightSteps) {
    const int32_t nx = startX + dx, ny = startY + dy;
    if (InMap(nx, ny) && !Blocked(nx, ny) && m_component[Cell(nx, ny)] == target) return true;
  }
  return false;
}

void CPathFinder::StartSearch() {
  if (m_closedMarker > kMarkerLimit) {
    for (CellState& cell : m_cells) cell.which = 0;
    m_closedMarker = kFirstMarker;
  }
  m_closedMarker += 2;
  m_openMarker = m_closedMarker - 1;
}

bool CPathFinder::Search(int32_t start, int32_t target, int32_t targetX, int32_t targetY) {
  m_cells[size_t(start)].g = 0;
  m_openCount = 1;
  m_items[1].cell = start;
  Place(1, {0, 1});
  m_newItemId = 0;
  for (;;) {
    const int32_t parent = m_items[size_t(m_heap[1].item)].cell;
    m_cells[size_t(parent)].which = m_closedMarker;
    PopFirst();
    ExpandNeighbours(parent, targetX, targetY);
    if (m_cells[size_t(target)].which == m_openMarker) return true;
    if (m_openCount == 0) return false;
  }
}

void CPathFinder::Place(int32_t position, const HeapEntry& entry) {
  m_heap[size_t(position)] = entry;
  m_items[size_t(entry.item)].position = position;
}

// The last entry moves to the top and sinks below every child whose cost
// is not above its own.
void CPathFinder::PopFirst() {
  const HeapEntry moving = m_heap[size_t(m_openCount)];
  --m_openCount;
  int32_t u = 1;
  for (;;) {
    int32_t v = u;
    int32_t f = moving.f;
    const int32_t left = 2 * u, right = 2 * u + 1;
    if (left <= m_openCount && f >= m_heap[size_t(left)].f) {
      v = left;
      f = m_heap[size_t(left)].f;
    }
    if (right <= m_openCount && f >= m_heap[size_t(right)].f) v = right;
    if (v == u) break;
    Place(u, m_heap[size_t(v)]);
    u = v;
  }
  Place(u, moving);
}

void CPathFinder::ExpandNeighbours(int32_t parent, int32_t targetX, int32_t targetY) {
  const int32_t parentX = parent % m_width, parentY = parent / m_width;
  const int32_t parentG = m_cells[size_t(parent)].g;
  for (unsigned moves = m_moves[size_t(parent)]; moves != 0; moves &= moves - 1) {
    const Neighbour& step = kNeighbours[std::countr_zero(moves)];
    const int32_t a = parentX + step.dx, b = parentY + step.dy;
    if (m_cells[size_t(Cell(a, b))].which == m_closedMarker) continue;
    AddOrImprove(a, b, parent, parentG + step.cost, targetX, targetY);
  }
}

void CPathFinder::AddOrImprove(int32_t x, int32_t y, int32_t parent, int32_t g, int32_t targetX, int32_t targetY) {
  CellState& cell = m_cells[size_t(Cell(x, y))];
  if (cell.which != m_openMarker) {
    const int32_t item = ++m_newItemId;
    const int32_t h = kStraightCost * (std::abs(x - targetX) + std::abs(y - targetY));
    m_items[size_t(item)].cell = Cell(x, y);
    m_items[size_t(item)].h = h;
    cell.g = g;
    cell.parent = parent;
    cell.item = item;
    Place(m_openCount + 1, {g + h, item});
    RiseFrom(m_openCount + 1, true);
    ++m_openCount;
    cell.which = m_openMarker;
    return;
  }
  if (g >= cell.g) return;
  cell.parent = parent;
  cell.g = g;
  const OpenItem& open = m_items[size_t(cell.item)];
  m_heap[size_t(open.position)].f = g + open.h;
  RiseFrom(open.position, false);
}

// A new entry rises past parents of equal cost, an improved one only past
// dearer ones.
void CPathFinder::RiseFrom(int32_t position, bool whileEqual) {
  const HeapEntry rising = m_heap[size_t(position)];
  while (position != 1) {
    const int32_t above = position / 2;
    const int32_t fAbove = m_heap[size_t(above)].f;
    if (whileEqual ? rising.f > fAbove : rising.f >= fAbove) break;
    Place(position, m_heap[size_t(above)]);
    position = above;
  }
  Place(position, rising);
}

void CPathFinder::StorePath(Slot& slot, int32_t start, int32_t target) {
  // Parents always lead back to the start within one search; the cap only
  // guards the walk.
  const int32_t maxSteps = m_width * m_height;
  int32_t length = 0;
  for (int32_t cell = target; cell != start && length < maxSteps; ++length) cell = m_cells[size_t(cell)].parent;
  slot.length = length;
  slot.bank.resize(size_t(length) * 2);
  int32_t cell = target;
  for (int32_t n = length - 1; n >= 0; --n) {
    slot.bank[size_t(n) * 2 + kAxisX] = cell % m_width;
    slot.bank[size_t(n) * 2 + kAxisY] = cell / m_width;
    cell = m_cells[size_t(cell)].parent;
  }
}

bool CPathFinder::ReadPath(int32_t slotIndex, int32_t currentX, int32_t currentY, int32_t reach) {
  if (!ValidSlot(slotIndex)) return false;
  Slot& slot = m_slots[slotIndex];
  const auto withinReach = [&] {
    return std::abs(currentX - slot.xPath) < reach && std::abs(currentY - slot.yPath) < reach;
  };
  if (slot.status != kFound) {
    slot.xPath = currentX;
    slot.yPath = currentY;
    return slot.location == slot.length;
  }
  if (slot.location < slot.length && (slot.location == 0 || withinReach())) ++slot.location;
  if (slot.location > 0) {
    slot.xPath = ReadPathX(slotIndex, slot.location);
    slot.yPath = ReadPathY(slotIndex, slot.location);
  } else {
    slot.xPath = currentX;
    slot.yPath = currentY;
  }
  if (slot.location == slot.length && withinReach()) slot.status = kNotStarted;
  return slot.location == slot.length;
}

int32_t CPathFinder::PointCoordinate(const Slot& slot, int32_t n, int32_t axis) const {
  if (n < 1 || n > slot.length) return 0;
  return slot.bank[size_t(n - 1) * 2 + axis] * kTileSize + kTileSize / 2;
}

int32_t CPathFinder::ReadPathX(int32_t slot, int32_t n) const {
  return ValidSlot(slot) ? PointCoordinate(m_slots[slot], n, kAxisX) : 0;
}

int32_t CPathFinder::ReadPathY(int32_t slot, int32_t n) const {
  return ValidSlot(slot) ? PointCoordinate(m_slots[slot], n, kAxisY) : 0;
}

int32_t CPathFinder::GetXPath(int32_t slot) const { return ValidSlot(slot) ? m_slots[slot].xPath : 0; }
int32_t CPathFinder::GetYPath(int32_t slot) const { return ValidSlot(slot) ? m_slots[slot].yPath : 0; }
int32_t CPathFinder::GetPathLength(int32_t slot) const { return ValidSlot(slot) ? m_slots[slot].length : 0; }
int32_t CPathFinder::GetPathLocation(int32_t slot) const { return ValidSlot(slot) ? m_slots[slot].location : 0; }
int32_t CPathFinder::GetPathStatus(int32_t slot) const {
  return ValidSlot(slot) ? m_slots[slot].status : kNonexistent;
}

void CPathFinder::SetPathStatus(int32_t slot, int32_t status) {
  if (ValidSlot(slot)) m_slots[slot].status = status;
}
