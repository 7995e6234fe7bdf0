// The creators of CGuiXmlLoader: one element type each, reading the
// element's properties by their named positions.
#include <algorithm>
#include <cstdint>

#include "gui/core/CGuiElement.h"
#include "gui/core/GuiGeometry.h"
#include "gui/loader/CGuiXmlLoader.h"
#include "gui/loader/GuiPropertyPositions.h"
#include "gui/widgets/CGuiAnimButton.h"
#include "gui/widgets/CGuiButton.h"
#include "gui/widgets/CGuiCheckBox.h"
#include "gui/widgets/CGuiComboBox.h"
#include "gui/widgets/CGuiDropDownMenu.h"
#include "gui/widgets/CGuiEditBox.h"
#include "gui/widgets/CGuiGrid.h"
#include "gui/widgets/CGuiListBox.h"
#include "gui/widgets/CGuiStaticText.h"
#include "gui/widgets/CGuiTextBox.h"
#include "gui/widgets/CGuiWindow.h"
#include "platform/os/DebugOutput.h"

namespace {

using namespace guiprops;

// Fixed images, relative to the working directory.
constexpr const char* kFrameImage = "images\\WinObjects\\WINDOW\\winBORDER_1x1.png";
constexpr const char* kScrollBackground = "images\\GuiImages\\alphaPX.png";
constexpr const char* kScrollUp = "images\\GuiImages\\SCROLL\\arrow_up_50x17.png";
constexpr const char* kScrollDown = "images\\GuiImages\\SCROLL\\arrow_dwn_50x17.png";
constexpr const char* kScrollThumb = "images\\GuiImages\\SCROLL\\12px.png";
constexpr const char* kGridBackground = "\\images\\WinObjects\\1x1\\BG_GridLight.png";

// Row and column counts beyond this are refused: the widgets keep one
// record per column and draw every visible row each frame.
constexpr int32_t kMaxCount = 1024;

// Record types and cell counts of CreateSized.
constexpr int32_t kShapeType = 0;
constexpr int32_t kTextBoxType = 1;
constexpr int32_t kStaticTextType = 2;
constexpr int32_t kGridType = 3;
constexpr int32_t kComboBoxType = 4;
constexpr int32_t kButtonType = 7;
constexpr int32_t kCheckBoxType = 8;
constexpr int32_t kListBoxType = 9;
constexpr int32_t kEditBoxType = 10;
constexpr int32_t kAnimButtonType = 11;
constexpr int32_t kDropDownType = 12;
constexpr int32_t kButtonCells = 4;
constexpr int32_t kAnimButtonCells = 1;

constexpr uint32_t kCentredBoth = 5;
constexpr uint32_t kVerticallyCentred = 4;
constexpr int32_t kCheckFrames = 6;
constexpr int32_t kDropButtonCells = 4;
constexpr int32_t kHeaderCells = 4;

const EngineString& Prop(const GuiPropertyList& props, size_t k) { return props[k].value; }
int32_t Number(const GuiPropertyList& props, size_t k) { return gui::ClampCoordinate(props[k].value.ToInt()); }
bool Flag(const GuiPropertyList& props, size_t k) { return props[k].value == "1"; }

// "1", "2", "3" give 0, 1, 2; anything else -1.
int32_t Choice(const EngineString& text) {
  if (text == "1") return 0;
  if (text == "2") return 1;
  if (text == "3") return 2;
  return -1;
}

int32_t Clamp32(int64_t value) { return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)); }

bool CountInRange(int32_t count) { return count >= 0 && count <= kMaxCount; }

void SetFrame(CGuiElement& element) { element.SetFrameTexture(kFrameImage, 1); }

template <class T>
void AddScrollBar(T& element) {
  element.CreateScrollBar(kScrollBackground, kScrollUp, kScrollDown, kScrollThumb);
}

}  // namespace

template <class T>
void CGuiXmlLoader::ApplyFont(T& element, const FontParams& font) {
  element.SetFont(font.size, 0, font.weight, font.italic, 1, 0, 4, 0, font.face);
}

