#include "park/foods/CFoodCatalog.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/core/SceneStream.h"
#include "engine/core/XmlNode.h"
#include "platform/os/MessageBox.h"

namespace {

constexpr const char* kRootTag = "FoodDescriptor";
constexpr const char* kUnreadCaption = "Foods file";

// Calls read(child) for the children of that name, in file order; a list
// takes no more records than a saved park file holds, so that every
// catalogue can be saved and read back.
template <class Read>
void ForEachChild(const XmlNode& parent, const char* name, Read read) {
  int index = 0;
  int32_t count = 0;
  for (XmlNode child = parent.GetChildNode(name, &index); !child.IsEmpty() && count < CFoodCatalog::kMaxSavedRecords;
       child = parent.GetChildNode(name, &index), ++count) {
    read(child);
  }
}

int32_t IntAttribute(const XmlNode& node, const char* name, int32_t fallback) {
  const char* text = node.GetAttribute(name);
  return text ? EngineString(text).ToInt() : fallback;
}

// A name is held to what the saved game's strings hold, so that a park
// saved with it can be read back.
EngineString NameAttribute(const XmlNode& node) {
  const char* text = node.GetAttribute("name");
  if (!text) return EngineString();
  return EngineString(std::string(text).substr(0, SceneStream::kMaxStringBytes).c_str());
}

// Only the toppings of restaurant foods carry "active" in the file.
std::unique_ptr<ToppingRecord> ReadTopping(const XmlNode& node, bool readActive) {
  auto topping = std::make_unique<ToppingRecord>();
  topping->id = IntAttribute(node, "id", topping->id);
  topping->name = NameAttribute(node);
  topping->cost = IntAttribute(node, "cost", topping->cost);
  if (readActive) topping->active = IntAttribute(node, "active", topping->active);
  return topping;
}

std::unique_ptr<ToppingTypeRecord> ReadToppingType(const XmlNode& node) {
  auto type = std::make_unique<ToppingTypeRecord>();
  type->id = IntAttribute(node, "id", type->id);
  type->name = NameAttribute(node);
  ForEachChild(node, "FELTET", [&](const XmlNode& child) { type->toppings.push_back(ReadTopping(child, false)); });
  return type;
}

// Kiosk foods have no toppings: any in the file are ignored.
std::unique_ptr<FoodRecord> ReadFood(const XmlNode& node, bool withToppings) {
  auto food = std::make_unique<FoodRecord>();
  food->id = IntAttribute(node, "id", food->id);
  food->name = NameAttribute(node);
  food->cost = IntAttribute(node, "cost", food->cost);
  food->del = IntAttribute(node, "del", food->del);
  if (withToppings) {
    ForEachChild(node, "FELTET", [&](const XmlNode& child) { food->toppings.push_back(ReadTopping(child, true)); });
  }
  return food;
}

std::unique_ptr<FoodTypeRecord> ReadFoodType(const XmlNode& node) {
  auto type = std::make_unique<FoodTypeRecord>();
  type->id = IntAttribute(node, "id", type->id);
  type->name = NameAttribute(node);
  type->cost = IntAttribute(node, "cost", type->cost);
  ForEachChild(node, "FOOD", [&](const XmlNode& child) { type->foods.push_back(ReadFood(child, true)); });
  return type;
}

template <class Record>
Record* FindById(const std::vector<std::unique_ptr<Record>>& records, int32_t id) {
  const auto at = std::find_if(records.begin(), records.end(), [id](const auto& r) { return r->id == id; });
  return at == records.end() ? nullptr : at->get();
}

// Saved blocks. Each list is a count, then its records; a record's own list
// follows its fields.
void WriteTopping(SceneStream& out, const ToppingRecord& topping) {
  out.WriteInt32(topping.id);
  out.WriteInt32(topping.cost);
  out.WriteInt32(topping.active);
  out.WriteString(topping.name);
}

void WriteToppings(SceneStream& out, const std::vector<std::unique_ptr<ToppingRecord>>& toppings) {
  out.WriteInt32(static_cast<int32_t>(toppings.size()));
  for (const auto& topping : toppings) WriteTopping(out, *topping);
}

void WriteFoodFields(SceneStream& out, const FoodRecord& food) {
  out.WriteInt32(food.id);
  out.WriteInt32(food.cost);
  out.WriteInt32(food.del);
  out.WriteString(food.name);
}

// Reads a count and then that many records with read(); false when the
// stream failed on the way.
template <class Record, class Read>
bool ReadList(SceneStream& in, std::vector<std::unique_ptr<Record>>& records, Read read) {
  const int32_t count = in.ReadCount(CFoodCatalog::kMaxSavedRecords);
  for (int32_t i = 0; i < count && in.Good(); ++i) records.push_back(read(in));
  return in.Good();
}

std::unique_ptr<ToppingRecord> ReadSavedTopping(SceneStream& in) {
  auto topping = std::make_unique<ToppingRecord>();
  topping->id = in.ReadInt32();
  topping->cost = in.ReadInt32();
  topping->active = in.ReadInt32();
  topping->name = in.ReadString();
  return topping;
}

std::unique_ptr<FoodRecord> ReadSavedFoodFields(SceneStream& in) {
  auto food = std::make_unique<FoodRecord>();
  food->id = in.ReadInt32();
  food->cost = in.ReadInt32();
  food->del = in.ReadInt32();
  food->name = in.ReadString();
  return food;
}

std::unique_ptr<ToppingTypeRecord> ReadSavedToppingType(SceneStream& in) {
  auto type = std::make_unique<ToppingTypeRecord>();
  type->id = in.ReadInt32();
  type->name = in.ReadString();
  ReadList(in, type->toppings, ReadSavedTopping);
  return type;
}

std::unique_ptr<FoodRecord> ReadSavedRestaurantFood(SceneStream& in) {
  auto food = ReadSavedFoodFields(in);
  ReadList(in, food->toppings, ReadSavedTopping);
  return food;
}

std::unique_ptr<FoodTypeRecord> ReadSavedFoodType(SceneStream& in) {
  auto type = std::make_unique<FoodTypeRecord>();
  type->id = in.ReadInt32();
  type->cost = in.ReadInt32();
  type->name = in.ReadString();
  ReadList(in, type->foods, ReadSavedRestaurantFood);
  return type;
}

}  // namespace

