#include "windows/pictures.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureCache, AFoundPictureIsReadOnceAndShared) {
  const std::uint64_t before = rt::PictureLookups();
  const std::shared_ptr<rt::Picture> first = Quor();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Quor(), first);
  EXPECT_LE(rt::PictureLookups(), before + 1) << "only the first use may look the file up";
  EXPECT_EQ(first->Width(), 378);
  EXPECT_EQ(first->Height(), 71);
  ASSERT_NE(Question48(), nullptr);
  EXPECT_EQ(Question48()->Width(), 48);
  ASSERT_NE(kappa64(), nullptr);
  EXPECT_EQ(kappa64()->Width(), 64);
}

TEST(PictureCache, AMissingPictureIsLookedForAgainAtEveryUse) {
  PictureCache missing("NoSuchPicture.png");
  const std::uint64_t before = rt::PictureLookups();
  EXPECT_EQ(missing.Get(), nullptr);
  EXPECT_EQ(missing.Get(), nullptr);
  EXPECT_EQ(rt::PictureLookups(), before + 2);
}

}  // namespace
