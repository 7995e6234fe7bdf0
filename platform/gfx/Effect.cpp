#include "platform/gfx/Effect.h"

#include <algorithm>

#include "platform/os/Path.h"

namespace plat {

namespace {

// D3DX's "do not save state" flag: End then leaves the passes' states set.
constexpr std::uint32_t kDoNotSaveState = 1;

bool IsFloatType(EffectParamType type) { return EffectFloatCount(type) > 0; }
bool IsIntegerType(EffectParamType type) {
  return type == EffectParamType::Int || type == EffectParamType::Bool;
}

EffectValue FloatValue(EffectParamType type, const float* values, std::uint32_t count) {
  EffectValue v;
  v.type = type;
  v.floats.assign(values, values + count);
  return v;
}

}  // namespace

Effect::Effect(std::weak_ptr<Device> device, std::string name,
               std::shared_ptr<const EffectDescription> description)
    : device_(std::move(device)), name_(std::move(name)), description_(std::move(description)) {
  for (const EffectParameter& p : description_->parameters) values_.emplace(p.name, p.initial);
}

Effect::~Effect() {
  if (!begun_) return;
  if (inPass_) {
    if (auto device = device_.lock()) device->EndEffectPass(this);
  }
  RestoreSavedStates();
}

void Effect::Note(EffectCallKind call, std::string_view name, bool known, EffectValue value,
                  std::uint32_t pass) {
  auto device = device_.lock();
  if (!device || !device->Record().Enabled()) return;
  device->Note({EventKind::Effect,
                EffectCall{call, name_, std::string(name), known, std::move(value), pass}});
}

std::vector<std::string> Effect::TechniqueNames() const {
  std::vector<std::string> names;
  for (const EffectTechnique& t : description_->techniques) names.push_back(t.name);
  return names;
}

int Effect::GetTechniqueByName(std::string_view name) const {
  const auto& all = description_->techniques;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i].name == name) return int(i);
  }
  return -1;
}

bool Effect::SetTechnique(std::string_view name) {
  int index = GetTechniqueByName(name);
  bool known = index >= 0 && !begun_;
  if (known) technique_ = index;
  Note(EffectCallKind::SetTechnique, name, known);
  return known;
}

const EffectTechnique* Effect::Technique() const {
  const auto& all = description_->techniques;
  return technique_ < int(all.size()) ? &all[std::size_t(technique_)] : nullptr;
}

std::string Effect::CurrentTechnique() const {
  const EffectTechnique* t = Technique();
  return t ? t->name : std::string();
}

bool Effect::Begin(std::uint32_t* passes, std::uint32_t flags) {
  const EffectTechnique* t = Technique();
  bool ok = t && !begun_ && !device_.expired();
  if (ok) {
    begun_ = true;
    saveStates_ = !(flags & kDoNotSaveState);
    savedStates_.clear();
    if (passes) *passes = std::uint32_t(t->passes.size());
  }
  Note(EffectCallKind::Begin, CurrentTechnique(), ok);
  return ok;
}

bool Effect::BeginPass(std::uint32_t pass) {
  auto device = device_.lock();
  const EffectTechnique* t = Technique();
  bool ok = device && begun_ && !inPass_ && t && pass < t->passes.size();
  Note(EffectCallKind::BeginPass, CurrentTechnique(), ok, {}, pass);
  if (!ok) return false;
  for (const EffectStateAssignment& a : t->passes[pass].states) {
    std::uint32_t key = std::uint32_t(a.state);
    if (saveStates_ && !savedStates_.count(key)) {
      savedStates_[key] = device->GetRenderState(a.state);
    }
    device->SetRenderState(a.state, a.value);
  }
  inPass_ = true;
  pass_ = pass;
  device->BeginEffectPass(this, pass);
  return true;
}

bool Effect::CommitChanges() {
  auto device = device_.lock();
  bool ok = device && inPass_;
  Note(EffectCallKind::CommitChanges, CurrentTechnique(), ok, {}, pass_);
  if (ok) device->CommitEffectChanges();
  return ok;
}

bool Effect::EndPass() {
  auto device = device_.lock();
  bool ok = inPass_;
  Note(EffectCallKind::EndPass, CurrentTechnique(), ok, {}, pass_);
  if (!ok) return false;
  inPass_ = false;
  if (device) device->EndEffectPass(this);
  return true;
}

void Effect::RestoreSavedStates() {
  auto device = device_.lock();
  if (device) {
    for (const auto& [key, value] : savedStates_) device->SetRenderState(RenderState(key), value);
  }
  savedStates_.clear();
}

bool Effect::End() {
  bool ok = begun_;
  if (ok && inPass_) EndPass();
  Note(EffectCallKind::End, CurrentTechnique(), ok);
  if (!ok) return false;
  RestoreSavedStates();
  begun_ = false;
  return true;
}