CFoodCatalog::CFoodCatalog() = default;

CFoodCatalog::~CFoodCatalog() = default;

void CFoodCatalog::Clear() {
  kioskFoods.clear();
  restaurantFoodTypes.clear();
  toppingTypes.clear();
}

bool CFoodCatalog::LoadFoodDescriptorFile(const EngineString& path) {
  XmlParseResult result;
  const XmlNode root = XmlNode::ParseFile(path.CStr(), kRootTag, &result);
  // A document the reader had to mend (an unclosed tag, say) is refused too.
  if (root.IsEmpty() || result.code != kXmlNoError) {
    EngineString message;
    message.Format(
        "The foods file '%s' could not be read: %s (line %i, column %i).\n"
        "The park's kiosks and restaurants have nothing to sell until the file is mended.",
        path.CStr(), XmlErrorText(result.code), result.line, result.column);
    plat::MessageBox(message.CStr(), kUnreadCaption, plat::kMbTopmost | plat::kMbIconError);
    return false;
  }
  LoadFromNode(root);
  return true;
}

bool CFoodCatalog::Reload(const EngineString& path) {
  Clear();
  return LoadFoodDescriptorFile(path);
}

void CFoodCatalog::LoadFromNode(const XmlNode& root) {
  const XmlNode dictionary = root.GetChildNode("DataDictionary");
  ForEachChild(dictionary.GetChildNode("FELTET_TYPES"), "FELTET_TYPE",
               [&](const XmlNode& node) { toppingTypes.push_back(ReadToppingType(node)); });
  ForEachChild(dictionary.GetChildNode("KIOSK"), "FOOD",
               [&](const XmlNode& node) { kioskFoods.push_back(ReadFood(node, false)); });
  ForEachChild(dictionary.GetChildNode("RESTAURANT"), "FOOD_TYPE",
               [&](const XmlNode& node) { restaurantFoodTypes.push_back(ReadFoodType(node)); });
}

FoodRecord* CFoodCatalog::FindKioskFood(int32_t id) const { return FindById(kioskFoods, id); }

FoodTypeRecord* CFoodCatalog::FindFoodType(int32_t id) const { return FindById(restaurantFoodTypes, id); }

FoodRecord* CFoodCatalog::FindRestaurantFood(int32_t typeId, int32_t foodId) const {
  const FoodTypeRecord* type = FindFoodType(typeId);
  return type ? FindById(type->foods, foodId) : nullptr;
}

ToppingTypeRecord* CFoodCatalog::FindToppingType(int32_t id) const { return FindById(toppingTypes, id); }

void CFoodCatalog::WriteState(SceneStream& out) const {
  out.WriteInt32(static_cast<int32_t>(toppingTypes.size()));
  for (const auto& type : toppingTypes) {
    out.WriteInt32(type->id);
    out.WriteString(type->name);
    WriteToppings(out, type->toppings);
  }
  out.WriteInt32(static_cast<int32_t>(kioskFoods.size()));
  for (const auto& food : kioskFoods) WriteFoodFields(out, *food);
  out.WriteInt32(static_cast<int32_t>(restaurantFoodTypes.size()));
  for (const auto& type : restaurantFoodTypes) {
    out.WriteInt32(type->id);
    out.WriteInt32(type->cost);
    out.WriteString(type->name);
    out.WriteInt32(static_cast<int32_t>(type->foods.size()));
    for (const auto& food : type->foods) {
      WriteFoodFields(out, *food);
      WriteToppings(out, food->toppings);
    }
  }
}

bool CFoodCatalog::ReadState(SceneStream& in) {
  CFoodCatalog read;
  if (!ReadList(in, read.toppingTypes, ReadSavedToppingType) || !ReadList(in, read.kioskFoods, ReadSavedFoodFields) ||
      !ReadList(in, read.restaurantFoodTypes, ReadSavedFoodType)) {
    return false;
  }
  toppingTypes = std::move(read.toppingTypes);
  kioskFoods = std::move(read.kioskFoods);
  restaurantFoodTypes = std::move(read.restaurantFoodTypes);
  return true;
}
