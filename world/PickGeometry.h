#pragma once
// The geometry behind picking placed objects and the terrain: a ray through
// a screen point, ray and segment against a sphere, segment against an
// axis-aligned box, and the angle between two vectors.
//
// A ray is an origin and a direction that need not be normalised; a point on
// it is origin + t x direction, so t < 0 lies behind the eye.
#include "platform/math/Types.h"

struct PickRay {
  plat::Vec3 origin;
  plat::Vec3 direction;
};

// The ray from the eye through screen point (x, y) of the viewport, for the
// given projection, view and world matrices. A viewport without width or
// height, or a world-view product that cannot be inverted, gives a zero
// direction, which hits nothing.
PickRay BuildPickRay(const plat::Matrix& projection, const plat::Viewport& viewport, const plat::Matrix& view,
                     const plat::Matrix& world, int screenX, int screenY);

// Crossings of the line origin + t x direction with the sphere: 0, 1 (a
// tangent: t1 = t2) or 2 (t1 the larger). No crossing also for a zero
// direction; t1 = t2 = 0 then. Crossings behind the origin count too.
int IntersectRaySphere(const plat::Vec3& origin, const plat::Vec3& direction, const plat::Vec3& centre, float radius,
                       double& t1, double& t2);

// IntersectRaySphere with origin p0 and direction p1 - p0 (t 0..1 is the
// segment).
int IntersectSegmentSphere(const plat::Vec3& p0, const plat::Vec3& p1, const plat::Vec3& centre, float radius,
                           double& t1, double& t2);

// True when the ray meets the sphere at some t >= 0: a sphere wholly behind
// the eye is never picked, one around the eye always is.
bool RayHitsSphereAhead(const plat::Vec3& origin, const plat::Vec3& direction, const plat::Vec3& centre,
                        float radius);

// d1 and d2 are the signed distances of the segment's ends p1 and p2 from a
// plane. True, with the crossing point in hit, when the ends lie strictly on
// opposite sides; false (hit untouched) when either end lies in the plane or
// both on one side.
bool SegmentPlaneCrossing(float d1, float d2, const plat::Vec3& p1, const plat::Vec3& p2, plat::Vec3& hit);

// The axes of a box face, numbered as in SegmentBoxOverlap.
enum BoxAxis { kBoxAxisX = 1, kBoxAxisY = 2, kBoxAxisZ = 3 };

// Whether a point on a face plane across the given axis lies strictly inside
// the face: for kBoxAxisX its y and z lie strictly within the box's, and so
// on. Any other axis value gives false.
bool IntervalOverlapByAxis(const plat::Vec3& hit, const plat::Vec3& boxMin, const plat::Vec3& boxMax, int axis);

// Whether the segment from l1 to l2 meets the box. hit is l1 when l1 lies
// strictly inside the box, otherwise the crossing with the first face plane
// (minimum x, y, z, then maximum x, y, z) that lies within its face. A
// segment lying in a face plane crosses none. The corners must be sorted
// (boxMin <= boxMax on every axis; see SortedBox).
bool SegmentBoxOverlap(const plat::Vec3& boxMin, const plat::Vec3& boxMax, const plat::Vec3& l1,
                       const plat::Vec3& l2, plat::Vec3& hit);

struct AxisBox {
  plat::Vec3 min;
  plat::Vec3 max;
};

// The box spanned by two opposite corners given in any order: an object's
// anchor points need not have the smaller coordinate first on every axis.
AxisBox SortedBox(const plat::Vec3& a, const plat::Vec3& b);

// The angle in radians between two vectors, acos(a.b / (|a| |b|)); 0 when
// that is not a finite number (a zero vector).
float AngleBetween(const plat::Vec3& a, const plat::Vec3& b);
