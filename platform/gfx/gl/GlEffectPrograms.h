#pragma once
// GL programs for the passes of effects: one program per pair of stage
// sources (shared by every effect that uses the same pair). All passes of
// an effect are compiled when its first pass begins; a program that does not
// build is reported once, and its effect then draws nothing, as an effect
// file that does not compile was never there.
#include <epoxy/gl.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gfx/DeviceState.h"
#include "platform/gfx/gl/GlProgram.h"

namespace plat {

class Effect;
class GlResources;
class Texture;
struct EffectDescription;
struct EffectTechnique;

class GlEffectPrograms {
 public:
  explicit GlEffectPrograms(GlResources& resources) : resources_(resources) {}
  ~GlEffectPrograms();

  // The state's effect pass begins: its program is found or built, bound
  // and given the parameter values.
  void Begin(const DeviceState& state);
  // Parameter values changed inside the pass.
  void Commit(const DeviceState& state);
  void End() {
    current_ = nullptr;
    fixedFunction_ = false;
  }
  enum class PassDraw { Program, FixedFunction, Nothing };
  // Binds the open pass's program and textures for a draw, with the state's
  // alpha test. A pass that names no stages draws with the fixed-function
  // state; an effect with a program that failed to build draws nothing.
  PassDraw BindForDraw(const DeviceState& state);
  // Whether the open pass's vertex stage writes gl_PointSize; points of
  // stages that do not take the device's point size.
  bool SetsPointSize() const { return setsPointSize_; }

 private:
  struct Entry {
    GlProgram program;
    bool failed = false;
    bool setsPointSize = false;
  };
  // The programs of one effect object, by technique and pass (null for a
  // pass without stages).
  struct EffectEntry {
    const EffectDescription* description = nullptr;
    std::string name;
    bool failed = false;
    std::vector<std::vector<Entry*>> passes;
  };
  EffectEntry& ProgramsOf(const Effect& effect);
  Entry* Build(const Effect& effect, const EffectTechnique& technique, std::uint32_t passIndex);
  void Upload(const DeviceState& state);
  GLuint Sampler(std::uint32_t unit);

  struct TextureBinding {
    GLuint unit;
    std::shared_ptr<Texture> texture;  // null: nothing bound
  };

  GlResources& resources_;
  std::unordered_map<std::string, std::unique_ptr<Entry>> programs_;  // by stage sources
  std::unordered_map<const Effect*, EffectEntry> effects_;
  GlProgram* current_ = nullptr;
  bool fixedFunction_ = false;
  bool setsPointSize_ = false;
  std::vector<TextureBinding> textures_;
  std::unordered_map<std::uint32_t, GLuint> samplers_;
};

}  // namespace plat