EngineString CGuiXmlLoader::Image(const EngineString& text) const {
  // An empty value would name the working directory itself.
  return text.Length() == 0 ? EngineString() : m_workingDirectory + text;
}

GuiColour CGuiXmlLoader::Colour(const EngineString& text, uint8_t alpha) {
  const int32_t count = SplitList(text, ',');
  // Missing components read as 0; only the low eight bits of each count.
  auto component = [&](int32_t i) { return uint8_t(i < count ? m_pieces[size_t(i)].ToInt() & 0xFF : 0); };
  return GuiColour{alpha, component(0), component(1), component(2)};
}

CGuiXmlLoader::FontParams CGuiXmlLoader::Font(const EngineString& size, const EngineString& style,
                                              const EngineString& face) const {
  FontParams font;
  font.size = size.ToInt();
  font.face = face;
  switch (style.ToInt()) {
    case 2:
      font.weight = 700;
      break;
    case 4:
      font.weight = 700;
      font.italic = 1;
      break;
    case 33:
      font.italic = 1;
      break;
    default:
      break;
  }
  return font;
}

void CGuiXmlLoader::Refuse(int32_t index, const char* reason) const {
  const bool known = index >= 0 && size_t(index) < m_descriptions.size();
  const std::string name = known ? m_descriptions[size_t(index)].name.Std() : std::string("?");
  plat::OutputDebugString("GUI description: element '" + name + "' not created: " + reason + "\n");
}

bool CGuiXmlLoader::HasProperties(const GuiPropertyList& props, size_t needed, int32_t index) const {
  if (props.size() >= needed) return true;
  Refuse(index, "too few properties");
  return false;
}

CGuiElement* CGuiXmlLoader::RequireParent(const EngineString& parentName, const GuiPropertyList& props, size_t needed,
                                          int32_t index) {
  if (!HasProperties(props, needed, index)) return nullptr;
  CGuiElement* parent = ElementByName(parentName);
  if (!parent) Refuse(index, "its parent was not created");
  return parent && !TooDeepBelow(parent, index) ? parent : nullptr;
}

CGuiElement* CGuiXmlLoader::ElementByName(const EngineString& name) const {
  const int32_t found = name.Length() == 0 ? -1 : IndexByName(name);
  return found < 0 ? nullptr : m_descriptions[size_t(found)].element;
}

bool CGuiXmlLoader::TooDeepBelow(const CGuiElement* parent, int32_t index) const {
  if (parent->Depth() < kMaxDescriptionDepth) return false;
  Refuse(index, "its parent lies too deep in the element tree");
  return true;
}

void CGuiXmlLoader::Attach(CGuiElement* element, CGuiElement* parent, int32_t index) {
  parent->AddChild(element);
  if (index >= 0 && size_t(index) < m_descriptions.size()) m_descriptions[size_t(index)].element = element;
}

void CGuiXmlLoader::KeepLayer(CGuiElement* root, int32_t id, uint8_t active, uint8_t sticky, int32_t index) {
  m_layers.push_back({id, active, std::unique_ptr<CGuiElement>(root), sticky});
  if (index >= 0 && size_t(index) < m_descriptions.size()) m_descriptions[size_t(index)].element = root;
}

void CGuiXmlLoader::CreateShape(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  if (!HasProperties(props, shapeProps::kCount, index)) return;
  // A shape whose parent does not exist stands on its own as a layer.
  CGuiElement* parent = ElementByName(parentName);
  if (parent && TooDeepBelow(parent, index)) return;
  auto* shape = new CGuiWindow();
  shape->CreateSized(parent, id, kShapeType, Number(props, shapeProps::kX), Number(props, shapeProps::kY),
                     Number(props, shapeProps::kWidth), Number(props, shapeProps::kHeight), 0, 1, 1);
  shape->SetBackgroundTexture(Image(Prop(props, shapeProps::kImage)));
  if (parent) {
    Attach(shape, parent, index);
  } else {
    KeepLayer(shape, id, 1, 1, index);
  }
}

