// Writes the demo park's GUI description "guifiles/GuiXML.xml" and its
// defines file "guifiles/guidefines.h" into the park folder given as the
// argument. The description holds every page, window and control that the
// in-game screens bind, laid out for a 1024 by 768 screen in the look of the
// demo images: light pages with a blue title bar, green buttons, white
// fields and lists. Every page but the main menu starts hidden; the game
// shows them. The GUI toolkit's demo panel goes to "guifiles/DemoGuiXML.xml".
//
// The same layout is written scaled for 800 by 600 and 1280 by 1024
// ("GuiXML_800x600.xml", "GuiXML_1280x1024.xml"); the game reads the one of
// its screen size. The properties of each element type are written by position, as the
// loader reads them; names of the game's elements are the screen's tag and
// the element id ("STATUS_10437").
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "gui/loader/GuiPropertyPositions.h"

namespace {

using namespace guiprops;

namespace fs = std::filesystem;

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kStatusHeight = 68;
constexpr int kTitleHeight = 24;
constexpr int kMargin = 16;
constexpr int kGap = 8;
constexpr int kLineGap = 6;
constexpr int kButtonHeight = 26;
constexpr int kTextHeight = 20;
constexpr int kCheckSize = 16;

const char* const kFace = "Arial";
const char* const kDark = "20,45,30";
const char* const kWhite = "255,255,255";
const char* const kTitleColour = "255,255,255";
const char* const kPlain = "12";
const char* const kBold = "2";
const char* const kBodySize = "10";
const char* const kTitleSize = "12";

const char* const kHudImage = "\\images\\GuiImages\\demo\\hud.png";
const char* const kPanelImage = "\\images\\GuiImages\\demo\\panel.png";
const char* const kPageImage = "\\images\\GuiImages\\demo\\page.png";
const char* const kTitleImage = "\\images\\GuiImages\\demo\\titlebar.png";
const char* const kButtonImage = "\\images\\GuiImages\\demo\\button.png";
const char* const kCheckImage = "\\images\\GuiImages\\demo\\check.png";
const char* const kRowImage = "\\images\\GuiImages\\demo\\row.png";
const char* const kListImage = "\\images\\GuiImages\\demo\\list.png";
const char* const kHeaderImage = "\\images\\GuiImages\\demo\\header.png";
const char* const kFieldImage = "\\images\\GuiImages\\demo\\field.png";
const char* const kTextBoxImage = "\\images\\GuiImages\\demo\\textbox.png";
const char* const kStatusImage = "\\images\\GuiImages\\demo\\status.png";
const char* const kMessageImage = "\\images\\GuiImages\\demo\\message.png";
const char* const kPictureImage = "\\images\\GuiImages\\demo\\picture.png";
const char* const kGaugeImage = "\\images\\GuiImages\\demo\\gauge.png";

struct Element {
  std::string name;
  int id = 0;
  std::string type;
  std::vector<std::string> props;
  std::vector<Element> children;
};

// A property list of that many empty values with the given ones set.
std::vector<std::string> Props(size_t count, std::vector<std::pair<size_t, std::string>> values) {
  std::vector<std::string> props(count);
  for (auto& [index, value] : values) props[index] = std::move(value);
  return props;
}

std::string Num(int value) { return std::to_string(value); }

Element Make(std::string name, int id, std::string type, std::vector<std::string> props) {
  return Element{std::move(name), id, std::move(type), std::move(props), {}};
}

// A top-level window or a window inside another; a title gives it a bar.
Element Window(std::string name, int id, int x, int y, int w, int h, const std::string& image, bool shown, bool sticky,
               const std::string& title) {
  std::vector<std::pair<size_t, std::string>> values = {{windowProps::kSticky, sticky ? "TOP" : ""},
                                                        {kX, Num(x)},
                                                        {kY, Num(y)},
                                                        {kWidth, Num(w)},
                                                        {kHeight, Num(h)},
                                                        {windowProps::kImage, image},
                                                        {windowProps::kShown, shown ? "1" : "0"},
                                                        {windowProps::kFramed, "1"}};
  if (title.empty()) return Make(std::move(name), id, "Window", Props(windowProps::kCount, values));
  values.insert(values.end(), {{windowProps::kTitleHeight, Num(kTitleHeight)},
                               {windowProps::kTitleImage, kTitleImage},
                               {windowProps::kTitled, "1"},
                               {windowProps::kTitleFace, kFace},
                               {windowProps::kTitleColour, kTitleColour},
                               {windowProps::kTitleStyle, kBold},
                               {windowProps::kTitleSize, kTitleSize},
                               {windowProps::kTitle, title}});
  return Make(std::move(name), id, "Window", Props(windowProps::kTitledCount, values));
}

// The rectangle and the caption of the one-line types.
std::vector<std::pair<size_t, std::string>> Label(int x, int y, int w, int h, const std::string& image,
                                                  const std::string& colour, const std::string& style,
                                                  const std::string& size, const std::string& text) {
  std::vector<std::pair<size_t, std::string>> values = {{kX, Num(x)},
                                                        {kY, Num(y)},
                                                        {kWidth, Num(w)},
                                                        {kHeight, Num(h)},
                                                        {labelProps::kFace, kFace},
                                                        {labelProps::kColour, colour},
                                                        {labelProps::kStyle, style},
                                                        {labelProps::kSize, size},
                                                        {labelProps::kText, text}};
  if (!image.empty()) values.push_back({labelProps::kImage, image});
  return values;
}

Element Button(std::string name, int id, int x, int y, int w, int h, const std::string& caption,
               const std::string& actions = "") {
  auto values = Label(x, y, w, h, kButtonImage, kWhite, kBold, kBodySize, caption);
  values.push_back({buttonProps::kActions, actions});
  return Make(std::move(name), id, "Button", Props(buttonProps::kCount, values));
}

Element Static(std::string name, int id, int x, int y, int w, int h, const std::string& text,
               const char* style = kPlain, const char* colour = kDark, const char* size = kBodySize) {
  return Make(std::move(name), id, "StaticText",
              Props(staticTextProps::kCount, Label(x, y, w, h, "", colour, style, size, text)));
}

Element TextBox(std::string name, int id, int x, int y, int w, int h, const std::string& text) {
  return Make(std::move(name), id, "TextBox",
              Props(textBoxProps::kCount, {{kX, Num(x)},
                                           {kY, Num(y)},
                                           {kWidth, Num(w)},
                                           {kHeight, Num(h)},
                                           {textBoxProps::kImage, kTextBoxImage},
                                           {textBoxProps::kFramed, "1"},
                                           {textBoxProps::kFace, kFace},
                                           {textBoxProps::kColour, kDark},
                                           {textBoxProps::kStyle, kPlain},
                                           {textBoxProps::kSize, kBodySize},
                                           {textBoxProps::kText, text},
                                           {textBoxProps::kFormat, "1"}}));
}

Element Edit(std::string name, int id, int x, int y, int w, int h, const std::string& text) {
  auto values = Label(x, y, w, h, kFieldImage, kDark, kPlain, kBodySize, text);
  values.push_back({staticTextProps::kFramed, "1"});
  return Make(std::move(name), id, "EditBox", Props(staticTextProps::kCount, values));
}

Element Check(std::string name, int id, int x, int y, int labelWidth, const std::string& text) {
  auto values = Label(x, y, kCheckSize, kCheckSize, kCheckImage, kDark, kPlain, kBodySize, text);
  values.insert(values.end(), {{checkBoxProps::kEnabled, "1"},
                               {checkBoxProps::kAlignment, "0"},
                               {checkBoxProps::kLabelWidth, Num(labelWidth)}});
  return Make(std::move(name), id, "CheckBox", Props(checkBoxProps::kCount, values));
}

Element Combo(std::string name, int id, int x, int y, int w, int rows) {
  return Make(std::move(name), id, "ComboBox",
              Props(comboBoxProps::kCount, {{comboBoxProps::kImage, kFieldImage},
                                            {kX, Num(x)},
                                            {kY, Num(y)},
                                            {kWidth, Num(w)},
                                            {kHeight, Num(kTextHeight)},
                                            {comboBoxProps::kRows, Num(rows)},
                                            {comboBoxProps::kFramed, "1"},
                                            {comboBoxProps::kFace, kFace},
                                            {comboBoxProps::kItemColour, kDark},
                                            {comboBoxProps::kStyle, kPlain},
                                            {comboBoxProps::kSize, kBodySize},
                                            {comboBoxProps::kDropImage, kRowImage},
                                            {comboBoxProps::kItemImage, kListImage}}));
}

// Column widths and captions as the loader's comma lists; no captions, no
// header row.
Element Grid(std::string name, int id, int x, int y, int w, int h, const std::string& widths, int columns, int rows,
             const std::string& captions) {
  return Make(std::move(name), id, "GridControl",
              Props(gridProps::kCount, {{kX, Num(x)},
                                        {kY, Num(y)},
                                        {kWidth, Num(w)},
                                        {kHeight, Num(h)},
                                        {gridProps::kWidths, widths},
                                        {gridProps::kColumns, Num(columns)},
                                        {gridProps::kRows, Num(rows)},
                                        {gridProps::kCellFormat, "1"},
                                        {gridProps::kFace, kFace},
                                        {gridProps::kColour, kDark},
                                        {gridProps::kStyle, kPlain},
                                        {gridProps::kSize, kBodySize},
                                        {gridProps::kHasHeader, captions.empty() ? "0" : "1"},
                                        {gridProps::kHeaderImage, kHeaderImage},
                                        {gridProps::kCaptions, captions},
                                        {gridProps::kHeaderFormat, "2"},
                                        {gridProps::kHeaderFace, kFace},
                                        {gridProps::kHeaderColour, kWhite},
                                        {gridProps::kHeaderStyle, kBold},
                                        {gridProps::kHeaderSize, kBodySize},
                                        {gridProps::kFramed, "1"},
                                        {gridProps::kHighlightImage, kListImage}}));
}

Element ListBox(std::string name, int id, int x, int y, int w, int rows, const std::string& header) {
  return Make(std::move(name), id, "ListBox",
              Props(listBoxProps::kCount, {{kX, Num(x)},
                                           {kY, Num(y)},
                                           {kWidth, Num(w)},
                                           {kHeight, "12"},
                                           {listBoxProps::kRows, Num(rows)},
                                           {listBoxProps::kHeaderColour, kDark},
                                           {listBoxProps::kFramed, "1"},
                                           {listBoxProps::kHeader, header},
                                           {listBoxProps::kImage, kListImage},
                                           {listBoxProps::kFace, kFace},
                                           {listBoxProps::kItemColour, kDark},
                                           {listBoxProps::kStyle, kPlain},
                                           {listBoxProps::kSize, "12"}}));
}

Element Shape(std::string name, int id, int x, int y, int w, int h, const std::string& image) {
  return Make(std::move(name), id, "Shape",
              Props(shapeProps::kCount, {{shapeProps::kX, Num(x)},
                                         {shapeProps::kY, Num(y)},
                                         {shapeProps::kWidth, Num(w)},
                                         {shapeProps::kHeight, Num(h)},
                                         {shapeProps::kImage, image}}));
}

// Lays a page's controls out in rows from the top left, each control right
// of the one before.
class Page {
 public:
  Page(std::string tag, int id, int width, int height, const std::string& title, const std::string& image = kPageImage)
      : m_tag(std::move(tag)),
        m_root(Window(Name(id), id, (kScreenWidth - width) / 2, (kScreenHeight - kStatusHeight - height) / 2, width,
                      height, image, false, false, title)),
        m_width(width),
        m_x(kMargin),
        m_y(title.empty() ? kMargin : kTitleHeight + kGap + 4) {}

