#include "park/objects/CObjectTypeCatalog.h"

namespace {

constexpr const char* kBlanks = " \t\r\n";

}  // namespace

void CObjectTypeCatalog::Add(std::unique_ptr<ObjectTypeDescriptor> type) {
  if (type) m_types.push_back(std::move(type));
}

CParkModel* CObjectTypeCatalog::AdoptModel(std::unique_ptr<CParkModel> model) {
  m_models.push_back(std::move(model));
  return m_models.back().get();
}

ZOdevuvCharacter* CObjectTypeCatalog::AdoptCharacter(std::unique_ptr<ZOdevuvCharacter> character) {
  m_characters.push_back(std::move(character));
  return m_characters.back().get();
}

ObjectTypeDescriptor* CObjectTypeCatalog::At(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return m_types[static_cast<size_t>(index)].get();
}

ObjectTypeDescriptor* CObjectTypeCatalog::Find(const EngineString& name, int32_t* index) const {
  const EngineString wanted = name.Trim(kBlanks);
  for (int32_t i = 0; i < Count(); ++i) {
    if (m_types[static_cast<size_t>(i)]->name == wanted) {
      if (index) *index = i;
      return m_types[static_cast<size_t>(i)].get();
    }
  }
  return nullptr;
}

bool CObjectTypeCatalog::FindObjectTypeByName(EngineString name, ObjectTypeDescriptor* out,
                                              int32_t* index) const {
  const ObjectTypeDescriptor* type = Find(name, index);
  if (!type) return false;
  if (out) *out = *type;
  return true;
}

CParkModel* CObjectTypeCatalog::FirstModelOf(const char* name) const {
  const ObjectTypeDescriptor* type = Find(name);
  return type && !type->models.empty() ? type->models.front() : nullptr;
}
