#include "platform/os/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace plat {
namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearMessageBoxes(); }
  void TearDown() override {
    SetMessageBoxPresenter(nullptr);
    ClearMessageBoxes();
  }
};

TEST_F(MessageBoxTest, HeadlessBoxIsRecordedPrintedAndAnsweredOk) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox("Bad tag", "XML Parsing error", kMbTopmost | kMbIconError), kIdOk);
  const std::string printed = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("XML Parsing error"), std::string::npos);
  EXPECT_NE(printed.find("Bad tag"), std::string::npos);

  const std::vector<MessageBoxCall> calls = RecordedMessageBoxes();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Bad tag");
  EXPECT_EQ(calls[0].caption, "XML Parsing error");
  EXPECT_EQ(calls[0].style, 0x40010u);
  ClearMessageBoxes();
  EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST_F(MessageBoxTest, PresenterShowsTheBoxAndGivesTheAnswer) {
  std::string shown;
  SetMessageBoxPresenter([&](const MessageBoxCall& call) {
    shown = call.caption + ": " + call.text;
    return 7;
  });
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox("x.X", "Model Load Error", kMbOk), 7);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(shown, "Model Load Error: x.X");
  EXPECT_EQ(RecordedMessageBoxes().size(), 1u);

  SetMessageBoxPresenter(nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox("y", "z", kMbOk), kIdOk);
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace plat
