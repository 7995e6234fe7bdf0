// The element tree: records, search, order, flags, drawing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Device.h"
#include "tests/gui/kit/GuiTestKit.h"

namespace {

using guitest::GuiTestKit;

struct Tree {
  CGuiElement* root;
  CGuiElement* a;
  CGuiElement* a1;
  CGuiElement* b;
};

// root 1 at (100, 50): a 2 at +(10, 20) with a1 3 at +(5, 5); b 4.
Tree MakeTree(GuiTestKit& kit) {
  Tree t;
  t.root = kit.Add<CGuiElement>(nullptr, 1, 100, 50, 400, 300);
  t.a = kit.Add<CGuiElement>(t.root, 2, 10, 20, 100, 100);
  t.a1 = kit.Add<CGuiElement>(t.a, 3, 5, 5, 20, 20);
  t.b = kit.Add<CGuiElement>(t.root, 4, 200, 0, 50, 50);
  return t;
}

TEST(ElementTreeTest, PositionsAreAbsoluteFromTheParentsRecord) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  EXPECT_EQ(t.a1->record->x, 115);
  EXPECT_EQ(t.a1->record->y, 75);
  EXPECT_EQ(t.a1->rect.right, 135);
  auto* plain = new CGuiElement();
  plain->Create(t.a, 9, 0, 1, 2, 0, 1, 1);
  t.a->AddChild(plain);
  EXPECT_EQ(plain->record->x, 111);
  EXPECT_EQ(plain->record->width, 0);
}

TEST(ElementTreeTest, FindChildSearchesDepthFirstAndNeverMatchesItself) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  EXPECT_EQ(t.root->FindChild(1), nullptr);
  EXPECT_EQ(t.root->FindChild(3), t.a1);
  EXPECT_EQ(t.root->FindChild(4), t.b);
  // A second element with id 4 deep under a is found first: a's subtree
  // comes before b.
  auto* twin = new CGuiElement();
  twin->CreateSized(t.a1, 4, 0, 0, 0, 1, 1, 0, 1, 1);
  t.a1->AddChild(twin);
  EXPECT_EQ(t.root->FindChild(4), twin);
}

TEST(ElementTreeTest, BringChildToFrontMovesOnlyDirectChildren) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  t.root->BringChildToFront(t.a1);
  EXPECT_EQ(t.root->GetChild(0), t.a);
  t.root->BringChildToFront(t.a);
  EXPECT_EQ(t.root->GetChild(0), t.b);
  EXPECT_EQ(t.root->GetChild(1), t.a);
}

TEST(ElementTreeTest, AddChildRefusesNullRepeatsAndElementsBeyondTheDeepestLevel) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  EXPECT_FALSE(t.root->AddChild(nullptr));
  EXPECT_FALSE(t.root->AddChild(t.a));
  EXPECT_EQ(t.root->GetChildCount(), 2);
  // A chain as deep as the tree may be, and one more that stays the caller's.
  CGuiElement* deepest = t.root;
  for (int32_t depth = 1; depth <= CGuiElement::kMaxTreeDepth; ++depth) {
    auto* child = new CGuiElement();
    child->Create(deepest, depth + 100, 0, 0, 0, 0, 1, 1);
    ASSERT_TRUE(deepest->AddChild(child)) << depth;
    deepest = child;
  }
  EXPECT_EQ(deepest->Depth(), CGuiElement::kMaxTreeDepth);
  auto beyond = std::make_unique<CGuiElement>();
  beyond->Create(deepest, 1000, 0, 0, 0, 0, 1, 1);
  EXPECT_FALSE(deepest->AddChild(beyond.get()));
  EXPECT_EQ(deepest->GetChildCount(), 0);
}

TEST(ElementTreeTest, ShowAndEnableReachTheWholeSubtree) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  t.a1->Disable(nullptr);
  t.a1->Hide(nullptr);
  t.root->Hide(nullptr);
  EXPECT_FALSE(t.a->IsVisible());
  t.root->Show(nullptr);
  t.root->Enable(nullptr);
  EXPECT_TRUE(t.a1->IsVisible());
  EXPECT_TRUE(t.a1->IsEnabled());
}

