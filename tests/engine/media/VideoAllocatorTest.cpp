#include "engine/media/CAllocator.h"

#include <vector>

#include "platform/gfx/headless/HeadlessBackend.h"
#include "tests/engine/media/VideoTestSupport.h"

namespace {

using videotest::VideoFixture;

// A backend whose device takes only power-of-two textures.
class Pow2Backend : public plat::HeadlessBackend {
 public:
  plat::DeviceCaps Caps() const override {
    plat::DeviceCaps caps;
    caps.textureCaps |= plat::TextureCaps::Pow2;
    return caps;
  }
};

// The renderer's side: counts allocations and fails the first ones on request.
class FakeNotify : public plat::VideoAllocatorNotify {
 public:
  explicit FakeNotify(int failures) : failures_(failures) {}
  plat::MediaResult AllocateSurfaceHelper(plat::VideoAllocationInfo& info, std::uint32_t* buffers,
                                          std::shared_ptr<plat::Surface>* surfaces) override {
    flags.push_back(info.flags);
    if (failures_-- > 0) return plat::kMediaFail;
    for (std::uint32_t i = 0; i < *buffers; ++i) {
      surfaces[i] = plat::Surface::CreateStandalone(info.width, info.height, plat::Format::A8R8G8B8, 0,
                                                    plat::Pool::Default);
    }
    return plat::kMediaOk;
  }
  plat::MediaResult SetD3DDevice(std::shared_ptr<plat::Device>) override { return plat::kMediaOk; }
  plat::MediaResult ChangeD3DDevice(std::shared_ptr<plat::Device>) override { return plat::kMediaOk; }
  std::vector<std::uint32_t> flags;