EffectValue* Effect::Find(std::string_view name) {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

const EffectValue* Effect::Value(std::string_view name) const {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

// Float data into a float parameter (at most its size), or the first value
// into an int or bool parameter.
bool Effect::SetFloats(std::string_view name, const float* values, std::uint32_t count,
                       EffectValue& recorded) {
  EffectValue* v = Find(name);
  bool ok = v && values && count > 0 && v->type != EffectParamType::Texture;
  if (ok) {
    recorded.type = v->type;
    if (IsIntegerType(v->type)) {
      v->intValue = v->type == EffectParamType::Bool ? values[0] != 0 : std::int32_t(values[0]);
    } else {
      std::copy_n(values, std::min<std::size_t>(count, v->floats.size()), v->floats.begin());
    }
  }
  Note(EffectCallKind::SetParameter, name, ok, recorded);
  return ok;
}

bool Effect::SetMatrix(std::string_view name, const Matrix& matrix) {
  return SetMatrixArray(name, &matrix, 1);
}

bool Effect::SetMatrixArray(std::string_view name, const Matrix* matrices, std::uint32_t count) {
  EffectValue recorded;
  recorded.type = EffectParamType::Float4x4;
  if (matrices) {
    for (std::uint32_t i = 0; i < std::min(count, kMaxEffectMatrixArray); ++i) {
      const float* m = &matrices[i].m[0][0];
      recorded.floats.insert(recorded.floats.end(), m, m + 16);
    }
  }
  EffectValue* v = Find(name);
  bool ok = v && v->type == EffectParamType::Float4x4 && !recorded.floats.empty();
  if (ok) {
    std::size_t floats = std::min(recorded.floats.size(), v->floats.size());
    std::copy_n(recorded.floats.begin(), floats, v->floats.begin());
  }
  Note(EffectCallKind::SetParameter, name, ok, std::move(recorded));
  return ok;
}

bool Effect::SetVector(std::string_view name, const Vec4& vector) {
  const float values[4] = {vector.x, vector.y, vector.z, vector.w};
  EffectValue recorded = FloatValue(EffectParamType::Float4, values, 4);
  EffectValue* v = Find(name);
  if (v && !IsFloatType(v->type)) {
    Note(EffectCallKind::SetParameter, name, false, std::move(recorded));
    return false;
  }
  return SetFloats(name, values, 4, recorded);
}

bool Effect::SetFloat(std::string_view name, float value) {
  EffectValue recorded = FloatValue(EffectParamType::Float, &value, 1);
  return SetFloats(name, &value, 1, recorded);
}

bool Effect::SetFloatArray(std::string_view name, const float* values, std::uint32_t count) {
  EffectValue recorded = FloatValue(EffectParamType::Float, values, values ? count : 0);
  return SetFloats(name, values, count, recorded);
}

bool Effect::SetInt(std::string_view name, std::int32_t value) {
  EffectValue* v = Find(name);
  EffectValue recorded;
  recorded.type = EffectParamType::Int;
  recorded.intValue = value;
  bool ok = v && v->type != EffectParamType::Texture;
  if (ok && IsIntegerType(v->type)) {
    v->intValue = v->type == EffectParamType::Bool ? value != 0 : value;
  } else if (ok) {
    v->floats[0] = float(value);
  }
  Note(EffectCallKind::SetParameter, name, ok, std::move(recorded));
  return ok;
}

bool Effect::SetBool(std::string_view name, bool value) {
  EffectValue* v = Find(name);
  EffectValue recorded;
  recorded.type = EffectParamType::Bool;
  recorded.intValue = value;
  bool ok = v && IsIntegerType(v->type);
  if (ok) v->intValue = value;
  Note(EffectCallKind::SetParameter, name, ok, std::move(recorded));
  return ok;
}

bool Effect::SetTexture(std::string_view name, std::shared_ptr<Texture> texture) {
  EffectValue* v = Find(name);
  EffectValue recorded;
  recorded.type = EffectParamType::Texture;
  recorded.texture = texture;
  bool ok = v && v->type == EffectParamType::Texture;
  if (ok) v->texture = std::move(texture);
  Note(EffectCallKind::SetParameter, name, ok, std::move(recorded));
  return ok;
}

std::shared_ptr<Effect> CreateEffectFromMemory(const std::shared_ptr<Device>& device,
                                               std::string name, std::string_view text,
                                               std::string* error) {
  auto description = std::make_shared<EffectDescription>();
  std::string reason;
  if (!device || !ParseEffect(text, *description, reason)) {
    if (error) *error = name + ": " + (device ? reason : "no device");
    return nullptr;
  }
  return std::make_shared<Effect>(device, std::move(name), std::move(description));
}

std::shared_ptr<Effect> CreateEffectFromFile(const std::shared_ptr<Device>& device,
                                             std::string_view gamePath, std::string* error) {
  std::string text;
  if (!ReadWholeFile(gamePath, text)) {
    if (error) *error = std::string(gamePath) + ": cannot read";
    return nullptr;
  }
  return CreateEffectFromMemory(device, std::string(gamePath), text, error);
}

}  // namespace plat
