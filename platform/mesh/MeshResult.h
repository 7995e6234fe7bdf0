#pragma once
// Result codes of the model services, with the values the engine reports
// (success 0, failures negative).
#include <cstdint>

namespace plat {

using MeshResult = std::int32_t;
constexpr MeshResult kMeshOk = 0;
constexpr MeshResult kMeshFail = std::int32_t(0x80004005u);
constexpr MeshResult kMeshOutOfMemory = std::int32_t(0x8007000Eu);
constexpr MeshResult kMeshInvalidArg = std::int32_t(0x80070057u);

inline bool MeshFailed(MeshResult result) { return result < 0; }

}  // namespace plat
