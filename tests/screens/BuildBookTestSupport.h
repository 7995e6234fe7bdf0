#pragma once
// What the build book tests share: a book host that stands in for the game
// (catalogue, placed ids, the template and its fixed-spot placing),
// and a world with the book's window and controls, the book file written
// from entries given per realm, and the book made and loaded over it.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "screens/REraduzizBuildBook.h"
#include "screens/REraduzizBuildBookHost.h"
#include "tests/platform/os/TempTree.h"
#include "tests/screens/ScreenTestSupport.h"

namespace booktest {

class FakeBookHost : public REraduzizBuildBookHost {
 public:
  EngineString GetBaseDirectory() const override { return baseDirectory; }
  std::optional<int32_t> GetRunningScenario() const override { return scenario; }
  std::optional<int32_t> GetRatingBand() const override { return band; }
  bool IsBuilt(const EngineString& id) const override { return built.count(id.Std()) != 0; }
  std::optional<int32_t> FindObjectType(const EngineString& name) const override;
  bool SelectBuildItem(int32_t index, int32_t price) override;
  std::optional<EngineString> GetTemplateId() const override { return templateId; }
  // Places when no object of the template's id stands on the spot yet.
  bool PlaceTemplateAt(const plat::Vec3& position, float rotationDegrees) override;
  void ResetTemplate() override;
  uint8_t& PlacementAllowed() override { return placementAllowed; }
  void RefreshStatusDisplay() override { ++statusRefreshes; }
  void ShowMessage(const EngineString& text) override { messages.push_back(text.Std()); }

  struct Placed {
    std::string id;
    plat::Vec3 position;
    float rotation;
  };

  EngineString baseDirectory;
  std::optional<int32_t> scenario;
  std::optional<int32_t> band;
  std::set<std::string> built;
  // What the placings charged.
  int32_t charged = 0;
  // The catalogue: type names in index order.
  std::vector<std::string> catalogue;
  std::optional<EngineString> templateId;
  int32_t templatePrice = 0;
  std::vector<std::pair<int32_t, int32_t>> selections;
  std::vector<Placed> placed;
  int templateResets = 0;
  uint8_t placementAllowed = 1;
  int statusRefreshes = 0;
  std::vector<std::string> messages;
};

// One entry of a fixture book file.
struct Entry {
  std::string geometry;
  std::string name;
  int32_t price = 100;
  int32_t capacity = 0;
  int32_t level = 0;
};

// The book file's text with these entries per realm key, in order.
std::string BookXml(const std::vector<std::pair<std::string, std::vector<Entry>>>& realms);
// The realm keys of the book, by realm index.
extern const char* const kRealmKeys[REraduzizBuildBook::kRealmCount];

class BookWorld {
 public:
  // The book's window with every control, the labels of the slot texts in
  // the text table, and a host whose base directory is a scratch folder.
  BookWorld();
  ~BookWorld();

  // Writes the book file and the entries' pictures, then makes and loads
  // the book. realms[i] are the entries of realm i.
  void Load(const std::array<std::vector<Entry>, REraduzizBuildBook::kRealmCount>& realms);
  void Click(int32_t sender);
  // The lines of a slot's text box.
  std::vector<std::string> SlotLines(int32_t slot);
  std::vector<REraduzizBuildBook::SlotLook> Looks();
  bool IsTabShown(int32_t id);

  plat::test::TempTree folder;
  screentest::ScreenWorld world;
  FakeBookHost host;
  std::unique_ptr<REraduzizBuildBook> book;
};

}  // namespace booktest