void CGuiXmlLoader::CreateWindow(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  if (!HasProperties(props, windowProps::kCount, index)) return;
  const bool titled = Flag(props, windowProps::kTitled);
  if (titled && !HasProperties(props, windowProps::kTitledCount, index)) return;
  CGuiElement* parent = nullptr;
  if (parentName.Length() > 0) {
    parent = RequireParent(parentName, props, windowProps::kCount, index);
    if (!parent) return;
  }
  const uint8_t shown = Flag(props, windowProps::kShown) ? 1 : 0;
  auto* window = new CGuiWindow();
  window->CreateSized(parent, id, kShapeType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                      Number(props, kHeight), 0, shown, shown);
  window->SetBackgroundTexture(Image(Prop(props, windowProps::kImage)));
  if (Flag(props, windowProps::kFramed)) SetFrame(*window);
  if (titled) {
    window->SetTitleBar(Image(Prop(props, windowProps::kTitleImage)), true, Number(props, windowProps::kTitleHeight),
                        2);
    ApplyFont(*window, Font(Prop(props, windowProps::kTitleSize), Prop(props, windowProps::kTitleStyle),
                            Prop(props, windowProps::kTitleFace)));
    window->SetTitle(Prop(props, windowProps::kTitle));
    window->SetTitleColours(Colour(Prop(props, windowProps::kTitleColour), 255),
                            Colour(Prop(props, windowProps::kTitleColour), 100));
  }
  if (parent) {
    Attach(window, parent, index);
  } else {
    KeepLayer(window, id, shown, Prop(props, windowProps::kSticky) == "TOP" ? 1 : 0, index);
  }
}

void CGuiXmlLoader::CreateButton(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, buttonProps::kCount, index);
  if (!parent) return;
  // A button under a disabled parent starts hidden and disabled.
  const uint8_t enabled = parent->record->enabled;
  auto* button = new CGuiButton();
  button->CreateSized(parent, id, kButtonType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                      Number(props, kHeight), kButtonCells, enabled, enabled);
  button->SetBackgroundTexture(Image(Prop(props, labelProps::kImage)));
  ApplyFont(*button,
            Font(Prop(props, labelProps::kSize), Prop(props, labelProps::kStyle), Prop(props, labelProps::kFace)));
  button->SetText(Prop(props, labelProps::kText), kCentredBoth);
  const EngineString& colour = Prop(props, labelProps::kColour);
  button->SetTextColours(Colour(colour, 250), Colour(colour, 200), Colour(colour, 255), Colour(colour, 50));
  Attach(button, parent, index);
  m_descriptions[size_t(index)].actions = Prop(props, buttonProps::kActions);
}

void CGuiXmlLoader::CreateAnimButton(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, animButtonProps::kCount, index);
  if (!parent) return;
  const uint8_t enabled = parent->record->enabled;
  auto* button = new CGuiAnimButton();
  button->CreateSized(parent, id, kAnimButtonType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                      Number(props, kHeight), kAnimButtonCells, enabled, enabled);
  const EngineString& imageValue = Prop(props, labelProps::kImage);
  const EngineString image = Image(imageValue);
  button->SetBackgroundTexture(image);
  ApplyFont(*button,
            Font(Prop(props, labelProps::kSize), Prop(props, labelProps::kStyle), Prop(props, labelProps::kFace)));
  button->SetText(Prop(props, labelProps::kText), kCentredBoth);
  const EngineString& colour = Prop(props, labelProps::kColour);
  button->SetTextColours(Colour(colour, 250), Colour(colour, 200), Colour(colour, 255), Colour(colour, 10));
  // The frames are named after the image value up to and including its last
  // "_" (never one of the working directory's path).
  const size_t cut = imageValue.Std().rfind('_');
  const EngineString prefix = cut == std::string::npos ? image : Image(imageValue.Mid(0, uint32_t(cut) + 1));
  button->LoadFrames(prefix, 1, 14, 0, 1);
  Attach(button, parent, index);
  m_descriptions[size_t(index)].actions = Prop(props, animButtonProps::kActions);
}

