// Writes the build book's pictures into the park folder: the page art of
// the five realms and the closing page, the veil over entries that cannot
// be bought, and one picture per entry of the book, drawn from the models
// of the object type the entry builds, so that the book shows what will be
// built. Arguments: the park folder, then the data folder whose book file
// and object descriptors it reads.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/core/XmlNode.h"
#include "platform/gfx/PngWriter.h"
#include "screens/REraduzizBuildBookFile.h"
#include "tools/bookimages/ModelPicture.h"
#include "tools/modelwriter/ParkObjectModels.h"

namespace {

namespace fs = std::filesystem;
using bookimages::Image;
using bookimages::PicturePart;

// The entries' pictures and the book's page art.
constexpr int kEntryWidth = 224;
constexpr int kEntryHeight = 168;
constexpr int kPageWidth = 780;
constexpr int kPageHeight = 540;
constexpr int kVeilSize = 8;

struct Rgb {
  int r, g, b;
};

std::uint32_t Argb(int a, Rgb c) {
  return std::uint32_t(a) << 24 | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | std::uint32_t(c.b);
}

Rgb Mix(Rgb a, Rgb b, float t) {
  return {int(float(a.r) + float(b.r - a.r) * t), int(float(a.g) + float(b.g - a.g) * t),
          int(float(a.b) + float(b.b - a.b) * t)};
}

bool WriteImage(const fs::path& path, const Image& image) {
  fs::create_directories(path.parent_path());
  if (plat::WritePngFile(path.string(), image.width, image.height, image.pixels.data())) return true;
  std::fprintf(stderr, "bookimages: cannot write %s\n", path.string().c_str());
  return false;
}

// An open book: cream pages darkening towards the spine, framed by the
// realm's colour, with a ribbon of that colour down the spine.
Image PageArt(Rgb realm) {
  Image image{kPageWidth, kPageHeight, std::vector<std::uint32_t>(size_t(kPageWidth) * kPageHeight)};
  constexpr int kBorder = 14;
  constexpr int kRibbon = 6;
  const Rgb paper{246, 238, 214};
  const Rgb shade{205, 190, 160};
  for (int y = 0; y < kPageHeight; ++y) {
    for (int x = 0; x < kPageWidth; ++x) {
      const int fromEdge = std::min(std::min(x, kPageWidth - 1 - x), std::min(y, kPageHeight - 1 - y));
      const float spine = std::fabs(float(x) - kPageWidth / 2.0f) / (kPageWidth / 2.0f);
      Rgb colour = Mix(shade, paper, std::min(1.0f, spine * 4.0f));
      if (fromEdge < kBorder) colour = Mix(realm, {40, 30, 20}, float(kBorder - fromEdge) / kBorder * 0.5f);
      if (std::abs(x - kPageWidth / 2) < kRibbon && fromEdge >= kBorder) colour = realm;
      image.pixels[size_t(y) * kPageWidth + size_t(x)] = Argb(255, colour);
    }
  }
  return image;
}

// A grey veil with fine diagonal lines, half see-through.
Image Veil() {
  Image image{kVeilSize, kVeilSize, std::vector<std::uint32_t>(kVeilSize * kVeilSize)};
  for (int y = 0; y < kVeilSize; ++y) {
    for (int x = 0; x < kVeilSize; ++x) {
      const bool line = (x + y) % 4 == 0;
      image.pixels[size_t(y) * kVeilSize + size_t(x)] =
          Argb(line ? 190 : 140, line ? Rgb{70, 70, 75} : Rgb{120, 120, 125});
    }
  }
  return image;
}

// Where a descriptor's model stands in its object.
struct PlacedModel {
  std::string file;  // below the park folder, with "/"
  parkshapes::Vec3 offset;
};

std::string Slashed(std::string path) {
  for (char& c : path) c = c == '\\' ? '/' : c;
  return path;
}

parkshapes::Vec3 ParseOffset(const char* text) {
  parkshapes::Vec3 offset;
  if (text) std::sscanf(text, "%f,%f,%f", &offset.x, &offset.y, &offset.z);
  return offset;
}

bool EndsWithModel(const std::string& name) { return name.size() > 4 && name.compare(name.size() - 4, 4, ".EFX") == 0; }

// Every object type's static models, by type name. Parts that follow a
// track (no model file of their own) stay out of the picture.
std::map<std::string, std::vector<PlacedModel>> ReadDescriptors(const fs::path& data) {
  std::map<std::string, std::vector<PlacedModel>> types;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data / "objects" / "ini")) {
    if (entry.path().extension() != ".xml") continue;
    const XmlNode type = XmlNode::ParseFile(entry.path().string().c_str(), "FileDescriptor").GetChildNode("DravonFile");
    const char* name = type.GetAttribute("name");
    const XmlNode directory = type.GetChildNode("ModelDirectory");
    if (!name || directory.IsEmpty() || !directory.GetText()) continue;
    const std::string folder = Slashed(directory.GetText()) + "/";
    std::vector<PlacedModel>& models = types[name];
    const XmlNode single = type.GetChildNode("Modell");
    if (!single.IsEmpty() && single.GetText()) models.push_back({folder + single.GetText(), {}});
    int index = 0;
    for (XmlNode part = type.GetChildNode("Modell_EFX", &index); !part.IsEmpty();
         part = type.GetChildNode("Modell_EFX", &index)) {
      const char* file = part.GetText();
      if (file && EndsWithModel(file)) models.push_back({folder + file, ParseOffset(part.GetAttribute("localCoord"))});
    }
  }
  return types;
}

