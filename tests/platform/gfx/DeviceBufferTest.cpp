#include <gtest/gtest.h>

#include <cstring>

#include "platform/gfx/Device.h"
#include "tests/platform/gfx/DeviceTestSupport.h"

namespace plat::test {
namespace {

class VertexBufferLock : public ::testing::Test {
 protected:
  void Fill(std::uint32_t offset, std::uint32_t size, std::uint8_t value, std::uint32_t flags) {
    void* data = nullptr;
    ASSERT_TRUE(dynamic_->Lock(offset, size, &data, flags));
    std::memset(data, value, size);
    ASSERT_TRUE(dynamic_->Unlock());
  }
  std::vector<std::uint8_t> Bytes(const std::shared_ptr<VertexBuffer>& vb) {
    std::vector<std::uint8_t> out;
    EXPECT_TRUE(vb->CopyOut(0, vb->Length(), out));
    return out;
  }
  std::shared_ptr<Device> device_ = MakeHeadlessDevice();
  std::shared_ptr<VertexBuffer> dynamic_ =
      device_->CreateVertexBuffer(96, Usage::Dynamic | Usage::WriteOnly, 0x142, Pool::Default);
};

TEST_F(VertexBufferLock, NoOverwriteKeepsEarlierBatchesAndDiscardStartsAfresh) {
  Fill(0, 48, 0xAA, Lock::Discard);
  Fill(48, 48, 0xBB, Lock::NoOverwrite);
  auto bytes = Bytes(dynamic_);
  EXPECT_EQ(bytes[0], 0xAA);
  EXPECT_EQ(bytes[47], 0xAA);
  EXPECT_EQ(bytes[48], 0xBB);
  std::uint64_t generation = dynamic_->Generation();
  Fill(0, 24, 0xCC, Lock::Discard);
  bytes = Bytes(dynamic_);
  EXPECT_EQ(bytes[0], 0xCC);
  EXPECT_EQ(bytes[24], 0x00) << "discarded contents are gone";
  EXPECT_EQ(bytes[48], 0x00);
  EXPECT_EQ(dynamic_->DiscardCount(), 2u);
  EXPECT_GT(dynamic_->Generation(), generation);
}

TEST_F(VertexBufferLock, DiscardOnAStaticBufferKeepsItsContents) {
  auto managed = device_->CreateVertexBuffer(48, Usage::WriteOnly, 0x142, Pool::Managed);
  void* data = nullptr;
  ASSERT_TRUE(managed->Lock(0, 0, &data));
  std::memset(data, 0x55, 48);
  managed->Unlock();
  ASSERT_TRUE(managed->Lock(0, 24, &data, Lock::Discard));
  managed->Unlock();
  EXPECT_EQ(Bytes(managed)[40], 0x55);
  EXPECT_EQ(managed->DiscardCount(), 0u);
}

TEST_F(VertexBufferLock, LocksOutsideTheBufferOrTwiceFail) {
  struct Case {
    std::uint32_t offset, size;
    bool ok;
  };
  const Case cases[] = {
      {0, 0, true},   {0, 96, true},  {72, 24, true},  {72, 0, true},
      {96, 0, false}, {0, 97, false}, {80, 24, false}, {0xFFFFFFF0u, 32, false},
  };
  for (const Case& c : cases) {
    void* data = nullptr;
    EXPECT_EQ(dynamic_->Lock(c.offset, c.size, &data), c.ok) << c.offset << "+" << c.size;
    if (c.ok) {
      EXPECT_FALSE(dynamic_->Lock(0, 0, &data)) << "already locked";
      EXPECT_TRUE(dynamic_->Unlock());
    }
  }
  EXPECT_FALSE(dynamic_->Unlock());
  void* data = nullptr;
  EXPECT_FALSE(dynamic_->Lock(0, 0, nullptr));
  EXPECT_TRUE(dynamic_->Lock(0, 0, &data));
  EXPECT_FALSE(dynamic_->Read([](const std::uint8_t*, std::size_t) {}))
      << "readers wait for unlock";
}

TEST(IndexBuffer, HoldsWholeSixteenBitIndicesOnly) {
  auto device = MakeHeadlessDevice();
  EXPECT_FALSE(device->CreateIndexBuffer(0, 0, Pool::Managed));
  EXPECT_FALSE(device->CreateIndexBuffer(7, 0, Pool::Managed));
  auto ib = device->CreateIndexBuffer(12, 0, Pool::Managed);
  ASSERT_TRUE(ib);
  EXPECT_EQ(ib->IndexCount(), 6u);
  EXPECT_FALSE(device->CreateVertexBuffer(0, 0, 0x142, Pool::Managed));
}

}  // namespace
}  // namespace plat::test
