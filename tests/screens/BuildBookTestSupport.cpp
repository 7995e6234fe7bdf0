#include "tests/screens/BuildBookTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "gui/core/GuiTextTable.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiTextBox.h"
#include "gui/widgets/CGuiWindow.h"
#include "platform/gfx/PngWriter.h"
#include "screens/ScreenIds.h"

namespace booktest {

const char* const kRealmKeys[REraduzizBuildBook::kRealmCount] = {"Morwenne_Realm", "Varnoth_Realm", "Quellin_Realm",
                                                                 "Tessavar_Realm", "General_Buildings"};

std::optional<int32_t> FakeBookHost::FindObjectType(const EngineString& name) const {
  const auto found = std::find(catalogue.begin(), catalogue.end(), name.Std());
  if (found == catalogue.end()) return std::nullopt;
  return int32_t(found - catalogue.begin());
}

bool FakeBookHost::SelectBuildItem(int32_t index, int32_t price) {
  if (index < 0 || index >= int32_t(catalogue.size())) return false;
  selections.emplace_back(index, price);
  templateId = EngineString(catalogue[size_t(index)].c_str());
  templatePrice = price;
  return true;
}

bool FakeBookHost::PlaceTemplateAt(const plat::Vec3& position, float rotationDegrees) {
  if (!templateId) return false;
  const std::string id = templateId->Std();
  const bool taken = std::any_of(placed.begin(), placed.end(), [&](const Placed& object) {
    return object.id == id && object.position.x == position.x && object.position.z == position.z;
  });
  if (taken) return false;
  placed.push_back({id, position, rotationDegrees});
  charged += templatePrice;
  ResetTemplate();
  return true;
}

void FakeBookHost::ResetTemplate() {
  ++templateResets;
  templateId = EngineString();
  templatePrice = 0;
}

std::string BookXml(const std::vector<std::pair<std::string, std::vector<Entry>>>& realms) {
  std::string xml = "<?xml version=\"1.0\"?>\n<BookDescriptor><DataDictionary>\n";
  for (const auto& [key, entries] : realms) {
    xml += "<Object id=\"" + key + "\">\n";
    for (const Entry& entry : entries) {
      xml += "<DataField><GeometryName>" + entry.geometry + "</GeometryName><ObjectName>" + entry.name +
             "</ObjectName><ObjectPrice>" + std::to_string(entry.price) + "</ObjectPrice><ObjectCapacity>" +
             std::to_string(entry.capacity) + "</ObjectCapacity><ShortDesc>About it</ShortDesc><imgName>" +
             entry.geometry + ".png</imgName><bAnimated>true</bAnimated><enabled>true</enabled><grLevel>" +
             std::to_string(entry.level) + "</grLevel><clLevel>0</clLevel></DataField>\n";
    }
    xml += "</Object>\n";
  }
  return xml + "</DataDictionary></BookDescriptor>\n";
}

namespace {

void WritePicture(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::vector<uint32_t> pixels(4 * 4, 0xFF336699u);
  plat::WritePngFile(path, 4, 4, pixels.data());
}

}  // namespace

BookWorld::BookWorld() : world(false) {
  guitest::GuiTestKit& kit = world.kit;
  CGuiWindow* window = kit.Add<CGuiWindow>(nullptr, screen_ids::kBuildBook, 100, 100, 780, 540);
  for (int32_t i = 0; i < REraduzizBuildBook::kRealmCount; ++i) {
    kit.Add<CGuiButton>(window, REraduzizBuildBook::kTabsA + i, 400 + 70 * i, 10, 60, 20, kElementTypeButton, 4);
    kit.Add<CGuiButton>(window, REraduzizBuildBook::kTabsB + i, 10 + 70 * i, 10, 60, 20, kElementTypeButton, 4);
  }
  for (int32_t j = 0; j < REraduzizBuildBook::kSlotCount; ++j) {
    kit.Add<CGuiWindow>(window, REraduzizBuildBook::kItemFrames[j], 10 + 380 * (j / 2), 40 + 200 * (j % 2), 160, 120);
    kit.Add<CGuiTextBox>(window, REraduzizBuildBook::kItemTexts[j], 180 + 380 * (j / 2), 40 + 200 * (j % 2), 300, 120);
    kit.Add<CGuiButton>(window, REraduzizBuildBook::kBuyButtons + j, 10 + 380 * (j / 2), 170 + 200 * (j % 2), 160, 20,
                        kElementTypeButton, 4);
  }
  for (int32_t id : {REraduzizBuildBook::kPreviousPage, REraduzizBuildBook::kNextPage}) {
    kit.Add<CGuiButton>(window, id, 10, 500, 40, 20, kElementTypeButton, 4);
  }
  kit.Gui().GetTextTable().Parse(
      "100103 Price\n100216 Capacity\n100234 visitors\n100187 Not_enough_money\n"
      "100146 Morwenne\n100147 Varnoth\n100148 Quellin\n100149 Tessavar\n100150 General\n");
  host.baseDirectory = EngineString(folder.Root().c_str());
}

BookWorld::~BookWorld() = default;

void BookWorld::Load(const std::array<std::vector<Entry>, REraduzizBuildBook::kRealmCount>& realms) {
  std::vector<std::pair<std::string, std::vector<Entry>>> keyed;
  for (int32_t i = 0; i < REraduzizBuildBook::kRealmCount; ++i) {
    keyed.emplace_back(kRealmKeys[i], realms[size_t(i)]);
    for (const Entry& entry : realms[size_t(i)]) {
      WritePicture(folder.Host("images/GuiImages/BuildingImages/" + entry.geometry + ".png"));
    }
  }
  folder.Write("objects/Book/book_NL.xml", BookXml(keyed));
  CGuiElement* window = world.kit.Gui().FindElement(screen_ids::kBuildBook);
  book = std::make_unique<REraduzizBuildBook>(window, world.host, &host);
  book->LoadBook(host.baseDirectory);
}

void BookWorld::Click(int32_t sender) {
  GuiCommand command{sender, -1, kCmdClick, 0, 0, 0};
  book->OnGuiCommand(command);
}

std::vector<std::string> BookWorld::SlotLines(int32_t slot) {
  std::vector<std::string> lines;
  CGuiTextBox* box = book->itemTexts[size_t(slot)];
  if (!box) return lines;
  for (const EngineString& line : box->GetLines()) lines.push_back(line.Std());
  return lines;
}

std::vector<REraduzizBuildBook::SlotLook> BookWorld::Looks() {
  std::vector<REraduzizBuildBook::SlotLook> looks;
  for (int32_t slot = 0; slot < REraduzizBuildBook::kSlotCount; ++slot) looks.push_back(book->GetSlotLook(slot));
  return looks;
}

bool BookWorld::IsTabShown(int32_t id) {
  auto* tab = dynamic_cast<CGuiButton*>(world.kit.Gui().FindElement(id));
  return tab && tab->suppressed == 0;
}

}  // namespace booktest