 private:
  int failures_;
};

class AllocatorTest : public VideoFixture {
 protected:
  std::shared_ptr<CAllocator> Make(std::shared_ptr<plat::Device> device, int failures = 0) {
    plat::MediaResult result = plat::kMediaFail;
    auto allocator = std::make_shared<CAllocator>(&result, nullptr, std::move(device));
    EXPECT_EQ(result, plat::kMediaOk);
    notify_ = std::make_shared<FakeNotify>(failures);
    EXPECT_EQ(allocator->AdviseNotify(notify_), plat::kMediaOk);
    return allocator;
  }
  std::shared_ptr<FakeNotify> notify_;
};

TEST_F(AllocatorTest, PowerOfTwoDeviceRaisesTheSurfaceAndKeepsTheNativeSize) {
  plat::DeviceParams params;
  params.backend = plat::BackendChoice::Headless;
  auto device = std::make_shared<plat::Device>(params, std::make_unique<Pow2Backend>());
  auto allocator = Make(device);
  plat::VideoAllocationInfo info;
  info.width = 320;
  info.height = 240;
  std::uint32_t buffers = 1;
  ASSERT_EQ(allocator->InitializeDevice(ZOdevuvVideo::kUserId, &info, &buffers), plat::kMediaOk);
  EXPECT_EQ(info.width, 512);
  EXPECT_EQ(info.height, 256);
  EXPECT_FLOAT_EQ(allocator->GetUExtent(), 320.0f / 512.0f);
  EXPECT_FLOAT_EQ(allocator->GetVExtent(), 240.0f / 256.0f);
  int32_t w = 0, h = 0;
  video_->GetVideoSize(&w, &h);
  EXPECT_EQ(w, 512);
  EXPECT_EQ(h, 256);
  video_->GetNativeSize(&w, &h);
  EXPECT_EQ(w, 320);
  EXPECT_EQ(h, 240);
  ASSERT_EQ(notify_->flags.size(), 1u);
  EXPECT_TRUE(notify_->flags[0] & plat::VideoAllocFlag::TextureSurface);
}

TEST_F(AllocatorTest, WithoutThePowerOfTwoRuleTheSizeStaysAndExtentsAreWhole) {
  auto allocator = Make(manager_->GetSharedDevice());
  plat::VideoAllocationInfo info;
  info.width = 320;
  info.height = 240;
  std::uint32_t buffers = 1;
  ASSERT_EQ(allocator->InitializeDevice(0, &info, &buffers), plat::kMediaOk);
  EXPECT_EQ(info.width, 320);
  EXPECT_FLOAT_EQ(allocator->GetUExtent(), 1.0f);
  EXPECT_FLOAT_EQ(allocator->GetVExtent(), 1.0f);
}

TEST_F(AllocatorTest, FailedTextureAllocationRetriesOffscreenWithAPrivateTextureForYuvOnly) {
  struct Case {
    plat::Format format;
    bool privateTexture;
  };
  const Case cases[] = {{plat::Format(plat::MakeFourCC('Y', 'V', '1', '2')), true},
                        {plat::Format::X8R8G8B8, false}};
  for (const Case& c : cases) {
    auto allocator = Make(manager_->GetSharedDevice(), 1);
    plat::VideoAllocationInfo info;
    info.width = 64;
    info.height = 32;
    info.format = c.format;
    std::uint32_t buffers = 1;
    EXPECT_EQ(allocator->InitializeDevice(0, &info, &buffers), plat::kMediaOk);
    ASSERT_EQ(notify_->flags.size(), 2u);
    EXPECT_TRUE(notify_->flags[1] & plat::VideoAllocFlag::OffscreenSurface);
    EXPECT_FALSE(notify_->flags[1] & plat::VideoAllocFlag::TextureSurface);
    EXPECT_EQ(allocator->GetPrivateTexture() != nullptr, c.privateTexture);
  }
}

TEST_F(AllocatorTest, RenderTargetAllocationFailureIsReported) {
  auto allocator = Make(manager_->GetSharedDevice(), 1);
  plat::VideoAllocationInfo info;
  info.width = 64;
  info.height = 32;
  info.flags = plat::VideoAllocFlag::RenderTarget3D;
  std::uint32_t buffers = 1;
  EXPECT_EQ(allocator->InitializeDevice(0, &info, &buffers), plat::kMediaFail);
  EXPECT_EQ(notify_->flags.size(), 1u);
}

TEST_F(AllocatorTest, BadRequestsAreRefusedWithoutTouchingTheSurfaceList) {
  auto allocator = Make(manager_->GetSharedDevice());
  plat::VideoAllocationInfo info;
  info.width = 64;
  info.height = 32;
  std::uint32_t none = 0, one = 1;
  EXPECT_EQ(allocator->InitializeDevice(0, &info, nullptr), plat::kMediaPointer);
  EXPECT_EQ(allocator->InitializeDevice(0, &info, &none), plat::kMediaInvalidArg);
  ASSERT_EQ(allocator->InitializeDevice(0, &info, &one), plat::kMediaOk);
  std::shared_ptr<plat::Surface> surface;
  EXPECT_EQ(allocator->GetSurface(0, 0, 0, nullptr), plat::kMediaPointer);
  EXPECT_EQ(allocator->GetSurface(0, 1, 0, &surface), plat::kMediaFail) << "index equal to the length";
  EXPECT_EQ(allocator->GetSurface(0, 0, 0, &surface), plat::kMediaOk);
  EXPECT_NE(surface, nullptr);
  plat::VideoPresentationInfo empty;
  Device().Record().Enable(true);
  Device().Record().Clear();
  EXPECT_EQ(allocator->PresentImage(0, &empty), plat::kMediaPointer);
  EXPECT_EQ(allocator->PresentImage(0, nullptr), plat::kMediaPointer);
  EXPECT_EQ(Device().Record().Draws().size(), 0u);
}

TEST_F(AllocatorTest, OverlayIsDrawnOverEveryFrameAtTheTopLeftCorner) {
  auto allocator = Make(manager_->GetSharedDevice());
  plat::VideoAllocationInfo info;
  info.width = 64;
  info.height = 32;
  std::uint32_t one = 1;
  ASSERT_EQ(allocator->InitializeDevice(0, &info, &one), plat::kMediaOk);
  ZOdevuvTexture overlay;
  ASSERT_TRUE(overlay.CreateBlank(16, 8, false));
  video_->overlay = &overlay;
  video_->SetDestRect(100, 100, 64, 32);
  plat::VideoPresentationInfo frame;
  ASSERT_EQ(allocator->GetSurface(0, 0, 0, &frame.surface), plat::kMediaOk);
  Device().Record().Enable(true);
  Device().Record().Clear();
  for (int i = 0; i < 2; ++i) EXPECT_EQ(allocator->PresentImage(0, &frame), plat::kMediaOk);
  const auto draws = Device().Record().Draws();
  ASSERT_EQ(draws.size(), 4u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_FLOAT_EQ(draws[2 * i].Read<ZOdevuvTexture::QuadVertex>(0, 0).x, 99.5f) << "the video first";
    EXPECT_FLOAT_EQ(draws[2 * i + 1].Read<ZOdevuvTexture::QuadVertex>(0, 0).x, -0.5f) << "then the overlay";
  }
  video_->overlay = nullptr;
}

}  // namespace
