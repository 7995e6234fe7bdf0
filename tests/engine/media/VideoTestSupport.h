#pragma once
// A headless engine device with the video singleton, in a scratch folder
// that holds video files, and the scripted graph installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/core/Globals.h"
#include "engine/media/ZOdevuvVideo.h"
#include "engine/render/ZOdevuvTexture.h"
#include "engine/render/ZOdevuvDevice.h"
#include "platform/media/ScriptedVideoGraph.h"
#include "platform/os/Path.h"

namespace videotest {

class VideoFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("HALVENOR_HEADLESS", "1", 0);
    dir_ = std::filesystem::temp_directory_path() /
           ("video-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    manager_ = std::make_unique<ZOdevuvDevice>(nullptr);
    manager_->InitEngineDevice(800, 600, 32, 1, 1);
    ASSERT_NE(manager_->GetDevice(), nullptr);
    video_ = std::make_unique<ZOdevuvVideo>();
    plat::SetVideoGraphFactory(plat::ScriptedVideoGraph::Factory(script_));
  }
  void TearDown() override {
    video_.reset();
    plat::SetVideoGraphFactory({});
    manager_.reset();
    std::filesystem::remove_all(dir_);
    plat::ClearPathCache();
  }
  // A file the scripted graph accepts (it only checks that it exists).
  std::string Touch(const std::string& name) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path) << "video";
    plat::ClearPathCache();
    return path;
  }
  plat::Device& Device() { return *manager_->GetDevice(); }

  std::shared_ptr<plat::VideoScript> script_ = std::make_shared<plat::VideoScript>();
  std::filesystem::path dir_;
  std::unique_ptr<ZOdevuvDevice> manager_;
  std::unique_ptr<ZOdevuvVideo> video_;
};

}  // namespace videotest
