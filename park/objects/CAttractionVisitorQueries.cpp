// What visitors ask a placed object before they queue, ride or leave.
#include <array>
#include <cmath>

#include "park/objects/CAttraction.h"
#include "park/objects/IAttractionHost.h"
#include "platform/math/Math.h"

namespace {

constexpr int32_t kEventClosingHour = 18;
constexpr float kQueueSpacing = 0.5f;
// Shows that visitors watch from outside, and a ride that never admits.
constexpr std::array<const char*, 3> kWatchedShows{"ATTR_Zelvaro", "ATTR_Graddelmor", "ATTR_Quorm"};
constexpr const char* kNeverAdmits = "ATTR_Orvistane";

int32_t PathPointCount(const std::vector<RidePath>& paths, int32_t path) {
  if (path < 0 || path >= int32_t(paths.size())) return 0;
  return int32_t(paths[std::size_t(path)].size());
}

bool PathPoint(const std::vector<RidePath>& paths, plat::Vec3* out, int32_t path, int32_t point) {
  if (point < 0 || point >= PathPointCount(paths, path)) return false;
  *out = paths[std::size_t(path)][std::size_t(point)];
  return true;
}

// The centre of the first footpath cell beside the point's cell, looked
// for before and after it in the second grid index, then in the first.
bool FindFootpathBeside(const plat::Vec3& point, plat::Vec3* centre) {
  IAttractionHost* host = g_attractionHost;
  int32_t i = 0, j = 0;
  if (!host || !host->WorldToCell(point, &i, &j)) return false;
  const std::array<std::array<int32_t, 2>, 4> neighbours{{{i, j - 1}, {i, j + 1}, {i - 1, j}, {i + 1, j}}};
  for (const auto& cell : neighbours) {
    if (!host->IsFootpathCell(cell[0], cell[1])) continue;
    *centre = host->GetCellCentre(cell[0], cell[1]);
    return true;
  }
  return false;
}

}  // namespace

bool CAttraction::IsClosed() const {
  if (eventRunning) {
    const int32_t hour = g_attractionHost ? g_attractionHost->GetParkHour() : 0;
    return hour >= kEventClosingHour;
  }
  if (!HasVehiclesOrFlag()) return true;
  for (const char* show : kWatchedShows) {
    if (id == show) return true;
  }
  if (id == kNeverAdmits || cyclePaused) return true;
  return isClosed != 0;
}

bool CAttraction::AcceptsVisitor(int32_t place, plat::Vec3* out) const {
  int32_t q = place - (visitorCapacity - visitorsInside + lastAdmittedPlace);
  if (HasVehiclesOrFlag() && !hasNoSetupRecords) q = place - lastAdmittedPlace - 1;
  // A visitor whose place is already inside waits at the gate, not behind it.
  if (q < 0) q = 0;
  plat::Vec3 centre{};
  if (!FindFootpathBeside(gatePosition, &centre)) return true;
  const plat::Vec3 d = centre - gatePosition;
  const float length = plat::Vec3LengthOf(d);
  if (length == 0) return true;
  *out = gatePosition + d * (float(q + 1) * kQueueSpacing / length);
  return true;
}

int32_t CAttraction::GetPathPointCountA(int32_t path) const { return PathPointCount(inPaths, path); }
int32_t CAttraction::GetPathPointCountB(int32_t path) const { return PathPointCount(outPaths, path); }
bool CAttraction::GetPathPointA(plat::Vec3* out, int32_t path, int32_t point) const {
  return PathPoint(inPaths, out, path, point);
}
bool CAttraction::GetPathPointB(plat::Vec3* out, int32_t path, int32_t point) const {
  return PathPoint(outPaths, out, path, point);
}
