#pragma once
// Builds the whole GUI from the two files in "guifiles" of the working
// directory: GuiXML.xml lists every element with its type, parent and
// properties (read by position), guidefines.h gives each element name its
// id. Every element is made by the creator of its type; top-level shapes
// and windows become layers of the GUI manager, the others children of the
// element their "parentid" names. The buttons' click actions go to the
// action sink once every element exists.
//
// A loader is used once, on the loading thread. The elements it makes
// outlive it; until Load ends they are only reachable from here, and the
// layers are published together at its end, whole.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/EngineString.h"
#include "engine/core/XmlNode.h"
#include "gui/core/GuiColour.h"
#include "gui/loader/GuiAction.h"
#include "gui/loader/GuiXmlRecords.h"

class CGuiElement;
class CGuiMainClass;

class CGuiXmlLoader {
 public:
  // The deepest element a description may make, in nesting and in parentid
  // links; below it the widgets' own parts still fit the element tree.
  static constexpr int32_t kMaxDescriptionDepth = 32;

  // Layers go to the GUI manager (g_guiMain when null); actions and the
  // progress count to the sink, when there is one.
  explicit CGuiXmlLoader(GuiActionSink* sink = nullptr, CGuiMainClass* gui = nullptr);
  ~CGuiXmlLoader();
  CGuiXmlLoader(const CGuiXmlLoader&) = delete;
  CGuiXmlLoader& operator=(const CGuiXmlLoader&) = delete;

  // Reads both files of the working directory and builds the GUI. A missing
  // or broken description ends the program through the XML reader.
  void Load();
  // The part of Load after the files were opened: the elements of the "GUI"
  // node, then the layers and the actions.
  void LoadFromNode(const XmlNode& gui);

  void ReadDefines(const EngineString& path);
  // The defines of a defines file's text, appended in file order.
  void ParseDefines(const std::string& text);
  int32_t GetDefine(const EngineString& name) const;
  int32_t IdByName(const EngineString& name) const;
  int32_t IndexByName(const EngineString& name) const;
  // Splits the text into the pieces (at least one; empty ones kept, nothing
  // trimmed) and returns their number.
  int32_t SplitList(const EngineString& text, char separator);

  const std::vector<EngineString>& GetPieces() const { return m_pieces; }
  const std::vector<NameIntPair>& GetDefines() const { return m_defines; }
  const std::vector<GuiXmlElementDesc>& GetDescriptions() const { return m_descriptions; }
  int32_t GetElementCount() const { return m_elementCount; }
  const EngineString& GetWorkingDirectory() const { return m_workingDirectory; }
  void SetWorkingDirectory(const EngineString& directory) { m_workingDirectory = directory; }

  // The creators, one per element type: (element id, parent name, the
  // element's properties, index of its description).
  void CreateShape(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateWindow(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateButton(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateAnimButton(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateTextBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateStaticText(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateEditBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateCheckBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateListBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateComboBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateDropDown(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);
  void CreateGrid(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index);

 private:
  struct PendingLayer {
    int32_t id = 0;
    uint8_t active = 0;
    std::unique_ptr<CGuiElement> root;
    uint8_t sticky = 0;
  };
  struct FontParams {
    int32_t size = 0;
    int32_t weight = 400;
    uint8_t italic = 0;
    EngineString face;
  };

  // depth: how deep node lies in "ChildElement" nesting, 0 at the top.
  void LoadChildren(XmlNode node, int32_t depth);
  void ReadElement(const XmlNode& node, bool nested, int32_t depth);
  void CreateOfType(const EngineString& type, bool nested, int32_t id, const EngineString& parentName,
                    const GuiPropertyList& props, int32_t index);
  void RegisterActions();
  void RegisterActionsOf(const GuiXmlElementDesc& desc);
  void PublishLayers();

  // The parent element named by the parent name, or null (with a message)
  // when it does not exist; also null without a message for refused lists.
  CGuiElement* RequireParent(const EngineString& parentName, const GuiPropertyList& props, size_t needed,
                             int32_t index);
  // False (with a message) when the element has fewer properties.
  bool HasProperties(const GuiPropertyList& props, size_t needed, int32_t index) const;
  void Refuse(int32_t index, const char* reason) const;
  // Stores the element in its description and attaches it to the parent,
  // or keeps it as a layer to publish when there is no parent.
  // The element made for the description of that name, null when none was.
  CGuiElement* ElementByName(const EngineString& name) const;
  // True (the element refused with the reason) when nothing may hang below
  // parent because it lies at the tree's deepest level.
  bool TooDeepBelow(const CGuiElement* parent, int32_t index) const;
  void Attach(CGuiElement* element, CGuiElement* parent, int32_t index);
  void KeepLayer(CGuiElement* root, int32_t id, uint8_t active, uint8_t sticky, int32_t index);

  EngineString Image(const EngineString& text) const;
  GuiColour Colour(const EngineString& text, uint8_t alpha);
  FontParams Font(const EngineString& size, const EngineString& style, const EngineString& face) const;
  template <class T>
  void ApplyFont(T& element, const FontParams& font);

  std::vector<EngineString> m_pieces;
  std::vector<NameIntPair> m_defines;
  EngineString m_workingDirectory;
  std::vector<GuiXmlElementDesc> m_descriptions;
  int32_t m_elementCount = 0;

  GuiActionSink* m_sink = nullptr;
  CGuiMainClass* m_gui = nullptr;
  std::vector<PendingLayer> m_layers;
};
