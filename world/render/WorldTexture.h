#pragma once
// Textures of the land, the footpaths and the water, loaded from a folder
// and a game path. A file that cannot be loaded is reported once, at the
// load, on the debugger output; the caller keeps a null texture and draws
// without it.
#include <memory>
#include <string>

#include "platform/gfx/Texture.h"
#include "platform/gfx/TextureLoader.h"

std::shared_ptr<plat::Texture> LoadWorldTexture(const std::string& folder, const std::string& gamePath,
                                                const plat::TextureLoadOptions& options = {},
                                                plat::ImageInfo* info = nullptr);
