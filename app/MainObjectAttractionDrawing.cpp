// What drawing the placed objects needs of the game: the icons' pictures
// and the mouse over an object.
#include "app/VAvazadOvurUrovi.h"
#include "engine/render/ZOdevuvDevice.h"
#include "engine/render/ZOdevuvTexture.h"

namespace {

// The upgrade icon's picture, then the film icon's.
constexpr const char* kIconPictures[] = {"\\images\\icons\\nagyitoEpulettel_64x64.png",
                                         "\\images\\icons\\kulcslyuk64x64.png"};

}  // namespace

std::shared_ptr<plat::Texture> VAvazadOvurUrovi::GetBillboardIconTexture(int32_t kind) {
  if (kind < 0 || kind >= static_cast<int32_t>(std::size(kIconPictures))) return nullptr;
  const auto k = static_cast<size_t>(kind);
  if (!EngineDevice()) return nullptr;
  // Read once into the device: every icon of the kind draws the same picture.
  if (billboardIconTexturesRead[k] == 0) {
    billboardIconTexturesRead[k] = 1;
    ZOdevuvTexture picture;
    picture.LoadFromFile((baseDirectory + EngineString(kIconPictures[k])).CStr());
    billboardIconTextures[k] = picture.GetTexture();
  }
  return billboardIconTextures[k];
}

bool VAvazadOvurUrovi::IsMouseOverObject(const CAttraction& object) const {
  const ScreenPoint at = GetCursorPosition();
  return PickObjectAt(at.x, at.y, object);
}
