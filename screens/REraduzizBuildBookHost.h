#pragma once
// What the build book asks of the game beyond the screens' host: the data
// folder, the build level's sources (the running scenario and the park
// rating), the placed objects, the object-type catalogue and the placement
// template. The money is the screens' host's. The game's main object implements it; tests give the
// book one of their own.
#include <cstdint>
#include <optional>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class REraduzizBuildBookHost {
 public:
  virtual ~REraduzizBuildBookHost() = default;

  // The data folder, without a trailing separator.
  virtual EngineString GetBaseDirectory() const = 0;

  // The index of the running scenario, or nothing while none runs.
  virtual std::optional<int32_t> GetRunningScenario() const = 0;
  // The park rating band of the character manager (0 before the first
  // rating, then 20 to 100), or nothing while there is no manager yet.
  virtual std::optional<int32_t> GetRatingBand() const = 0;
  // True when a placed object of that id stands in the park.
  virtual bool IsBuilt(const EngineString& id) const = 0;

  // The catalogue index of the first object type of that name, or nothing.
  virtual std::optional<int32_t> FindObjectType(const EngineString& name) const = 0;
  // The placement template becomes an object of the type at the index with
  // the price as its build cost; false when nothing could be set up.
  virtual bool SelectBuildItem(int32_t index, int32_t price) = 0;

  // The id of the placement template, or nothing when there is none.
  virtual std::optional<EngineString> GetTemplateId() const = 0;
  // Moves the template to the spot; when its footprint there is free it
  // marks the cells and places it (the price is charged), and gives true.
  // When the spot is taken nothing is placed and it gives false.
  virtual bool PlaceTemplateAt(const plat::Vec3& position, float rotationDegrees) = 0;
  // Drops what the template holds, so that nothing is left to place.
  virtual void ResetTemplate() = 0;
  // The byte that is 1 while the template's footprint is free.
  virtual uint8_t& PlacementAllowed() = 0;

  // Refreshes the status texts after a purchase.
  virtual void RefreshStatusDisplay() = 0;
  // Shows the text in the message window (a message without an answer).
  virtual void ShowMessage(const EngineString& text) = 0;
};
