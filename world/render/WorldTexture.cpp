#include "world/render/WorldTexture.h"

#include "engine/render/ZOdevuvDevice.h"
#include "platform/os/DebugOutput.h"

std::shared_ptr<plat::Texture> LoadWorldTexture(const std::string& folder, const std::string& gamePath,
                                                const plat::TextureLoadOptions& options, plat::ImageInfo* info) {
  const std::string path = folder + gamePath;
  plat::Device* device = EngineDevice();
  std::shared_ptr<plat::Texture> texture;
  if (device) texture = plat::CreateTextureFromFileEx(*device, path, options, info);
  if (!texture) plat::OutputDebugString("Missing texture: " + path + "\n");
  return texture;
}
