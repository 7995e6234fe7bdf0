#pragma once
// The engine's list of game objects. The objects of the first list are
// owned; the second list only refers to objects owned elsewhere.
#include <vector>

class ZOdevuvGameObject;

class ZOdevuvGameObjectList {
 public:
  // Stores itself in its singleton slot.
  ZOdevuvGameObjectList();
  ~ZOdevuvGameObjectList();
  ZOdevuvGameObjectList(const ZOdevuvGameObjectList&) = delete;
  ZOdevuvGameObjectList& operator=(const ZOdevuvGameObjectList&) = delete;

  // Deletes every owned object (null entries skipped) and empties the list.
  void DeleteAll();

  std::vector<ZOdevuvGameObject*> objects;     // owned
  std::vector<ZOdevuvGameObject*> references;  // not owned
};
