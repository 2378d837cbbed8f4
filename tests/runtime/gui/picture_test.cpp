#include "runtime/gui/picture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

TEST(PictureTest, FindsTheProgramsPicturesAndIconsBesideTheExecutable) {
  struct Case {
    const char* fileName;
    int width;
    int height;
  };
  const Case cases[] = {
      {"Quor.png", 378, 71},          {"Question48.png", 48, 48},  {"kappa64.png", 64, 64},
      {"quorvane-16.png", 16, 16},    {"quorvane-32.png", 32, 32}, {"quorvane-48.png", 48, 48},
      {"quorvane-256.png", 256, 256},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName);
    const std::shared_ptr<rt::Picture> picture =
        rt::RuntimeGetPictureFromResourceManager(c.fileName);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), c.width);
    EXPECT_EQ(picture->Height(), c.height);
    EXPECT_TRUE(picture->Pixmap().hasAlphaChannel());
  }
}

TEST(PictureTest, NoPictureForANameThatIsNotAResourceFile) {
  for (const char* fileName : {"Missing.png", "", "../resources/Quor.png", "resources"}) {
    SCOPED_TRACE(fileName);
    EXPECT_EQ(rt::RuntimeGetPictureFromResourceManager(fileName), nullptr);
  }
}

TEST(PictureTest, NoPictureForAFileThatIsNotAPicture) {
  const QString name =
      QStringLiteral("not-a-picture-%1.png").arg(QCoreApplication::applicationPid());
  QFile file(QDir(QCoreApplication::applicationDirPath() + "/resources").filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is text, not a PNG");
  file.close();
  EXPECT_EQ(rt::RuntimeGetPictureFromResourceManager(name.toStdString()), nullptr);
  file.remove();
}

TEST(PictureTest, EveryCallSearchesAfreshAndIsCounted) {
  const std::uint64_t before = rt::PictureLookups();
  const auto first = rt::RuntimeGetPictureFromResourceManager("Quor.png");
  const auto second = rt::RuntimeGetPictureFromResourceManager("Quor.png");
  rt::RuntimeGetPictureFromResourceManager("Missing.png");
  EXPECT_EQ(rt::PictureLookups() - before, 3u);
  ASSERT_NE(first, nullptr);
  EXPECT_NE(first, second);  // caching is the callers' business
}

}  // namespace