TEST(ElementTreeTest, ChildrenAreDeletedWithTheirParent) {
  struct Counted : CGuiElement {
    explicit Counted(int* alive) : alive(alive) { ++*alive; }
    ~Counted() override { --*alive; }
    int* alive;
  };
  int alive = 0;
  {
    CGuiElement root;
    root.CreateSized(nullptr, 1, 0, 0, 0, 10, 10, 0, 1, 1);
    auto* child = new Counted(&alive);
    child->CreateSized(&root, 2, 0, 0, 0, 5, 5, 0, 1, 1);
    root.AddChild(child);
    auto* grandchild = new Counted(&alive);
    grandchild->CreateSized(child, 3, 0, 0, 0, 5, 5, 0, 1, 1);
    child->AddChild(grandchild);
    EXPECT_EQ(alive, 2);
  }
  EXPECT_EQ(alive, 0);
}

TEST(ElementTreeTest, HoverFollowsMovesAndEndsWhenTheElementIsHidden) {
  GuiTestKit kit;
  Tree t = MakeTree(kit);
  kit.Route(gui::kMouseMove, 120, 80);
  EXPECT_EQ(t.a->hover, 1);
  EXPECT_EQ(t.b->hover, 0);
  t.root->Hide(nullptr);
  EXPECT_EQ(t.a->hover, 0);
  t.root->Show(nullptr);
  kit.Route(gui::kMouseMove, 320, 60);
  EXPECT_EQ(t.a->hover, 0);
  EXPECT_EQ(t.b->hover, 1);
}

struct PointCase {
  int32_t x, y;
  bool inside;
};

TEST(ElementTreeTest, ContainsPointIsStrictOnAllFourEdges) {
  GuiTestKit kit;
  CGuiElement* e = kit.Add<CGuiElement>(nullptr, 1, 10, 20, 30, 40);
  const PointCase cases[] = {{11, 21, true},  {39, 59, true},  {10, 30, false}, {40, 30, false},
                             {20, 20, false}, {20, 60, false}, {25, 40, true}};
  for (const PointCase& c : cases) EXPECT_EQ(e->ContainsPoint(c.x, c.y), c.inside) << c.x << "," << c.y;
}

// Drawing reads the device's record: the quads' positions and texture u.
class ElementDrawTest : public ::testing::Test {
 protected:
  void SetUp() override { kit.Device().Record().Enable(true); }

  std::vector<plat::DrawRecord> DrawFrame() {
    kit.Device().Record().Clear();
    kit.Device().BeginScene();
    kit.Gui().DrawLayers();
    kit.Device().EndScene();
    return kit.Device().Record().Draws();
  }

  static float U(const plat::DrawRecord& draw, uint32_t vertex) { return draw.Read<float>(vertex, 20); }
  static float X(const plat::DrawRecord& draw, uint32_t vertex) { return draw.Read<float>(vertex, 0); }
  static float Y(const plat::DrawRecord& draw, uint32_t vertex) { return draw.Read<float>(vertex, 4); }

  GuiTestKit kit;
};

TEST_F(ElementDrawTest, TheStatePicksTheBackgroundCell) {
  CGuiElement* e = kit.Add<CGuiElement>(nullptr, 1, 10, 20, 100, 50, 0, 4);
  e->SetBackgroundTexture(kit.Image("cells.png", 400, 50));
  e->record->state = kStatePressed;
  std::vector<plat::DrawRecord> draws = DrawFrame();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_FLOAT_EQ(U(draws[0], 0), 0.5f);
  EXPECT_FLOAT_EQ(U(draws[0], 1), 0.75f);
  EXPECT_FLOAT_EQ(X(draws[0], 0), 9.5f);

  e->record->state = 9;  // beyond the cells: the last one
  draws = DrawFrame();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_FLOAT_EQ(U(draws[0], 0), 0.75f);
  EXPECT_FLOAT_EQ(U(draws[0], 1), 1.0f);
}