void CGuiXmlLoader::CreateTextBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, textBoxProps::kCount, index);
  if (!parent) return;
  auto* box = new CGuiTextBox();
  box->CreateSized(parent, id, kTextBoxType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                   Number(props, kHeight), 0, 1, 1);
  box->SetBackgroundTexture(Image(Prop(props, textBoxProps::kImage)));
  if (Flag(props, textBoxProps::kFramed)) SetFrame(*box);
  box->CreateScrollBar(kScrollBackground, kScrollUp, kScrollDown, kScrollThumb, 0);
  ApplyFont(*box, Font(Prop(props, textBoxProps::kSize), Prop(props, textBoxProps::kStyle),
                       Prop(props, textBoxProps::kFace)));
  const int32_t format = Choice(Prop(props, textBoxProps::kFormat));
  if (format >= 0) box->SetDrawFormat(uint32_t(format));
  box->SetText(-1, Prop(props, textBoxProps::kText));
  box->SetTextColour(Colour(Prop(props, textBoxProps::kColour), 255));
  Attach(box, parent, index);
}

void CGuiXmlLoader::CreateStaticText(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, staticTextProps::kCount, index);
  if (!parent) return;
  auto* text = new CGuiStaticText();
  text->CreateSized(parent, id, kStaticTextType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                    Number(props, kHeight), 0, 1, 1);
  text->SetBackgroundTexture(Image(Prop(props, labelProps::kImage)));
  if (Flag(props, staticTextProps::kFramed)) SetFrame(*text);
  ApplyFont(*text,
            Font(Prop(props, labelProps::kSize), Prop(props, labelProps::kStyle), Prop(props, labelProps::kFace)));
  text->SetText(-1, Prop(props, labelProps::kText), 0, Colour(Prop(props, labelProps::kColour), 255));
  Attach(text, parent, index);
}

void CGuiXmlLoader::CreateEditBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, staticTextProps::kCount, index);
  if (!parent) return;
  auto* edit = new CGuiEditBox();
  edit->CreateSized(parent, id, kEditBoxType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                    Number(props, kHeight), 0, 1, 1);
  edit->SetBackgroundTexture(Image(Prop(props, labelProps::kImage)));
  if (Flag(props, staticTextProps::kFramed)) SetFrame(*edit);
  ApplyFont(*edit,
            Font(Prop(props, labelProps::kSize), Prop(props, labelProps::kStyle), Prop(props, labelProps::kFace)));
  edit->SetText(Prop(props, labelProps::kText), 0, Colour(Prop(props, labelProps::kColour), 255));
  Attach(edit, parent, index);
}

void CGuiXmlLoader::CreateCheckBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, checkBoxProps::kCount, index);
  if (!parent) return;
  auto* box = new CGuiCheckBox();
  const int32_t width = Clamp32(int64_t(Number(props, kWidth)) + Number(props, checkBoxProps::kLabelWidth));
  box->CreateSized(parent, id, kCheckBoxType, Number(props, kX), Number(props, kY), width, Number(props, kHeight), 0, 1,
                   1);
  box->SetText(Prop(props, labelProps::kText), kVerticallyCentred);
  box->SetBoxTexture(Image(Prop(props, labelProps::kImage)), kCheckFrames);
  box->SetAlignment(Number(props, checkBoxProps::kAlignment));
  box->SetLocked(!Flag(props, checkBoxProps::kEnabled));
  box->SetChecked(false);
  box->SetTextColour(Colour(Prop(props, labelProps::kColour), 255));
  ApplyFont(*box,
            Font(Prop(props, labelProps::kSize), Prop(props, labelProps::kStyle), Prop(props, labelProps::kFace)));
  Attach(box, parent, index);
}

