#pragma once
// The placed objects in placement order, owned here, with the list of those
// that serve visitors (states 0, 1, 2 and 6). Object numbers come from a
// counter that only grows, so that a number names one object for the whole
// game even after removals; the saved game keeps the counter.
#include <cstdint>
#include <memory>
#include <vector>

class CAttraction;

class CPlacedObjectList {
 public:
  CPlacedObjectList() = default;
  ~CPlacedObjectList();
  CPlacedObjectList(const CPlacedObjectList&) = delete;
  CPlacedObjectList& operator=(const CPlacedObjectList&) = delete;

  // Appends a newly placed object and gives it the next number.
  CAttraction* Place(std::unique_ptr<CAttraction> object);
  // Appends an object that keeps its saved number; the counter stays above it.
  CAttraction* Restore(std::unique_ptr<CAttraction> object);
  // Removes the first object marked for deletion, at most one per call.
  void RemoveDeletedAttraction();
  void CollectObjectsByState();
  // Stops every object's sounds and removes them all.
  void RemoveAllObjects();

  const std::vector<CAttraction*>& Objects() const { return m_objects; }
  const std::vector<CAttraction*>& ObjectsByState() const { return m_byState; }
  int32_t GetLastObjectNumber() const { return m_lastNumber; }
  void SetLastObjectNumber(int32_t number) { m_lastNumber = number; }

 private:
  std::vector<CAttraction*> m_objects;  // owned
  std::vector<CAttraction*> m_byState;
  int32_t m_lastNumber = 0;
};
