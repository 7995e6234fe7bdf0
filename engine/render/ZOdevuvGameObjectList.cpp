#include "engine/render/ZOdevuvGameObjectList.h"

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvGameObject.h"

ZOdevuvGameObjectList::ZOdevuvGameObjectList() { g_gameObjectList = this; }

ZOdevuvGameObjectList::~ZOdevuvGameObjectList() {
  DeleteAll();
  if (g_gameObjectList == this) g_gameObjectList = nullptr;
}

void ZOdevuvGameObjectList::DeleteAll() {
  for (ZOdevuvGameObject* object : objects) delete object;
  objects.clear();
}