TEST_F(ElementDrawTest, TheFrameIsDrawnTopBottomLeftRight) {
  CGuiElement* e = kit.Add<CGuiElement>(nullptr, 1, 10, 20, 100, 50);
  e->SetFrameTexture(kit.Image("frame.png", 8, 8), 3);
  const std::vector<plat::DrawRecord> draws = DrawFrame();
  ASSERT_EQ(draws.size(), 4u);
  const float expected[4][4] = {{10, 20, 110, 23}, {10, 67, 110, 70}, {10, 20, 13, 70}, {107, 20, 110, 70}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(X(draws[i], 0), expected[i][0] - 0.5f) << "edge " << i;
    EXPECT_FLOAT_EQ(Y(draws[i], 0), expected[i][1] - 0.5f) << "edge " << i;
    EXPECT_FLOAT_EQ(X(draws[i], 2), expected[i][2] - 0.5f) << "edge " << i;
    EXPECT_FLOAT_EQ(Y(draws[i], 2), expected[i][3] - 0.5f) << "edge " << i;
  }
}

TEST_F(ElementDrawTest, AHiddenElementDrawsNeitherItselfNorItsChildren) {
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 100, 100);
  CGuiElement* child = kit.Add<CGuiElement>(root, 2, 0, 0, 10, 10);
  root->SetBackgroundTexture(kit.Image("a.png", 4, 4));
  child->SetBackgroundTexture(kit.Image("b.png", 4, 4));
  EXPECT_EQ(DrawFrame().size(), 2u);
  root->Hide(nullptr);
  EXPECT_TRUE(DrawFrame().empty());
  kit.Gui().SetLayerActive(1, 0);
  root->Show(nullptr);
  EXPECT_TRUE(DrawFrame().empty()) << "an inactive layer is not drawn";
}

TEST_F(ElementDrawTest, TheGuiIsDrawnWithoutTheDepthTestWhichIsRestoredAfterwards) {
  CGuiElement* e = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 100, 100);
  e->SetBackgroundTexture(kit.Image("a.png", 4, 4));
  kit.Device().SetRenderState(plat::RenderState::ZEnable, plat::kTrue);
  kit.Device().Record().Clear();
  kit.Device().BeginScene();
  kit.Gui().DrawLayers();
  kit.Device().EndScene();
  // The depth test goes off before the quad is drawn and back on after it.
  std::vector<std::string> order;
  for (const plat::RecordEvent& event : kit.Device().Record().Events()) {
    const plat::StateEvent* state = event.Get<plat::StateEvent>();
    if (event.kind == plat::EventKind::RenderState && state &&
        state->key == uint32_t(plat::RenderState::ZEnable)) {
      order.push_back(state->value ? "on" : "off");
    }
    if (event.kind == plat::EventKind::Draw) order.push_back("draw");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"off", "draw", "on"}));
}

struct SizeCase {
  int32_t cellCount;
  int32_t width, height;
};

TEST_F(ElementDrawTest, AnUnsizedElementTakesItsSizeFromTheBackgroundCells) {
  const SizeCase cases[] = {{0, 400, 50}, {4, 100, 50}};
  for (const SizeCase& c : cases) {
    auto* e = new CGuiElement();
    e->Create(nullptr, 1, 0, 5, 6, c.cellCount, 1, 1);
    kit.Gui().AddLayer(1, 1, e, 0);
    e->SetBackgroundTexture(kit.Image("strip.png", 400, 50));
    EXPECT_EQ(e->record->width, c.width) << "cells " << c.cellCount;
    EXPECT_EQ(e->record->height, c.height) << "cells " << c.cellCount;
    EXPECT_EQ(e->rect.right, 5 + c.width);
  }
}

}  // namespace
