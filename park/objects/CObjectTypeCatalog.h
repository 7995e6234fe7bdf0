#pragma once
// The object-type catalogue: every object type in loading order (the index
// is the type's number while a build item is chosen), and the game objects
// and figures the descriptor reader made for them, which live as long as
// the catalogue.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/animation/ZOdevuvCharacter.h"
#include "engine/core/EngineString.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "world/objects/CParkModel.h"

class CObjectTypeCatalog {
 public:
  CObjectTypeCatalog() = default;
  CObjectTypeCatalog(const CObjectTypeCatalog&) = delete;
  CObjectTypeCatalog& operator=(const CObjectTypeCatalog&) = delete;

  void Add(std::unique_ptr<ObjectTypeDescriptor> type);
  CParkModel* AdoptModel(std::unique_ptr<CParkModel> model);
  ZOdevuvCharacter* AdoptCharacter(std::unique_ptr<ZOdevuvCharacter> character);

  int32_t Count() const { return static_cast<int32_t>(m_types.size()); }
  // Null when the index is out of range.
  ObjectTypeDescriptor* At(int32_t index) const;
  // The first type of that name (blanks around the name ignored), or null;
  // the index is written only when one is found.
  ObjectTypeDescriptor* Find(const EngineString& name, int32_t* index = nullptr) const;
  // The first type of that name copied out; false (nothing written) when none.
  bool FindObjectTypeByName(EngineString name, ObjectTypeDescriptor* out, int32_t* index) const;
  // The first model of the named type, or null when the type or its model is missing.
  CParkModel* FirstModelOf(const char* name) const;

 private:
  std::vector<std::unique_ptr<ObjectTypeDescriptor>> m_types;
  std::vector<std::unique_ptr<CParkModel>> m_models;
  std::vector<std::unique_ptr<ZOdevuvCharacter>> m_characters;
};