std::vector<PicturePart> PartsOf(const std::vector<PlacedModel>& placed,
                                 const std::map<std::string, const parkshapes::ParkModel*>& models) {
  std::vector<PicturePart> parts;
  for (const PlacedModel& model : placed) {
    const auto found = models.find(model.file);
    if (found == models.end()) continue;
    const parkshapes::ParkModel& park = *found->second;
    for (size_t i = 0; i < park.model.meshObjects.size() && i < park.textures.size(); ++i) {
      for (const parkshapes::Triangles& mesh : park.model.meshObjects[i].meshes) {
        parts.push_back({&mesh, model.offset, &park.textures[i].second});
      }
    }
  }
  return parts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bookimages <park folder> <data folder>\n");
    return 2;
  }
  const fs::path park = argv[1];
  const fs::path data = argv[2];
  bool ok = true;

  const fs::path bookFolder = park / "images" / "GuiImages" / "BOOK";
  const Rgb realmColours[] = {{150, 60, 110}, {40, 90, 150}, {50, 130, 80}, {170, 110, 40}, {110, 100, 90}};
  const char* pageFiles[] = {"book_main.png", "book_1.png", "book_2.png", "book_3.png", "book_4.png"};
  for (int realm = 0; realm < buildbook::kRealmCount; ++realm) {
    ok &= WriteImage(bookFolder / pageFiles[realm], PageArt(realmColours[realm]));
  }
  ok &= WriteImage(bookFolder / "book_5end.png", PageArt({90, 60, 40}));
  ok &= WriteImage(bookFolder / "barnaAlfaPix_20.png", Veil());

  buildbook::RealmLists realms;
  buildbook::ReadBook(
      XmlNode::ParseFile((data / "objects" / "Book" / "book_NL.xml").string().c_str(), buildbook::kRootTag), realms);
  const std::vector<parkshapes::ParkModel> built = BuildObjectModels();
  std::map<std::string, const parkshapes::ParkModel*> models;
  for (const parkshapes::ParkModel& model : built) models[model.file] = &model;
  const std::map<std::string, std::vector<PlacedModel>> types = ReadDescriptors(data);
  const fs::path entryFolder = park / "images" / "GuiImages" / "BuildingImages";
  for (const auto& realm : realms) {
    for (const BookItem& item : realm) {
      const auto type = types.find(item.geometryName.Std());
      const std::vector<PicturePart> parts =
          type == types.end() ? std::vector<PicturePart>() : PartsOf(type->second, models);
      if (parts.empty()) {
        std::fprintf(stderr, "bookimages: no model for %s\n", item.geometryName.CStr());
        ok = false;
      }
      ok &= WriteImage(entryFolder / item.imageName.Std(),
                       bookimages::DrawModelPicture(parts, kEntryWidth, kEntryHeight));
    }
  }
  return ok ? 0 : 1;
}
