#pragma once
// An effect loaded from the project's effect file format: techniques with
// passes, named parameters set by name. Setting a name the file does not
// declare is ignored (false). Between BeginPass and EndPass the device's
// draws go through the pass; Begin keeps the render states the passes set
// and End puts them back. Every call is added to the device's record.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Device.h"
#include "platform/gfx/EffectDescription.h"

namespace plat {

constexpr std::uint32_t kMaxEffectMatrixArray = 35;

class Effect {
 public:
  Effect(std::weak_ptr<Device> device, std::string name,
         std::shared_ptr<const EffectDescription> description);
  ~Effect();
  Effect(const Effect&) = delete;
  Effect& operator=(const Effect&) = delete;

  const std::string& Name() const { return name_; }
  const EffectDescription& Description() const { return *description_; }
  std::vector<std::string> TechniqueNames() const;
  // Index of the technique, -1 when there is none of that name.
  int GetTechniqueByName(std::string_view name) const;
  // Unknown name: false, the current technique stays.
  bool SetTechnique(std::string_view name);
  // The first technique until one is set; empty when the file has none.
  std::string CurrentTechnique() const;
  const EffectTechnique* Technique() const;

  bool Begin(std::uint32_t* passes, std::uint32_t flags = 0);
  bool BeginPass(std::uint32_t pass);
  bool CommitChanges();
  bool EndPass();
  bool End();
  bool InPass() const { return inPass_; }
  std::uint32_t ActivePass() const { return pass_; }

  bool SetMatrix(std::string_view name, const Matrix& matrix);
  bool SetMatrixArray(std::string_view name, const Matrix* matrices, std::uint32_t count);
  bool SetVector(std::string_view name, const Vec4& vector);
  bool SetFloat(std::string_view name, float value);
  bool SetFloatArray(std::string_view name, const float* values, std::uint32_t count);
  bool SetInt(std::string_view name, std::int32_t value);
  bool SetBool(std::string_view name, bool value);
  bool SetTexture(std::string_view name, std::shared_ptr<Texture> texture);

  // The current value (the file's initial value until set); null for unknown names.
  const EffectValue* Value(std::string_view name) const;
  const std::map<std::string, EffectValue, std::less<>>& Values() const { return values_; }

 private:
  bool SetFloats(std::string_view name, const float* values, std::uint32_t count,
                 EffectValue& recorded);
  EffectValue* Find(std::string_view name);
  void Note(EffectCallKind call, std::string_view name, bool known, EffectValue value = {},
            std::uint32_t pass = 0);
  void RestoreSavedStates();

  std::weak_ptr<Device> device_;
  std::string name_;
  std::shared_ptr<const EffectDescription> description_;
  std::map<std::string, EffectValue, std::less<>> values_;
  int technique_ = 0;
  bool begun_ = false;
  bool saveStates_ = true;
  bool inPass_ = false;
  std::uint32_t pass_ = 0;
  std::map<std::uint32_t, std::uint32_t> savedStates_;  // render states to put back at End
};

// Reads and parses the file (a game path). Null with "file: line N: reason"
// or "file: cannot read" when it fails.
std::shared_ptr<Effect> CreateEffectFromFile(const std::shared_ptr<Device>& device,
                                             std::string_view gamePath,
                                             std::string* error = nullptr);
std::shared_ptr<Effect> CreateEffectFromMemory(const std::shared_ptr<Device>& device,
                                               std::string name, std::string_view text,
                                               std::string* error = nullptr);

}  // namespace plat
