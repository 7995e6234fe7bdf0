#include "engine/render/ZOdevuvGameObjectList.h"

#include "engine/core/Globals.h"

ZOdevuvGameObjectList::ZOdevuvGameObjectList() { g_gameObjectList = this; }

ZOdevuvGameObjectList::~ZOdevuvGameObjectList() {
  if (g_gameObjectList == this) g_gameObjectList = nullptr;
}
