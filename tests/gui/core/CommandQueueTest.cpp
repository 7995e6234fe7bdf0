// The per-frame command pass and purge, and posting from other threads.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/gui/kit/GuiTestKit.h"

namespace {

std::vector<int32_t> QueuedParameters(CGuiMainClass& gui) {
  std::vector<int32_t> parameters;
  for (const GuiCommand& command : gui.GetCommandQueue().Snapshot()) parameters.push_back(command.parameter);
  return parameters;
}

TEST(CommandPassTest, ACommandPostedDuringThePassRunsInTheNextFrame) {
  guitest::GuiTestKit kit;
  std::vector<int32_t> seen;
  kit.mainHandler = [&](GuiCommand* command) {
    seen.push_back(command->parameter);
    if (command->parameter == 1) kit.Gui().PostCommand(7, 8, kCmdScrollUp, 0, 2);
    command->sender = -1;
    command->target = -1;
  };
  kit.Gui().PostCommand(7, 8, kCmdScrollUp, 0, 1);
  kit.RunFrame();
  EXPECT_EQ(seen, std::vector<int32_t>{1});
  EXPECT_EQ(QueuedParameters(kit.Gui()), std::vector<int32_t>{2});
  kit.RunFrame();
  EXPECT_EQ(seen, (std::vector<int32_t>{1, 2}));
  EXPECT_TRUE(kit.Gui().GetCommandQueue().Snapshot().empty());
}

TEST(CommandPassTest, ThePurgeDropsConsumedCommandsAndKeepsTheOrderOfTheRest) {
  guitest::GuiTestKit kit;
  // Odd parameters are consumed by the main handler, 4 is marked done, the
  // others nobody takes (their target does not exist).
  kit.mainHandler = [](GuiCommand* command) {
    if (command->parameter % 2 == 1) command->sender = -1;
    if (command->parameter == 4) command->done = 1;
  };
  for (int32_t parameter = 0; parameter < 7; ++parameter) {
    kit.Gui().PostCommand(3, parameter % 2 == 1 ? -1 : 99, kCmdScrollUp, 0, parameter);
  }
  kit.RunFrame();
  EXPECT_EQ(QueuedParameters(kit.Gui()), (std::vector<int32_t>{0, 2, 6}));
}

TEST(CommandPassTest, AnUnconsumedCommandWaitsForItsElement) {
  guitest::GuiTestKit kit;
  CGuiElement* root = kit.Add<CGuiElement>(nullptr, 1, 0, 0, 100, 100);
  kit.Gui().PostCommand(-1, 5, kCmdShow, 0, 0);
  kit.RunFrame();
  kit.RunFrame();
  EXPECT_EQ(kit.Gui().GetCommandQueue().Size(), 1u);

  auto* late = new CGuiElement();
  late->CreateSized(root, 5, 0, 0, 0, 10, 10, 0, 0, 1);
  root->AddChild(late);
  kit.RunFrame();
  EXPECT_TRUE(late->IsVisible());
  EXPECT_EQ(kit.Gui().GetCommandQueue().Size(), 0u);
}

TEST(CommandPassTest, CommandsFromOtherThreadsAllArriveInTheirThreadsOrder) {
  guitest::GuiTestKit kit;
  constexpr int kThreads = 4;
  constexpr int kPerThread = 500;
  std::vector<std::vector<int32_t>> seen(kThreads);
  kit.mainHandler = [&seen](GuiCommand* command) {
    seen[std::size_t(command->sender)].push_back(command->parameter);
    command->done = 1;
  };
  std::vector<std::thread> posters;
  for (int t = 0; t < kThreads; ++t) {
    posters.emplace_back([&kit, t] {
      for (int i = 0; i < kPerThread; ++i) kit.Gui().PostCommand(t, 1, kCmdScrollUp, 0, i);
    });
  }
  for (int frame = 0; frame < 50; ++frame) kit.RunFrame();
  for (std::thread& poster : posters) poster.join();
  kit.RunFrame();
  for (int t = 0; t < kThreads; ++t) {
    ASSERT_EQ(seen[std::size_t(t)].size(), std::size_t(kPerThread)) << "thread " << t;
    for (int i = 0; i < kPerThread; ++i) EXPECT_EQ(seen[std::size_t(t)][std::size_t(i)], i);
  }
}

TEST(CommandPassTest, LayersAddedByALoadingThreadAppearWhileFramesRun) {
  guitest::GuiTestKit kit;
  constexpr int kLayers = 200;
  std::thread loader([&kit] {
    for (int id = 0; id < kLayers; ++id) {
      auto* root = new guitest::RecordingElement();
      root->CreateSized(nullptr, id, 0, 0, 0, 50, 50, 0, 1, 1);
      kit.Gui().AddLayer(id, 1, root, 0);
    }
  });
  while (kit.Gui().GetLayerCount() < kLayers) {
    kit.mouse.x = (kit.mouse.x + 7) % 100;
    kit.RunFrame();
  }
  loader.join();
  kit.RunFrame();
  for (GuiLayer* layer : kit.Gui().GetLayers()) {
    auto* root = static_cast<guitest::RecordingElement*>(layer->root.get());
    EXPECT_FALSE(root->calls.empty()) << "layer " << layer->id << " was never updated";
  }
}

}  // namespace
