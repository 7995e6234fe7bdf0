#include "gui/loader/CGuiXmlLoader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "gui/core/CGuiElement.h"
#include "gui/core/CGuiMainClass.h"
#include "platform/os/DebugOutput.h"
#include "platform/os/Path.h"

namespace {

constexpr const char* kDescriptionFile = "\\guifiles\\GuiXML.xml";
constexpr const char* kDefinesFile = "\\guifiles\\guidefines.h";

struct ActionName {
  const char* name;
  int32_t code;
};

constexpr ActionName kActions[] = {
    {"OpenMenu", 4},
    {"CloseMenu", 7},
    {"OpenWnd", 6},
    {"ClosePopup", 7},
};

// A define's value: a decimal integer with an optional sign, read as far as
// it goes ("0x10" is 0). False when the word does not start with one.
bool ParseDefineValue(const std::string& word, int32_t& value) {
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(word.c_str(), &end, 10);
  if (end == word.c_str()) return false;
  if (errno == ERANGE || parsed > INT32_MAX || parsed < INT32_MIN) {
    value = parsed < 0 ? INT32_MIN : INT32_MAX;
  } else {
    value = int32_t(parsed);
  }
  return true;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

EngineString AttributeText(const XmlNode& node, const char* name) { return EngineString(node.GetAttribute(name)); }

// The properties of the element's first "DataField", in document order.
GuiPropertyList ReadProperties(const XmlNode& element) {
  GuiPropertyList props;
  const XmlNode field = element.GetChildNode("DataField");
  int index = 0;
  for (XmlNode p = field.GetChildNode("Properties", &index); !p.IsEmpty();
       p = field.GetChildNode("Properties", &index)) {
    props.push_back({AttributeText(p, "name"), AttributeText(p, "value")});
  }
  return props;
}

}  // namespace

CGuiXmlLoader::CGuiXmlLoader(GuiActionSink* sink, CGuiMainClass* gui) : m_sink(sink), m_gui(gui) {}

CGuiXmlLoader::~CGuiXmlLoader() = default;

void CGuiXmlLoader::Load() {
  m_workingDirectory = plat::CurrentDirectory().c_str();
  ReadDefines(m_workingDirectory + kDefinesFile);
  const EngineString description = m_workingDirectory + kDescriptionFile;
  LoadFromNode(XmlNode::OpenFileHelper(description.CStr(), "GUI"));
}

void CGuiXmlLoader::LoadFromNode(const XmlNode& gui) {
  m_elementCount = 0;
  // Only "GuiElement" children are read, so other children (which the
  // format does not allow) cannot shift the reading.
  const XmlNode dictionary = gui.GetChildNode("DataDictionary");
  int index = 0;
  for (XmlNode element = dictionary.GetChildNode("GuiElement", &index); !element.IsEmpty();
       element = dictionary.GetChildNode("GuiElement", &index)) {
    ReadElement(element, false, 0);
  }
  PublishLayers();
  RegisterActions();
}

void CGuiXmlLoader::LoadChildren(XmlNode node, int32_t depth) {
  const XmlNode children = node.GetChildNode("ChildElement");
  int index = 0;
  for (XmlNode element = children.GetChildNode("GuiElement", &index); !element.IsEmpty();
       element = children.GetChildNode("GuiElement", &index)) {
    ReadElement(element, true, depth);
  }
}

void CGuiXmlLoader::ReadElement(const XmlNode& node, bool nested, int32_t depth) {
  if (depth > kMaxDescriptionDepth) {
    plat::OutputDebugString("GUI description: element '" + AttributeText(node, "id").Std() +
                            "' not read: nested deeper than " + std::to_string(kMaxDescriptionDepth) +
                            " levels\n");
    return;
  }
  const EngineString name = AttributeText(node, "id");
  const EngineString parentName = AttributeText(node, "parentid");
  const EngineString type = AttributeText(node, "type");
  const GuiPropertyList props = ReadProperties(node);

  GuiXmlElementDesc desc;
  desc.name = name;
  desc.id = GetDefine(name);
  desc.parentName = parentName;
  m_descriptions.push_back(std::move(desc));

  CreateOfType(type, nested, IdByName(name), parentName, props, m_elementCount);
  ++m_elementCount;
  if (m_sink) m_sink->loadProgressCounter.fetch_add(1, std::memory_order_relaxed);
  LoadChildren(node, depth + 1);
}

void CGuiXmlLoader::CreateOfType(const EngineString& type, bool nested, int32_t id, const EngineString& parentName,
                                 const GuiPropertyList& props, int32_t index) {
  using Creator = void (CGuiXmlLoader::*)(int32_t, EngineString, GuiPropertyList, int32_t);
  struct TypeName {
    const char* name;
    Creator creator;
    bool nestedOnly;
  };
  static const TypeName kTypes[] = {
      {"Shape", &CGuiXmlLoader::CreateShape, false},
      {"Window", &CGuiXmlLoader::CreateWindow, false},
      {"Button", &CGuiXmlLoader::CreateButton, false},
      {"AnimatedButton", &CGuiXmlLoader::CreateAnimButton, false},
      {"TextBox", &CGuiXmlLoader::CreateTextBox, false},
      {"EditBox", &CGuiXmlLoader::CreateEditBox, true},
      {"StaticText", &CGuiXmlLoader::CreateStaticText, false},
      {"ListBox", &CGuiXmlLoader::CreateListBox, false},
      {"CheckBox", &CGuiXmlLoader::CreateCheckBox, false},
      {"ComboBox", &CGuiXmlLoader::CreateComboBox, false},
      {"DropDown", &CGuiXmlLoader::CreateDropDown, false},
      {"GridControl", &CGuiXmlLoader::CreateGrid, false},
  };
  for (const TypeName& entry : kTypes) {
    if (type != entry.name) continue;
    if (entry.nestedOnly && !nested) return;
    (this->*entry.creator)(id, parentName, props, index);
    return;
  }
}

void CGuiXmlLoader::ReadDefines(const EngineString& path) {
  std::string text;
  if (!plat::ReadWholeFile(path.Std(), text)) return;
  ParseDefines(text);
}

void CGuiXmlLoader::ParseDefines(const std::string& text) {
  const std::vector<std::string> words = Words(text);
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] != "#define" || i + 1 >= words.size()) continue;
    // A define without a number (an include guard, say) is dropped, and the
    // word after its name is read again, so a following "#define" counts.
    int32_t value = 0;
    if (i + 2 < words.size() && ParseDefineValue(words[i + 2], value)) {
      m_defines.push_back({words[i + 1].c_str(), value});
      i += 2;
    } else {
      i += 1;
    }
  }
}

