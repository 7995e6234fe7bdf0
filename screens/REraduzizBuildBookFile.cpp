#include "screens/REraduzizBuildBookFile.h"

#include <cstring>

#include "engine/core/XmlNode.h"

namespace buildbook {

namespace {

constexpr const char* kRealmKeys[kRealmCount] = {"Morwenne_Realm", "Varnoth_Realm", "Quellin_Realm", "Tessavar_Realm",
                                                 "General_Buildings"};

// The text of the named child element; empty when it is missing.
EngineString Text(const XmlNode& field, const char* key) {
  const XmlNode child = field.GetChildNode(key);
  const char* text = child.IsEmpty() ? nullptr : child.GetText();
  return EngineString(text ? text : "");
}

// Decimal as the C library reads it: blanks, a sign, digits up to the
// first other character; 0 without digits or without the element.
int32_t Number(const XmlNode& field, const char* key) { return Text(field, key).ToInt(); }

uint8_t Flag(const XmlNode& field, const char* key) { return Text(field, key) == "true" ? 1 : 0; }

BookItem ReadEntry(const XmlNode& field) {
  BookItem item;
  item.geometryName = Text(field, "GeometryName");
  item.objectName = Text(field, "ObjectName");
  item.price = Number(field, "ObjectPrice");
  item.capacity = Number(field, "ObjectCapacity");
  item.shortDescription = Text(field, "ShortDesc");
  item.imageName = Text(field, "imgName");
  item.animated = Flag(field, "bAnimated");
  item.enabled = Flag(field, "enabled");
  item.grLevel = Number(field, "grLevel");
  item.clLevel = Number(field, "clLevel");
  return item;
}

}  // namespace

int32_t RealmOfKey(const char* key) {
  if (!key) return -1;
  for (int32_t realm = 0; realm < kRealmCount; ++realm) {
    if (std::strcmp(key, kRealmKeys[realm]) == 0) return realm;
  }
  return -1;
}

void ReadBook(const XmlNode& root, RealmLists& realms) {
  const XmlNode dictionary = root.GetChildNode("DataDictionary");
  if (dictionary.IsEmpty()) return;
  int objectIndex = 0;
  for (XmlNode object = dictionary.GetChildNode("Object", &objectIndex); !object.IsEmpty();
       object = dictionary.GetChildNode("Object", &objectIndex)) {
    const int32_t realm = RealmOfKey(object.GetAttribute("id"));
    if (realm < 0) continue;
    int fieldIndex = 0;
    for (XmlNode field = object.GetChildNode("DataField", &fieldIndex); !field.IsEmpty();
         field = object.GetChildNode("DataField", &fieldIndex)) {
      realms[realm].push_back(ReadEntry(field));
    }
  }
}

}  // namespace buildbook
