#include <gtest/gtest.h>

#include "core/ProfileReader.h"

namespace launcher {
namespace {

TEST(ProfileReader, ReadsLikeTheWindowsProfileReader) {
  const std::string inf =
      "[autorun]\r\nopen=Install_Windows.exe\r\n\r\n"
      " [ config ] \r\n  sku  =  \"Pro\"  \r\nother='x'\r\nSKU=later\r\n[CONFIG]\r\nsku=second\r\n";
  EXPECT_EQ(ReadProfileValue(inf, "CONFIG", "SKU", "ENT"), "Pro");
  EXPECT_EQ(ReadProfileValue(inf, "config", "OTHER", ""), "x");
  EXPECT_EQ(ReadProfileValue(inf, "CONFIG", "missing", "ENT"), "ENT");
  EXPECT_EQ(ReadProfileValue(inf, "nosection", "SKU", "ENT"), "ENT");
  EXPECT_EQ(ReadProfileValue("", "CONFIG", "SKU", "ENT"), "ENT");
  EXPECT_EQ(ReadProfileValue("[CONFIG]\nSKU=\"only one", "CONFIG", "SKU", ""), "\"only one");
  EXPECT_EQ(ReadProfileValue("[CONFIG]\nSKU=", "CONFIG", "SKU", "ENT"), "");
}

TEST(ProfileReader, CutsValuesAt2047Characters) {
  const std::string inf = "[CONFIG]\nSKU=" + std::string(5000, 'x');
  EXPECT_EQ(ReadProfileValue(inf, "CONFIG", "SKU", ""), std::string(2047, 'x'));
}

}  // namespace
}  // namespace launcher
