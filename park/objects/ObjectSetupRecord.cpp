#include "park/objects/ObjectSetupRecord.h"

#include "platform/math/Math.h"

ObjectSetupRecord::ObjectSetupRecord() { plat::MatrixIdentity(&matrix); }

ObjectSetupRecord::ObjectSetupRecord(const AnimatedPartRecord& part)
    : parentName(part.parentName),
      name(part.name),
      rotateBegin(part.rotateBegin),
      rotateEnd(part.rotateEnd),
      moveBegin(part.moveBegin),
      moveEnd(part.moveEnd),
      moveSpeed(part.moveSpeed),
      animPath(part.animPath),
      rotAxis(part.rotationAxis),
      rSpeed(part.rotationSpeed),
      pivot(part.rotationPoint),
      swings(part.closedRotation),
      itemCount(part.itemCount),
      itemOffset(part.itemOffset) {
  plat::MatrixIdentity(&matrix);
}

ObjectSetupRecord ObjectSetupRecord::CopyWithoutRunState() const {
  ObjectSetupRecord copy = *this;
  copy.trackLoaded = 0;
  copy.pathPointCount = 0;
  copy.angle = 0;
  plat::MatrixIdentity(&copy.matrix);
  return copy;
}
