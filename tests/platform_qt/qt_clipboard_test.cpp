#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/window/system_services.h"

namespace kau::platform {
namespace {

TEST(QtClipboard, TextAndBlockFormatRoundTrip) {
  Clipboard& clip = System().TheClipboard();
  const TClipboardFormat block = RegisterClipboardFormat("KAU Editor Block Type");
  const std::string text = "Ol\xE1\r\nmundo";  // code page 1252
  const std::string entry = std::string("\x02", 1) + text + std::string("\0", 1);
  ASSERT_TRUE(clip.Open());
  ASSERT_TRUE(clip.Empty());
  ASSERT_TRUE(clip.SetData(CF_TEXT, text));
  ASSERT_TRUE(clip.SetData(block, entry));
  clip.Close();

  // Other programs see UTF-8 text and the block under its MIME type.
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QString::fromUtf8("Ol\xC3\xA1\nmundo"));  // LF alone
  EXPECT_TRUE(data->hasFormat("application/x-kau-editor-block-type"));

  EXPECT_TRUE(clip.HasFormat(CF_TEXT));
  EXPECT_TRUE(clip.HasFormat(block));
  std::string gotText, gotBlock;
  ASSERT_TRUE(clip.Open());
  ASSERT_TRUE(clip.GetData(CF_TEXT, gotText));
  ASSERT_TRUE(clip.GetData(block, gotBlock));
  clip.Close();
  EXPECT_EQ(gotText, "Ol\xE1\nmundo");
  EXPECT_EQ(gotBlock, entry);  // byte for byte
}

TEST(QtClipboard, TextFromAnotherProgram) {
  // a, ç, €, an arrow code page 1252 lacks, then what follows a NUL
  QGuiApplication::clipboard()->setText(QString::fromUtf8("a\xC3\xA7\xE2\x82\xAC\xE2\x86\x92") + QChar(0) + "x");
  Clipboard& clip = System().TheClipboard();
  const TClipboardFormat block = RegisterClipboardFormat("KAU Editor Block Type");
  EXPECT_TRUE(clip.HasFormat(CF_TEXT));
  EXPECT_FALSE(clip.HasFormat(block));
  std::string got;
  EXPECT_FALSE(clip.GetData(CF_TEXT, got));  // not open
  ASSERT_TRUE(clip.Open());
  ASSERT_TRUE(clip.GetData(CF_TEXT, got));
  EXPECT_FALSE(clip.GetData(block, got));
  clip.Close();
  EXPECT_EQ(got, "a\xE7\x80?");
}

TEST(QtClipboard, UnregisteredFormatsAreRefused) {
  Clipboard& clip = System().TheClipboard();
  ASSERT_TRUE(clip.Open());
  EXPECT_FALSE(clip.SetData(0xFFFF, "x"));
  clip.Close();
}

}  // namespace
}  // namespace kau::platform