  // The page shows from the start.
  Page& Shown() {
    m_root.props[windowProps::kShown] = "1";
    return *this;
  }

  // Places the page itself (screen coordinates) and makes it sticky.
  Page& At(int x, int y, bool sticky) {
    m_root.props[kX] = Num(x);
    m_root.props[kY] = Num(y);
    m_root.props[windowProps::kSticky] = sticky ? "TOP" : "";
    return *this;
  }

  Page& Row() {
    m_y += m_rowHeight + kLineGap;
    m_x = kMargin;
    m_rowHeight = 0;
    return *this;
  }
  // Starts the next row at that height in the page.
  Page& Line(int y) {
    m_y = y;
    m_x = kMargin;
    m_rowHeight = 0;
    return *this;
  }
  Page& Skip(int width) {
    m_x += width;
    return *this;
  }
  Page& Button(int id, int width, const std::string& caption) {
    return Add(::Button(Name(id), id, m_x, m_y, width, kButtonHeight, caption), width, kButtonHeight);
  }
  Page& Text(int id, int width, const std::string& text, const char* style = kPlain) {
    return Add(Static(Name(id), id, m_x, m_y, width, kTextHeight, text, style), width, kTextHeight);
  }
  Page& Box(int id, int width, int height, const std::string& text) {
    return Add(TextBox(Name(id), id, m_x, m_y, width, height, text), width, height);
  }
  Page& Field(int id, int width, const std::string& text) {
    return Add(Edit(Name(id), id, m_x, m_y, width, kTextHeight, text), width, kTextHeight);
  }
  Page& Tick(int id, int labelWidth, const std::string& text) {
    return Add(Check(Name(id), id, m_x, m_y, labelWidth, text), kCheckSize + labelWidth, kCheckSize);
  }
  Page& Choice(int id, int width) { return Add(Combo(Name(id), id, m_x, m_y, width, 5), width, kTextHeight); }
  Page& Table(int id, int width, int rows, const std::vector<int>& widths, const std::string& captions) {
    std::string list;
    for (int w : widths) list += (list.empty() ? "" : ",") + Num(w);
    const int height = (rows + (captions.empty() ? 0 : 1)) * kTextHeight;
    return Add(Grid(Name(id), id, m_x, m_y, width, height, list, int(widths.size()), rows + (captions.empty() ? 0 : 1),
                    captions),
               width, height);
  }
  // A framed picture area (a window inside the page).
  Page& Picture(int id, int width, int height, const std::string& image = kPictureImage) {
    return Add(Window(Name(id), id, m_x, m_y, width, height, image, true, false, ""), width, height);
  }
  // A button in the bottom right corner, right to left.
  Page& Corner(int id, const std::string& caption) {
    const int width = 96;
    m_cornerX -= width + kGap;
    m_root.children.push_back(
        ::Button(Name(id), id, m_width + m_cornerX, Height() - kMargin - kButtonHeight, width, kButtonHeight, caption));
    return *this;
  }

