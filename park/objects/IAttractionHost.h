#pragma once
// What placed objects ask of the game that owns them: the base folder, the
// object types, positional sounds, billboard icons and the park-wide
// bookkeeping when an object goes. The main object implements it; with no
// host the objects read from the working folder and do without the rest.
#include <cstdint>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

class CAttraction;
class CObjectTypeCatalog;
class ParticleEffects;
class ZOdevuvCharacter;

struct ParkClockReading {
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t gameSpeed = 1;  // 0 while the game is paused
};

class IAttractionHost {
 public:
  virtual ~IAttractionHost() = default;

  virtual EngineString GetBaseDirectory() const = 0;
  virtual const CObjectTypeCatalog* GetObjectTypes() const = 0;
  // Sets the named sound's level for a sound heard at the position.
  virtual void PlaySoundAt(const plat::Vec3& position, const EngineString& name, uint8_t quiet) = 0;
  // Icon kinds: 0 the upgrade icon, 1 the film icon.
  virtual void AddBillboardIcon(CAttraction& object, const plat::Vec3& position, int32_t kind) = 0;
  virtual void SwitchOffWaterEffectOf(const EngineString& id) = 0;
  virtual ParkClockReading GetParkClock() const = 0;
  // The options' switch for sound effects.
  virtual bool AreSoundEffectsOn() const = 0;

  // The removal of a placed object, in the order the placed-object list calls them.
  virtual void OnObjectRemoved(CAttraction& object) = 0;
  virtual void MarkSelectedObjectCells(CAttraction& object) = 0;
  virtual void RemoveObjectIcons(CAttraction& object) = 0;
  virtual void RemovePlantFromGreenery() = 0;
  virtual void RemoveVisitorCapacity(int32_t capacity) = 0;
  virtual void RemovePlacement(const EngineString& id, int32_t objectNumber) = 0;

  // The park clock's hour and the land's cells, which the visitors'
  // questions read; a host without a clock or a land answers 0 and finds
  // no cell.
  virtual int32_t GetParkHour() const;
  virtual bool WorldToCell(const plat::Vec3& point, int32_t* i, int32_t* j) const;
  virtual bool IsFootpathCell(int32_t i, int32_t j) const;
  virtual plat::Vec3 GetCellCentre(int32_t i, int32_t j) const;

  // What drawing a placed object reads and writes of the game: the scene's
  // projection (null keeps the device's), the entrance and exit arrows, the
  // particle effects that rides place (the splash, the water falls) and
  // the steam train's front and rear for the visitors who cross its track.
  // A host without them draws no arrows and places no effects.
  virtual const plat::Matrix* GetSceneProjection() const;
  virtual ZOdevuvCharacter* GetEntranceArrow() const;
  virtual ZOdevuvCharacter* GetExitArrow() const;
  virtual ParticleEffects* GetParticleEffects() const;
  virtual void SetTrainFrontPosition(const plat::Vec3& position);
  virtual void SetTrainRearPosition(const plat::Vec3& position);

  // The mouse over placed objects: whether the game tests it on this
  // frame, whether the mouse is over the object (where it stands, as it is
  // turned), and which object the mouse is over. A host without a mouse
  // tests nothing.
  virtual bool IsHoverPicking() const;
  virtual bool IsMouseOverObject(const CAttraction& object) const;
  virtual CAttraction* GetHoveredObject() const;
  virtual void SetHoveredObject(CAttraction* object);
};

// Set by the main object while it lives; may be null.
extern IAttractionHost* g_attractionHost;