int32_t CGuiXmlLoader::GetDefine(const EngineString& name) const {
  for (const NameIntPair& define : m_defines) {
    if (define.name == name) return define.value;
  }
  return -1;
}

int32_t CGuiXmlLoader::IdByName(const EngineString& name) const {
  const int32_t index = IndexByName(name);
  return index < 0 ? -1 : m_descriptions[size_t(index)].id;
}

int32_t CGuiXmlLoader::IndexByName(const EngineString& name) const {
  for (size_t i = 0; i < m_descriptions.size(); ++i) {
    if (m_descriptions[i].name == name) return int32_t(i);
  }
  return -1;
}

int32_t CGuiXmlLoader::SplitList(const EngineString& text, char separator) {
  m_pieces.clear();
  const char delimiter[2] = {separator, '\0'};
  uint32_t start = 0;
  for (int32_t at = text.Find(delimiter, start); at >= 0; at = text.Find(delimiter, start)) {
    m_pieces.push_back(text.Mid(start, uint32_t(at)));
    start = uint32_t(at) + 1;
  }
  m_pieces.push_back(text.Mid(start, uint32_t(text.Length())));
  return int32_t(m_pieces.size());
}

void CGuiXmlLoader::PublishLayers() {
  CGuiMainClass* gui = m_gui ? m_gui : g_guiMain;
  for (PendingLayer& layer : m_layers) {
    if (!gui) break;
    gui->AddLayer(layer.id, layer.active, layer.root.release(), layer.sticky);
  }
  m_layers.clear();
}

void CGuiXmlLoader::RegisterActions() {
  for (const GuiXmlElementDesc& desc : m_descriptions) {
    if (desc.actions.Length() > 0) RegisterActionsOf(desc);
  }
}

void CGuiXmlLoader::RegisterActionsOf(const GuiXmlElementDesc& desc) {
  // Widget notifications of elements without an id carry sender -1 too, so
  // an action of sender -1 would fire for clicks anywhere.
  if (desc.id == -1) {
    plat::OutputDebugString("GUI description: no id for '" + desc.name.Std() + "', its actions are ignored\n");
    return;
  }
  const int32_t count = SplitList(desc.actions, ',');
  const std::vector<EngineString> pieces = m_pieces;
  for (int32_t i = 0; i + 1 < count; i += 2) {
    const EngineString& action = pieces[size_t(i) + 1];
    for (const ActionName& known : kActions) {
      if (action != known.name) continue;
      if (m_sink) m_sink->QueueRecord20({desc.id, IdByName(pieces[size_t(i)]), known.code, desc.id, 0});
      break;
    }
  }
}
