#include "platform/gfx/FontCatalog.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <map>
#include <mutex>
#include <tuple>

namespace plat {

namespace {

struct Catalog {
  std::mutex mutex;
  FcConfig* config = nullptr;
  std::map<std::tuple<std::string, int, bool>, std::string> cache;

  // Some of fontconfig's match state is reachable only through the config, so
  // it is destroyed rather than left to the end of the process.
  ~Catalog() {
    if (config) FcConfigDestroy(config);
  }
};

Catalog& TheCatalog() {
  static Catalog catalog;
  return catalog;
}

// A scalable file for the family; fontconfig's own aliases already map
// well-known names (such as "Arial") onto metric-compatible installed fonts
// and unknown names onto the default face.
std::string MatchFile(FcConfig* config, const std::string& family, int weight, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return {};
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  std::string file;
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
    file = reinterpret_cast<const char*>(path);
  }
  if (match) FcPatternDestroy(match);
  return file;
}

std::string Lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace

std::string FindFontFile(std::string_view face, int weight, bool italic) {
  Catalog& catalog = TheCatalog();
  std::lock_guard<std::mutex> lock(catalog.mutex);
  auto key = std::make_tuple(Lowered(face), weight, italic);
  if (auto it = catalog.cache.find(key); it != catalog.cache.end()) return it->second;
  if (!catalog.config) catalog.config = FcInitLoadConfigAndFonts();
  std::string file;
  if (catalog.config) {
    std::string family = face.empty() ? std::string("sans-serif") : std::string(face);
    file = MatchFile(catalog.config, family, weight, italic);
    if (file.empty()) file = MatchFile(catalog.config, "sans-serif", weight, italic);
  }
  catalog.cache.emplace(std::move(key), file);
  return file;
}

}  // namespace plat