void CGuiXmlLoader::CreateListBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, listBoxProps::kCount, index);
  if (!parent) return;
  if (!CountInRange(Number(props, listBoxProps::kRows))) {
    Refuse(index, "row count out of range");
    return;
  }
  auto* list = new CGuiListBox();
  // The height factor multiplies the font size.
  const int32_t height = Clamp32(int64_t(Number(props, kHeight)) * Number(props, listBoxProps::kSize));
  list->CreateSized(parent, id, kListBoxType, Number(props, kX), Number(props, kY), Number(props, kWidth), height, 0, 1,
                    1);
  const EngineString image = Image(Prop(props, listBoxProps::kImage));
  list->SetBackgroundTexture(image);
  const bool framed = Flag(props, listBoxProps::kFramed);
  if (framed) SetFrame(*list);
  list->SetVisibleRows(Number(props, listBoxProps::kRows));
  const EngineString& colour = Prop(props, listBoxProps::kHeaderColour);
  const GuiColour header[CGuiListBox::kHeaderColours] = {Colour(colour, 255), Colour(colour, 100), Colour(colour, 255),
                                                         Colour(colour, 100)};
  list->CreateHeader(Prop(props, listBoxProps::kHeader), image, kHeaderCells, header);
  AddScrollBar(*list);
  if (framed) list->SetRowSeparators(true);
  ApplyFont(*list, Font(Prop(props, listBoxProps::kSize), Prop(props, listBoxProps::kStyle),
                        Prop(props, listBoxProps::kFace)));
  list->SetItemColour(Colour(Prop(props, listBoxProps::kItemColour), 255));
  list->SetItemTexture(image);
  list->UpdateScrollRange();
  Attach(list, parent, index);
}

void CGuiXmlLoader::CreateComboBox(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, comboBoxProps::kCount, index);
  if (!parent) return;
  const int32_t rows = Number(props, comboBoxProps::kRows);
  if (!CountInRange(rows)) {
    Refuse(index, "row count out of range");
    return;
  }
  auto* combo = new CGuiComboBox();
  const int32_t itemHeight = Number(props, kHeight);
  combo->CreateSized(parent, id, kComboBoxType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                     Clamp32(int64_t(rows) * itemHeight), 0, 1, 1);
  combo->SetBackgroundTexture(Image(Prop(props, comboBoxProps::kImage)));
  const bool framed = Flag(props, comboBoxProps::kFramed);
  if (framed) SetFrame(*combo);
  combo->SetVisibleRows(rows);
  combo->SetMaxDropRows(rows);
  combo->SetItemHeight(itemHeight);
  AddScrollBar(*combo);
  if (framed) combo->SetRowSeparators(true);
  ApplyFont(*combo, Font(Prop(props, comboBoxProps::kSize), Prop(props, comboBoxProps::kStyle),
                         Prop(props, comboBoxProps::kFace)));
  combo->SetItemColour(Colour(Prop(props, comboBoxProps::kItemColour), 255));
  combo->SetItemTexture(Image(Prop(props, comboBoxProps::kItemImage)));
  combo->CreateDropButton(Image(Prop(props, comboBoxProps::kDropImage)), kDropButtonCells);
  combo->SetScrollRange(0);
  Attach(combo, parent, index);
}

void CGuiXmlLoader::CreateDropDown(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, dropDownProps::kCount, index);
  if (!parent) return;
  if (!CountInRange(Number(props, comboBoxProps::kRows))) {
    Refuse(index, "row count out of range");
    return;
  }
  auto* menu = new CGuiDropDownMenu();
  menu->CreateSized(parent, id, kDropDownType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                    Number(props, kHeight), 0, 1, 1);
  menu->SetVisibleRows(Number(props, comboBoxProps::kRows));
  menu->CreateList(Image(Prop(props, dropDownProps::kListImage)));
  menu->SetBackgroundTexture(Image(Prop(props, comboBoxProps::kImage)));
  const bool framed = Flag(props, comboBoxProps::kFramed);
  if (framed) SetFrame(*menu);
  AddScrollBar(*menu);
  if (framed) menu->SetRowSeparators(true);
  ApplyFont(*menu, Font(Prop(props, comboBoxProps::kSize), Prop(props, comboBoxProps::kStyle),
                        Prop(props, comboBoxProps::kFace)));
  menu->SetItemColour(Colour(Prop(props, comboBoxProps::kItemColour), 255));
  menu->SetItemTexture(Image(Prop(props, comboBoxProps::kItemImage)));
  menu->CreateDropButton(Image(Prop(props, comboBoxProps::kDropImage)), kDropButtonCells);
  menu->UpdateScrollRange();
  Attach(menu, parent, index);
}

