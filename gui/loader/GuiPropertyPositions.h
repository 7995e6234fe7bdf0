#pragma once
// Where each value stands in an element's property list of the GUI
// description, per element type. The loader reads the values by these
// positions and the tool that writes the demo description puts them there,
// so both name them from here. Each type also gives the count of values it
// needs; a shorter list is refused.
#include <cstddef>

namespace guiprops {

// The rectangle of every type but the shape.
constexpr size_t kX = 1;
constexpr size_t kY = 2;
constexpr size_t kWidth = 3;
constexpr size_t kHeight = 4;

namespace shapeProps {
constexpr size_t kX = 0;
constexpr size_t kY = 1;
constexpr size_t kWidth = 2;
constexpr size_t kHeight = 3;
constexpr size_t kImage = 6;
constexpr size_t kCount = 7;
}  // namespace shapeProps

namespace windowProps {
// "TOP" makes a top-level window's layer sticky.
constexpr size_t kSticky = 0;
constexpr size_t kImage = 7;
constexpr size_t kShown = 8;
constexpr size_t kFramed = 9;
constexpr size_t kTitleHeight = 15;
constexpr size_t kTitleImage = 18;
// "1" gives a title bar, which needs the title's values up to kTitle.
constexpr size_t kTitled = 19;
constexpr size_t kTitleFace = 21;
constexpr size_t kTitleColour = 22;
constexpr size_t kTitleStyle = 23;
constexpr size_t kTitleSize = 24;
constexpr size_t kTitle = 25;
constexpr size_t kCount = 20;
constexpr size_t kTitledCount = 26;
}  // namespace windowProps

// The caption of the types that draw one line of text: buttons, animated
// buttons, static texts, edit boxes and check boxes.
namespace labelProps {
constexpr size_t kImage = 7;
constexpr size_t kFace = 10;
constexpr size_t kColour = 11;
constexpr size_t kStyle = 12;
constexpr size_t kSize = 13;
constexpr size_t kText = 14;
}  // namespace labelProps

namespace buttonProps {
// The click actions.
constexpr size_t kActions = 19;
constexpr size_t kCount = 20;
}  // namespace buttonProps

namespace animButtonProps {
constexpr size_t kActions = 20;
constexpr size_t kCount = 21;
}  // namespace animButtonProps

// Static texts and edit boxes.
namespace staticTextProps {
constexpr size_t kFramed = 8;
constexpr size_t kCount = 15;
}  // namespace staticTextProps

namespace checkBoxProps {
// "1" lets the player change it.
constexpr size_t kEnabled = 8;
constexpr size_t kAlignment = 16;
// Added to the box's width for its caption.
constexpr size_t kLabelWidth = 18;
constexpr size_t kCount = 19;
}  // namespace checkBoxProps

namespace textBoxProps {
constexpr size_t kImage = 7;
constexpr size_t kFramed = 8;
constexpr size_t kFace = 12;
constexpr size_t kColour = 13;
constexpr size_t kStyle = 14;
constexpr size_t kSize = 15;
constexpr size_t kText = 16;
constexpr size_t kFormat = 18;
constexpr size_t kCount = 19;
}  // namespace textBoxProps

namespace listBoxProps {
constexpr size_t kRows = 5;
constexpr size_t kHeaderColour = 7;
constexpr size_t kFramed = 13;
constexpr size_t kHeader = 16;
constexpr size_t kImage = 17;
constexpr size_t kFace = 18;
constexpr size_t kItemColour = 19;
constexpr size_t kStyle = 20;
// The font size; the list's height is kHeight times it.
constexpr size_t kSize = 21;
constexpr size_t kCount = 22;
}  // namespace listBoxProps

// Combo boxes and drop-down menus.
namespace comboBoxProps {
constexpr size_t kImage = 0;
constexpr size_t kRows = 5;
constexpr size_t kFramed = 6;
constexpr size_t kFace = 8;
constexpr size_t kItemColour = 9;
constexpr size_t kStyle = 10;
constexpr size_t kSize = 11;
constexpr size_t kDropImage = 16;
constexpr size_t kItemImage = 17;
constexpr size_t kCount = 18;
}  // namespace comboBoxProps

namespace dropDownProps {
constexpr size_t kListImage = 18;
constexpr size_t kCount = 19;
}  // namespace dropDownProps

namespace gridProps {
// The image of the cells.
constexpr size_t kCellImage = 0;
// Comma lists: the column widths and the header captions.
constexpr size_t kWidths = 5;
constexpr size_t kColumns = 6;
constexpr size_t kRows = 8;
constexpr size_t kCellFormat = 9;
constexpr size_t kFace = 10;
constexpr size_t kColour = 11;
constexpr size_t kStyle = 12;
constexpr size_t kSize = 13;
constexpr size_t kHasHeader = 16;
constexpr size_t kHeaderImage = 17;
constexpr size_t kCaptions = 18;
constexpr size_t kHeaderFormat = 19;
constexpr size_t kHeaderFace = 20;
constexpr size_t kHeaderColour = 21;
constexpr size_t kHeaderStyle = 22;
constexpr size_t kHeaderSize = 23;
constexpr size_t kFramed = 24;
constexpr size_t kHighlightImage = 25;
constexpr size_t kCount = 26;
}  // namespace gridProps

}  // namespace guiprops
