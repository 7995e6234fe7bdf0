#pragma once
// The list of the engine's game objects. Only its place among the engine
// singletons exists so far.
class ZOdevuvGameObjectList {
 public:
  ZOdevuvGameObjectList();
  ~ZOdevuvGameObjectList();
  ZOdevuvGameObjectList(const ZOdevuvGameObjectList&) = delete;
  ZOdevuvGameObjectList& operator=(const ZOdevuvGameObjectList&) = delete;
};
