// engine_bench: what a frame of the engine scene costs on the headless
// backend (the update and the draw apart, without the intro), and how fast
// model files and textures load. Runs in the demo park folder.
#include <benchmark/benchmark.h>
#include "bench/ParkBenchMain.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/Globals.h"
#include "engine/render/ZOdevuvGameObject.h"
#include "engine/render/ZOdevuvTexture.h"
#include "platform/os/Path.h"
#include "tools/enginescene/EngineScene.h"
#include "tools/enginescene/SceneDescription.h"

namespace {

constexpr const char* kSceneFile = "enginescene\\scene.xml";

// One scene for the whole run, as the engine has one main object; main
// ends it before the program's statics go.
std::unique_ptr<EngineScene> g_scene;

EngineScene* Scene() {
  if (g_scene) return g_scene.get();
  SceneDescription description;
  std::string error;
  if (!ReadSceneDescription(kSceneFile, description, error)) {
    std::fprintf(stderr, "engine_bench: cannot read %s: %s\n", kSceneFile, error.c_str());
    std::exit(1);
  }
  description.video.clear();
  g_scene = std::make_unique<EngineScene>(std::move(description), nullptr);
  g_scene->Init(nullptr, nullptr);
  g_scene->InitDevice(800, 600, 32, 1);
  g_scene->InitResources();
  return g_scene.get();
}

void BM_SceneUpdate(benchmark::State& state) {
  EngineScene* scene = Scene();
  for (auto _ : state) scene->UpdateFrame(EngineScene::kFrameSeconds);
}
BENCHMARK(BM_SceneUpdate)->Unit(benchmark::kMicrosecond);

void BM_SceneDraw(benchmark::State& state) {
  EngineScene* scene = Scene();
  for (auto _ : state) scene->Frame(EngineScene::kFrameSeconds);
}
BENCHMARK(BM_SceneDraw)->Unit(benchmark::kMicrosecond);

void BM_SceneFrame(benchmark::State& state) {
  EngineScene* scene = Scene();
  for (auto _ : state) {
    scene->UpdateFrame(EngineScene::kFrameSeconds);
    scene->Frame(EngineScene::kFrameSeconds);
  }
}
BENCHMARK(BM_SceneFrame)->Unit(benchmark::kMicrosecond);

constexpr const char* kModels[] = {"objects/builditems/Bejarat/Bejarat.EFX", "objects/PK_basemap/basetree.EFX",
                                   "objects/PK_basemap/basemap.EFX"};

// Reading the model file into mesh objects; its textures are loaded apart.
void BM_ModelLoad(benchmark::State& state) {
  Scene();
  const std::string path = plat::ResolvePath(kModels[state.range(0)]);
  const std::string folder = std::filesystem::path(path).parent_path().string() + "/textures";
  for (auto _ : state) {
    ZOdevuvGameObject object;
    object.Init("bench", path.c_str(), folder.c_str(), nullptr);
    benchmark::DoNotOptimize(object.GetTotalFaceCount());
  }
  state.SetLabel(kModels[state.range(0)]);
  state.SetBytesProcessed(state.iterations() * std::int64_t(std::filesystem::file_size(path)));
}
BENCHMARK(BM_ModelLoad)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

constexpr const char* kTextures[] = {"objects/PK_basemap/textures/basemap_grass.png",
                                     "objects/builditems/Bejarat/textures/bejarat_brick.png",
                                     "images/particles/smoke.bmp"};

void BM_TextureLoad(benchmark::State& state) {
  Scene();
  const std::string path = plat::ResolvePath(kTextures[state.range(0)]);
  for (auto _ : state) {
    ZOdevuvTexture texture;
    texture.LoadFromFile(path.c_str());
  }
  state.SetLabel(kTextures[state.range(0)]);
  state.SetBytesProcessed(state.iterations() * std::int64_t(std::filesystem::file_size(path)));
}
BENCHMARK(BM_TextureLoad)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  const int code = RunParkBenchmarks(argc, argv, "engine_bench");
  g_scene.reset();
  return code;
}