void CGuiXmlLoader::CreateGrid(int32_t id, EngineString parentName, GuiPropertyList props, int32_t index) {
  CGuiElement* parent = RequireParent(parentName, props, gridProps::kCount, index);
  if (!parent) return;
  const int32_t columns = Number(props, gridProps::kColumns);
  const int32_t rows = Number(props, gridProps::kRows);
  // The grid divides its size by both counts.
  if (columns <= 0 || rows <= 0 || columns > kMaxCount || rows > kMaxCount) {
    Refuse(index, "column or row count out of range");
    return;
  }
  auto* grid = new CGuiGrid();
  grid->CreateSized(parent, id, kGridType, Number(props, kX), Number(props, kY), Number(props, kWidth),
                    Number(props, kHeight), 0, 1, 1);
  grid->SetBackgroundTexture(m_workingDirectory + kGridBackground);
  if (Flag(props, gridProps::kFramed)) {
    SetFrame(*grid);
    grid->SetGridLines(true);
  }
  grid->SetDimensions(columns, rows);
  if (Flag(props, gridProps::kHasHeader)) grid->SetHasHeader(true);
  AddScrollBar(*grid);
  grid->SetHighlightTexture(Image(Prop(props, gridProps::kHighlightImage)));

  const int32_t cellFormat = Choice(Prop(props, gridProps::kCellFormat));
  SplitList(Prop(props, gridProps::kWidths), ',');
  const std::vector<EngineString> widths = m_pieces;
  if (cellFormat >= 0) {
    const GuiColour cellColour = Colour(Prop(props, gridProps::kColour), 255);
    for (size_t i = 0; i < widths.size(); ++i) {
      grid->SetColumn(int32_t(i), gui::ClampSize(widths[i].ToInt()), uint32_t(cellFormat), cellColour,
                      Prop(props, gridProps::kCellImage));
    }
  }
  ApplyFont(*grid, Font(Prop(props, gridProps::kSize), Prop(props, gridProps::kStyle), Prop(props, gridProps::kFace)));

  const int32_t headerFormat = Choice(Prop(props, gridProps::kHeaderFormat));
  SplitList(Prop(props, gridProps::kCaptions), ',');
  const std::vector<EngineString> captions = m_pieces;
  const GuiColour headerColour = Colour(Prop(props, gridProps::kHeaderColour), 255);
  const GuiColour headerColours[GridHeader::kColourCount] = {headerColour, headerColour, headerColour, headerColour};
  const FontParams headerFont = Font(Prop(props, gridProps::kHeaderSize), Prop(props, gridProps::kHeaderStyle),
                                     Prop(props, gridProps::kHeaderFace));
  const EngineString headerImage = Image(Prop(props, gridProps::kHeaderImage));
  for (size_t j = 0; j < captions.size(); ++j) {
    if (headerFormat >= 0) {
      grid->SetHeaderButton(int32_t(j), captions[j], headerColours, uint32_t(headerFormat) + 4, headerImage, 1);
    }
    grid->SetColumnHeaderFont(int32_t(j), headerFont.size, 0, headerFont.weight, headerFont.italic, 1, 0, 4, 0,
                              headerFont.face);
  }
  grid->SetRowCount(0);
  Attach(grid, parent, index);
}