  Element Build() const { return m_root; }

 private:
  std::string Name(int id) const { return m_tag + "_" + Num(id); }
  int Height() const { return std::stoi(m_root.props[kHeight]); }
  Page& Add(Element element, int width, int height) {
    m_root.children.push_back(std::move(element));
    m_x += width + kGap;
    m_rowHeight = std::max(m_rowHeight, height);
    return *this;
  }

  std::string m_tag;
  Element m_root;
  int m_width;
  int m_x;
  int m_y;
  int m_rowHeight = 0;
  int m_cornerX = -kMargin + kGap;
};

// The GUI toolkit's demo: a status bar, a panel of buttons and the three
// pages it opens (its element ids are 20001 and up), in a description of its
// own ("DemoGuiXML.xml") that the game never reads.
std::vector<Element> DemoElements() {
  Element hud = Shape("HUD", 20001, 0, 0, 1024, 32, kHudImage);
  hud.children.push_back(Static("HUD_TITLE", 20002, 12, 4, 300, 24, "Halvenor demo park", kBold, kWhite, "12"));

  Element panel = Window("MAIN_PANEL", 20003, 12, 560, 144, 196, kPanelImage, true, true, "");
  panel.children = {::Button("BTN_OPEN_SETTINGS", 20004, 12, 12, 120, 28, "Settings", "PAGE_SETTINGS,OpenWnd"),
                    ::Button("BTN_OPEN_LEDGER", 20005, 12, 48, 120, 28, "Ledger", "PAGE_LEDGER,OpenWnd"),
                    ::Button("BTN_OPEN_NOTES", 20006, 12, 84, 120, 28, "Notes", "PAGE_NOTES,OpenWnd"),
                    ::Button("BTN_CLOSE_ALL", 20007, 12, 120, 120, 28, "Hide settings", "PAGE_SETTINGS,ClosePopup")};

  Element settings = Window("PAGE_SETTINGS", 20008, 300, 120, 420, 320, kPageImage, false, false, "Settings");
  Element locked = Check("CHK_LOCKED", 20012, 20, 100, 120, "Video (locked)");
  locked.props[checkBoxProps::kEnabled] = "0";
  settings.children = {::Button("BTN_SETTINGS_CLOSE", 20009, 348, 8, 64, 20, "Close", "PAGE_SETTINGS,ClosePopup"),
                       Check("CHK_MUSIC", 20010, 20, 44, 120, "Music"),
                       Check("CHK_SOUND", 20011, 20, 72, 120, "Sound effects"),
                       locked,
                       Static("LBL_NAME", 20013, 20, 136, 120, 20, "Park name:"),
                       Edit("EDIT_NAME", 20014, 150, 136, 200, 20, "Halvenor"),
                       Static("LBL_SPEED", 20015, 20, 172, 120, 20, "Game speed:"),
                       Combo("COMBO_SPEED", 20016, 150, 172, 200, 4)};

  Element ledger = Window("PAGE_LEDGER", 20017, 260, 80, 500, 440, kPageImage, false, false, "Ledger");
  ledger.children = {::Button("BTN_LEDGER_CLOSE", 20018, 428, 8, 64, 20, "Close", "PAGE_LEDGER,ClosePopup"),
                     ListBox("LIST_ACCOUNTS", 20019, 16, 40, 200, 8, "Accounts"),
                     Grid("GRID_INCOME", 20020, 232, 40, 252, 144, "120,66,66", 3, 6, "Item,Month,Year"),
                     Static("LBL_CHART", 20021, 16, 200, 300, 20, "Visitors this year", kBold)};

  Element notes = Window("PAGE_NOTES", 20022, 200, 160, 360, 300, kPageImage, false, false, "Notes");
  notes.children = {::Button("BTN_NOTES_CLOSE", 20023, 288, 8, 64, 20, "Close", "PAGE_NOTES,ClosePopup"),
                    TextBox("TEXT_NOTES", 20024, 16, 40, 328, 200,
                            "Welcome to the demo park. Open the pages from the panel at the bottom left; every page "
                            "closes with its Close button. The ledger shows the accounts, the income table and the "
                            "visitor chart."),
                    ::Button("BTN_NOTES_LEDGER", 20025, 16, 256, 120, 28, "Ledger", "PAGE_LEDGER,OpenWnd")};
  return {hud, panel, settings, ledger, notes};
}

// The labels above the status panel's values carry ids of their own.
constexpr int kStatusLabels = 20101;

Element StatusPanel() {
  const int width = kScreenWidth - 176;
  Element root = Window("STATUS_10433", 10433, 176, kScreenHeight - kStatusHeight, width, kStatusHeight, kStatusImage,
                        false, true, "");
  root.children.push_back(Static("STATUS_10439", 10439, kMargin, 2, 200, 18, "Park", kBold));
  const struct {
    const char* label;
    int id;
    int width;
  } values[] = {{"Cash", 10437, 96},   {"Visitors", 10444, 72}, {"Date", 10441, 96}, {"Time", 10442, 56},
                {"Points", 10445, 72}, {"Rating", 10064, 56},   {"Clean", 10065, 56}};
  int x = kMargin;
  int label = kStatusLabels;
  for (const auto& value : values) {
    root.children.push_back(Static("STATUS_LABEL_" + Num(label), label, x, 22, value.width, 18, value.label));
    root.children.push_back(Static("STATUS_" + Num(value.id), value.id, x, 42, value.width, kTextHeight, "0", kBold));
    x += value.width + kGap;
    ++label;
  }
  root.children.push_back(Static("STATUS_10440", 10440, 600, 2, 232, 18, "Events waiting for staff", kBold));
  root.children.push_back(Grid("STATUS_10438", 10438, 600, 22, 232, 40, "232", 1, 2, ""));
  return root;
}

constexpr int kSmall = 36;

constexpr int kMenuWidth = 260;

// One row of equal buttons per entry, for the menus. The menu shown from
// the start ends at the screen's middle, where the game puts the cursor
// after the intro: above the cursor, not under it.
Element Menu(const std::string& tag, int id, const std::string& title,
             const std::vector<std::pair<int, std::string>>& buttons, bool shown = false) {
  const int height = kTitleHeight + 24 + int(buttons.size()) * (kButtonHeight + kLineGap) + kMargin;
  Page page(tag, id, kMenuWidth, height, title);
  if (shown) page.Shown().At((kScreenWidth - kMenuWidth) / 2, kScreenHeight / 2 - height, false);
  for (const auto& [button, caption] : buttons) page.Skip(36).Button(button, 172, caption).Row();
  return page.Build();
}

Element GameBar() {
  const std::pair<int, const char*> buttons[] = {{10067, "Build"},    {10068, "Food"},     {10070, "Manage"},
                                                 {10436, "Finance"},  {10435, "Speed"},    {10072, "Select"},
                                                 {10074, "Paths"},    {10073, "Demolish"}, {10069, "Help"},
                                                 {10075, "Tutorial"}, {10071, "Menu"}};
  constexpr int kBarWidth = 104;
  Page page("GAME", 10062, kBarWidth, kMargin * 2 + int(std::size(buttons)) * (kButtonHeight + kLineGap), "",
            kPanelImage);
  page.At(kScreenWidth - kBarWidth, 40, true);
  for (const auto& [button, caption] : buttons) page.Button(button, kBarWidth - 2 * kMargin, caption).Row();
  return page.Build();
}

Element Options() {
  Page page("OPTIONS", 10029, 560, 330, "Options");
  const struct {
    int caption, minus, plus, track, knob, check;
    const char* label;
  } sliders[] = {{10038, 10033, 10034, 10035, 10036, 10039, "Music"},
                 {10046, 10041, 10042, 10043, 10044, 10047, "Sound effects"},
                 {10054, 10049, 10050, 10051, 10052, 0, "Brightness"}};
  for (const auto& slider : sliders) {
    page.Text(slider.caption, 120, slider.label, kBold).Button(slider.minus, kSmall, "-");
    page.Picture(slider.track, 200, 16, kFieldImage).Button(slider.knob, 16, "").Button(slider.plus, kSmall, "+");
    if (slider.check) page.Tick(slider.check, 40, "on");
    page.Row().Row();
  }
  page.Text(10061, 120, "Picture detail", kBold).Button(10056, kSmall, "<").Text(10058, 100, "Normal");
  page.Picture(10059, 16, 16, kCheckImage).Button(10057, kSmall, ">");
  page.Corner(10030, "Back");
  return page.Build();
}

Element Message(int page, int box, int close) {
  Page message("MSG", page, 440, 240, "Message", kMessageImage);
  message.Box(box, 408, 130, "");
  message.Corner(close, "OK");
  return message.Build();
}

Element Book() {
  constexpr int kCell = 168;
  constexpr int kSpine = 24;
  constexpr int kRealms = 5;
  // One page of the open book: a picture and its text side by side.
  constexpr int kHalf = 2 * (kCell + kGap);
  constexpr int kTab = (kHalf - kRealms * kGap) / kRealms;
  Page page("BOOK", 10076, 780, 540, "Build book");
  // The tabs of the realms before the one shown sit on the left page, the
  // tabs of the one shown and those after it on the right page.
  for (int tab = 10099; tab < 10099 + kRealms; ++tab) page.Button(tab, kTab, "Realm");
  page.Skip(kHalf - kRealms * (kTab + kGap) + kSpine);
  for (int tab = 10090; tab < 10090 + kRealms; ++tab) page.Button(tab, kTab, "Realm");
  page.Row();
  // Slots 0 and 1 on the left page, 2 and 3 on the right, each with its
  // buy button below it.
  page.Picture(10078, kCell, 126).Box(10081, kCell, 126, "").Skip(kSpine).Picture(10084, kCell, 126);
  page.Box(10085, kCell, 126, "").Row();
  page.Button(10104, kCell, "Buy").Skip(kCell + kGap + kSpine).Button(10106, kCell, "Buy").Row();
  page.Picture(10080, kCell, 126).Box(10082, kCell, 126, "").Skip(kSpine).Picture(10087, kCell, 126);
  page.Box(10088, kCell, 126, "").Row();
  page.Button(10105, kCell, "Buy").Skip(kCell + kGap + kSpine).Button(10107, kCell, "Buy").Row();
  page.Button(10095, 48, "<").Button(10096, 48, ">");
  page.Corner(10097, "Back");
  return page.Build();
}

Element Food(const std::string& tag, int id, const std::string& title, int titleText, int grid) {
  Page page(tag, id, 460, 330, title);
  page.Text(titleText, 420, title, kBold).Row();
  page.Table(grid, 420, 10, {260, 160}, "Food,Price");
  return page.Build();
}

Element MenuItems() {
  Page page("MENUITEMS", 10343, 460, 380, "Menu items");
  page.Text(10344, 420, "Menu items", kBold).Row();
  page.Table(10345, 420, 10, {300, 120}, "Dish,Price").Row();
  page.Button(10346, 100, "New").Button(10347, 100, "Open").Button(10348, 100, "Delete");
  return page.Build();
}

Element Topping() {
  Page page("TOPPING", 10143, 600, 470, "Compose a dish");
  page.Text(10146, 560, "Toppings", kBold).Row();
  page.Text(10144, 120, "Name", kBold).Field(10148, 300, "").Row();
  page.Text(10145, 120, "Price", kBold)
      .Button(10151, kSmall, "-")
      .Text(10149, 80, "0")
      .Button(10150, kSmall, "+")
      .Row();
  page.Table(10153, 260, 10, {260}, "Offered").Skip(28).Table(10154, 260, 10, {260}, "Available");
  page.Row().Button(10155, 100, "Remove").Skip(188).Button(10156, 100, "Offer");
  page.Corner(10147, "OK").Corner(10157, "Cancel");
  return page.Build();
}

// A price page: its title, the food's name and its price with the buttons
// that step it.
struct PricePageIds {
  int title, nameCaption, name, priceCaption, price, down, up, ok;
};

Element Price(const std::string& tag, int id, const std::string& title, const PricePageIds& ids) {
  Page page(tag, id, 400, 220, title);
  page.Text(ids.title, 360, title, kBold).Row();
  page.Text(ids.nameCaption, 100, "Name").Text(ids.name, 260, "").Row();
  page.Text(ids.priceCaption, 100, "Price").Button(ids.down, kSmall, "-").Text(ids.price, 80, "0");
  page.Button(ids.up, kSmall, "+");
  page.Corner(ids.ok, "OK");
  return page.Build();
}

// Labels of the management pages that no screen captions carry ids of
// their own.
constexpr int kManagementLabels = 20201;

Element Summary() {
  Page page("SUMMARY", 10158, 620, 470, "Finance overview");
  page.Text(10171, 200, "Income", kBold).Text(10159, 120, "Coins", kBold).Row();
  const std::pair<int, int> incomes[] = {{10160, 10167}, {10161, 10168}, {10162, 10169}, {10163, 10170}};
  for (const auto& [caption, value] : incomes) page.Text(caption, 200, "").Text(value, 120, "0").Row();
  page.Text(10173, 200, "Costs", kBold).Row();
  page.Text(10172, 200, "Attractions").Text(10187, 120, "0").Row();
  page.Text(kManagementLabels, 200, "Staff").Text(10188, 120, "0").Row();
  page.Text(kManagementLabels + 1, 200, "Mood", kBold).Picture(10175, 206, 16, kGaugeImage).Text(10176, 60, "0");
  page.Row().Row();
  page.Button(10165, 110, "Tickets").Button(10166, 110, "Shop").Button(10178, 110, "Attractions");
  page.Button(10179, 110, "Staff").Row().Button(10189, 110, "Statistics");
  page.Corner(10164, "Close");
  return page.Build();
}

Element Ticket() {
  Page page("TICKET", 10190, 380, 180, "Ticket counter");
  page.Text(10194, 340, "Ticket price", kBold).Row();
  page.Button(10192, kSmall, "-").Text(10196, 80, "0").Button(10191, kSmall, "+").Text(10195, 80, "coins");
  page.Corner(10193, "OK");
  return page.Build();
}

Element Shop() {
  Page page("SHOP", 10198, 460, 400, "Sweet shop");
  page.Text(10199, 420, "Sweet shop", kBold).Row();
  for (int slot = 0; slot < 6; ++slot) {
    page.Text(10201 + slot, 200, "Product").Button(10214 + 2 * slot, kSmall, "-");
    page.Text(10207 + slot, 80, "0").Button(10213 + 2 * slot, kSmall, "+").Row();
  }
  page.Corner(10200, "OK");
  return page.Build();
}

Element Staff() {
  Page page("STAFF", 10299, 560, 300, "Staff");
  const struct {
    int price, minus, plus, count;
    const char* label;
  } kinds[] = {{10303, 10307, 10306, 10311, "Cleaners"},
               {10304, 10309, 10308, 10312, "Gardeners"},
               {10305, 10317, 10316, 10318, "Engineers"}};
  int label = kManagementLabels + 2;
  for (const auto& kind : kinds) {
    page.Text(label++, 160, kind.label).Text(kind.price, 80, "0").Button(kind.minus, kSmall, "-");
    page.Text(kind.count, 80, "0").Button(kind.plus, kSmall, "+").Row();
  }
  page.Corner(10310, "OK");
  return page.Build();
}

Element Speed() {
  Page page("SPEED", 10327, 360, 230, "Game speed");
  page.Text(10331, 320, "Game speed", kBold).Row();
  page.Button(10336, 96, "Normal").Button(10337, 96, "Fast").Button(10338, 96, "Pause").Row();
  page.Text(10335, 320, "", kBold).Row();
  const int label = kManagementLabels + 5;
  page.Text(label, 96, "Happy").Text(label + 1, 96, "Content").Text(label + 2, 96, "Unhappy").Row();
  page.Text(10332, 96, "0").Text(10334, 96, "0").Text(10333, 96, "0");
  return page.Build();
}

Element Statistics() {
  Page page("STATS", 10363, 800, 600, "Statistics");
  page.Line(504);
  // The category names are the longest entries.
  const struct {
    int caption, combo, width;
    const char* label;
  } filters[] = {{10367, 10371, 150, "Category"}, {10368, 10372, 100, "Year"}, {10369, 10373, 100, "Month"},
                 {10370, 10374, 100, "Day"}};
  for (const auto& filter : filters) page.Text(filter.caption, 60, filter.label).Choice(filter.combo, filter.width);
  page.Corner(10366, "Close");
  return page.Build();
}

Element Repair() {
  Page page("REPAIR", 10292, 560, 360, "Park event");
  page.Box(10293, 528, 150, "").Row();
  page.Button(10295, 120, "Wizards").Button(10296, 120, "Witches").Button(10297, 120, "Engineers");
  page.Button(10298, 120, "Cleaners").Row();
  page.Button(10325, 120, "Wizards").Button(10322, 120, "Witches").Button(10323, 120, "Engineers");
  page.Button(10324, 120, "Cleaners");
  page.Corner(10294, "Close");
  return page.Build();
}

Element EventList(int id, int grid, int send, int close) {
  Page page("EVENTS", id, 440, 330, "Park events");
  page.Table(grid, 408, 9, {300, 108}, "Event,Points");
  page.Corner(close, "Close").Corner(send, "Send");
  return page.Build();
}

Element AttractionList() {
  Page page("ATTRLIST", 10231, 540, 420, "Attractions");
  page.Text(10233, 500, "Attractions", kBold).Row();
  page.Table(10234, 500, 12, {260, 100, 140}, "Attraction,Level,Upgrade");
  page.Corner(10232, "Back");
  return page.Build();
}

Element Upgrade() {
  Page page("UPGRADE", 10269, 660, 500, "Attraction");
  page.Text(10283, 300, "Attraction", kBold).Picture(10270, 32, 32).Picture(10271, 32, 32).Picture(10272, 32, 32);
  page.Row().Picture(10274, 300, 180).Row();
  page.Text(10280, 100, "Condition").Picture(10276, 256, 22, kGaugeImage).Text(10277, 60, "0%").Row();
  page.Text(10284, 140, "Level").Text(10282, 140, "0").Button(10278, 110, "Upgrade").Row();
  page.Text(10288, 100, "Ride speed").Button(10291, 80, "Slow").Button(10289, 80, "Normal").Button(10290, 80, "Fast");
  page.Row().Button(10279, 140, "Repair").Button(10285, 110, "About").Button(10287, 110, "Statistics");
  page.Corner(10286, "Close");
  return page.Build();
}

// The attraction's description from the build book, on a page that the
// upgrade window's about button opens over it. Its own button closes it
// alone and leaves the upgrade window shown.
Element About() {
  Page page("ABOUT", 10339, 420, 280, "About the attraction");
  page.Box(10340, 380, 200, "");
  page.Corner(10341, "Close");
  return page.Build();
}

Element Tutorial() {
  Page page("TUTORIAL", 10425, 580, 470, "Tutorial");
  page.Text(10432, 540, "", kBold).Row();
  page.Picture(10429, 548, 250).Row();
  page.Box(10426, 548, 70, "").Row();
  page.Button(10427, 110, "Previous").Button(10428, 110, "Next");
  page.Corner(10431, "Close");
  return page.Build();
}

Element TutorialMenu() {
  Page page("TUTMENU", 10446, 600, 500, "Tutorial lessons");
  page.Text(10449, 560, "Choose a lesson", kBold).Row();
  const std::pair<int, int> lessons[] = {
      {10451, 10447}, {10454, 10450}, {10455, 10452}, {10456, 10453}, {10457, 10458}};
  int number = 1;
  for (const auto& [button, text] : lessons)
    page.Button(button, 110, "Lesson " + Num(number++)).Box(text, 430, 56, "").Row();
  page.Corner(10459, "Exit").Corner(10448, "Continue");
  return page.Build();
}

Element Scenarios() {
  Page page("SCENARIO", 10108, 640, 500, "Scenarios");
  const std::pair<int, int> slots[] = {{10110, 10113}, {10112, 10114}, {10118, 10115}, {10120, 10116}};
  for (const auto& [text, start] : slots) page.Box(text, 480, 86, "").Button(start, 96, "Start").Row();
  page.Corner(10121, "Back");
  return page.Build();
}

Element VisitorPanel() {
  Page page("VISITOR", 10132, 380, 380, "Visitor");
  page.Text(10134, 340, "", kBold).Row();
  const std::pair<int, int> rows[] = {{10137, 10140}, {10138, 10141}, {10139, 10142}};
  for (const auto& [caption, value] : rows) page.Text(caption, 180, "").Text(value, 120, "").Row();
  page.Box(10136, 348, 40, "").Row();
  page.Box(10133, 348, 120, "");
  page.Corner(10135, "Close");
  return page.Build();
}

Element SaveLoad() {
  Page page("SAVE", 10235, 440, 330, "Load and save");
  // The saved games' three rows, the first at the top.
  for (int row : {10261, 10260, 10259}) page.Table(row, 340, 1, {340}, "").Row();
  page.Button(10255, kSmall, "^").Button(10258, kSmall, "v").Text(10264, 300, "").Row();
  page.Picture(10262, 408, 24, kFieldImage);
  page.Corner(10238, "Back").Corner(10236, "Load").Corner(10237, "Save");
  return page.Build();
}

Element Help() {
  Page page("HELP", 10359, 500, 400, "Help");
  page.Text(10360, 460, "Help", kBold).Row();
  page.Box(10361, 468, 270, "");
  page.Corner(10362, "OK");
  return page.Build();
}

Element EventPopUp() {
  Page page("EVENTPOP", 10319, 440, 250, "Park event");
  page.Picture(10320, 128, 128).Box(10321, 272, 128, "");
  page.Corner(10326, "Close");
  return page.Build();
}

Element Info(const std::string& tag, int id, int label, const std::string& title, const std::string& text) {
  Page page(tag, id, 300, 110, title);
  page.Text(label, 260, text);
  return page.Build();
}

Element Picker(const std::string& tag, int id, int content, int close, bool grid) {
  Page page(tag, id, 400, 300, "A visitor's opinion");
  if (grid) {
    page.Table(content, 368, 8, {248, 120}, "Attraction,Condition");
  } else {
    page.Box(content, 368, 200, "");
  }
  page.Corner(close, "OK");
  return page.Build();
}

// The small tool bars beside the game bar.
Element Tools(const std::string& tag, int id, const std::vector<std::pair<int, std::string>>& buttons) {
  Page page(tag, id, 120, kMargin * 2 + int(buttons.size()) * (kButtonHeight + kLineGap), "", kPanelImage);
  page.At(kScreenWidth - 104 - 124, 200, false);
  for (const auto& [button, caption] : buttons) page.Button(button, 88, caption).Row();
  return page.Build();
}

std::vector<Element> GameElements() {
  std::vector<Element> pages = {
      // The main menu greets the player once the park has loaded.
      Menu("MENU", 10001, "Halvenor porvik",
           {{10002, "New game"}, {10005, "Load / save"}, {10004, "Options"}, {10003, "Quit"}}, true),
      Menu("NEWGAME", 10020, "New game",
           {{10025, "Free play"}, {10026, "Tutorial"}, {10028, "Scenarios"}, {10027, "Back"}}),
      Menu("PAUSE", 10010, "Paused",
           {{10019, "Back"}, {10011, "New game"}, {10014, "Load / save"}, {10013, "Options"}, {10012, "Quit"}}),
      Menu("GAMEMENU", 10265, "Menu", {{10266, "Menu"}, {10267, "Options"}, {10268, "Back"}}),
      Menu("FOODMENU", 10123, "Food", {{10124, "Kiosks"}, {10125, "Restaurant"}}),
      Options(),
      GameBar(),
      Tools("PATHS", 10460, {{10461, "Path"}, {10462, "Wide path"}}),
      Tools("DEMOLISH", 10463, {{10464, "Demolish"}, {10465, "Select"}}),
      VisitorPanel(),
      SaveLoad(),
      Help(),
      Info("EVENTVIEW", 10394, 20110, "Park event", "Watch what happens."),
      EventPopUp(),
      Book(),
      Food("BUFFET", 10126, "Kiosks", 10128, 10127),
      Food("RESTAURANT", 10129, "Restaurant", 20112, 10131),
      MenuItems(),
      Topping(),
      Price("HOTMEAL", 10375, "Hot meal", {10376, 10383, 10384, 10377, 10379, 10380, 10381, 10382}),
      Price("KIOSK", 10349, "Kiosk", {10350, 10357, 10358, 10351, 10353, 10354, 10355, 10356}),
      Summary(),
      Ticket(),
      Shop(),
      Staff(),
      Speed(),
      Statistics(),
      Repair(),
      EventList(10396, 10397, 10398, 10399),
      EventList(10400, 10403, 10401, 10402),
      EventList(10413, 10414, 10415, 10416),
      EventList(10417, 10418, 10419, 10420),
      EventList(10421, 10422, 10423, 10424),
      AttractionList(),
      Upgrade(),
      // Later pages lie over earlier ones: the description opens over the upgrade window.
      About(),
      Picker("PICKONE", 10410, 10412, 10411, true),
      Picker("PICKFIVE", 10404, 10406, 10405, false),
      Picker("PICKFOUR", 10407, 10409, 10408, false),
      Tutorial(),
      TutorialMenu(),
      Scenarios(),
      Message(10385, 10386, 10387),
      Message(10388, 10389, 10390),
      Message(10391, 10392, 10393),
      StatusPanel(),
  };
  return pages;
}

// The property positions that hold x positions and widths, y positions and
// heights, font sizes, and comma lists of widths, per element type.
struct Geometry {
  std::vector<size_t> xs;
  std::vector<size_t> ys;
  std::vector<size_t> fonts;
  std::vector<size_t> widthLists;
};

Geometry GeometryOf(const std::string& type) {
  if (type == "Shape") return {{shapeProps::kX, shapeProps::kWidth}, {shapeProps::kY, shapeProps::kHeight}, {}, {}};
  if (type == "Window") return {{kX, kWidth}, {kY, kHeight, windowProps::kTitleHeight}, {windowProps::kTitleSize}, {}};
  if (type == "TextBox") return {{kX, kWidth}, {kY, kHeight}, {textBoxProps::kSize}, {}};
  if (type == "CheckBox") return {{kX, kWidth, checkBoxProps::kLabelWidth}, {kY, kHeight}, {labelProps::kSize}, {}};
  if (type == "ComboBox") return {{kX, kWidth}, {kY, kHeight}, {comboBoxProps::kSize}, {}};
  if (type == "GridControl")
    return {{kX, kWidth}, {kY, kHeight}, {gridProps::kSize, gridProps::kHeaderSize}, {gridProps::kWidths}};
  // Its height is a factor of its font size.
  if (type == "ListBox") return {{kX, kWidth}, {kY}, {listBoxProps::kSize}, {}};
  return {{kX, kWidth}, {kY, kHeight}, {labelProps::kSize}, {}};  // buttons, static texts, edit boxes
}

// Fonts stay readable on the smallest screen.
constexpr int kSmallestFont = 9;

std::string Scaled(const std::string& value, double factor) {
  if (value.empty()) return value;
  return Num(int(std::lround(std::stod(value) * factor)));
}

// The element and its children laid out for another screen size: every
// position and size in proportion, fonts with the height.
// (A window without a title has no font.)
void Scale(Element& element, double sx, double sy) {
  const Geometry geometry = GeometryOf(element.type);
  std::vector<std::string>& props = element.props;
  for (size_t k : geometry.xs) props[k] = Scaled(props[k], sx);
  for (size_t k : geometry.ys) {
    if (k < props.size()) props[k] = Scaled(props[k], sy);
  }
  for (size_t k : geometry.fonts) {
    if (k >= props.size() || props[k].empty()) continue;
    const int size = std::stoi(props[k]);
    props[k] = Num(std::max(std::min(size, kSmallestFont), int(std::lround(size * sy))));
  }
  for (size_t k : geometry.widthLists) {
    std::string list;
    size_t start = 0;
    const std::string& widths = props[k];
    while (start <= widths.size()) {
      const size_t end = std::min(widths.find(',', start), widths.size());
      list += (list.empty() ? "" : ",") + Scaled(widths.substr(start, end - start), sx);
      start = end + 1;
    }
    props[k] = list;
  }
  for (Element& child : element.children) Scale(child, sx, sy);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void WriteElement(std::ofstream& out, const Element& element, const std::string& parent, int depth) {
  const std::string indent(size_t(depth) * 2, ' ');
  out << indent << "<GuiElement id=\"" << element.name << "\" parentid=\"" << parent << "\" type=\"" << element.type
      << "\">\n"
      << indent << "  <DataField>\n";
  for (const std::string& value : element.props) {
    out << indent << "    <Properties name=\"p\" value=\"" << Escaped(value) << "\"/>\n";
  }
  out << indent << "  </DataField>\n";
  if (!element.children.empty()) {
    out << indent << "  <ChildElement>\n";
    for (const Element& child : element.children) WriteElement(out, child, element.name, depth + 2);
    out << indent << "  </ChildElement>\n";
  }
  out << indent << "</GuiElement>\n";
}

void WriteDefines(std::ofstream& out, const Element& element) {
  out << "#define " << element.name << " " << element.id << "\n";
  for (const Element& child : element.children) WriteDefines(out, child);
}

bool WriteDescription(const fs::path& path, const std::vector<Element>& elements) {
  std::ofstream xml(path);
  xml << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
      << "<!-- The demo park's GUI, written by tools/guilayout. -->\n"
      << "<GUI>\n  <DataDictionary>\n";
  for (const Element& element : elements) WriteElement(xml, element, "", 2);
  xml << "  </DataDictionary>\n</GUI>\n";
  return static_cast<bool>(xml);
}

// The screen sizes besides the one of the layout, with their files.
struct ScreenVariant {
  int width;
  int height;
  const char* file;
};
constexpr ScreenVariant kVariants[] = {{800, 600, "GuiXML_800x600.xml"}, {1280, 1024, "GuiXML_1280x1024.xml"}};
// The demo panel over a plain scene, for the GUI toolkit's own windowed test.
constexpr const char* kDemoFile = "DemoGuiXML.xml";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: guilayout <park folder>\n");
    return 2;
  }
  const fs::path folder = fs::path(argv[1]) / "guifiles";
  fs::create_directories(folder);
  // The game shows only its own pages; the demo panel has a file of its own.
  const std::vector<Element> demo = DemoElements();
  const std::vector<Element> elements = GameElements();

  bool ok = WriteDescription(folder / "GuiXML.xml", elements) && WriteDescription(folder / kDemoFile, demo);
  for (const ScreenVariant& variant : kVariants) {
    std::vector<Element> scaled = elements;
    for (Element& element : scaled) {
      Scale(element, double(variant.width) / kScreenWidth, double(variant.height) / kScreenHeight);
    }
    ok &= WriteDescription(folder / variant.file, scaled);
  }
  // One defines file names the elements of both descriptions.
  std::ofstream defines(folder / "guidefines.h");
  defines << "// Element ids of the GUI descriptions (guifiles/GuiXML.xml and " << kDemoFile
          << "), written by tools/guilayout.\n\n";
  for (const std::vector<Element>* description : {&demo, &elements}) {
    for (const Element& element : *description) WriteDefines(defines, element);
  }
  if (!ok || !defines) {
    std::fprintf(stderr, "guilayout: cannot write %s\n", folder.string().c_str());
    return 1;
  }
  return 0;
}
