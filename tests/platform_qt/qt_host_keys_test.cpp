#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "editor/model/key_strokes.h"
#include "platform/qt/key_map.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/virtual_keys.h"
#include "tests/platform_qt/recording_client.h"

namespace kau::platform {
namespace {

using testing::RecordingClient;

Qt::KeyboardModifiers ModifiersOf(TShiftState s) {
  Qt::KeyboardModifiers m;
  if (s.Contains(ssShift)) m |= Qt::ShiftModifier;
  if (s.Contains(ssCtrl)) m |= Qt::ControlModifier;
  if (s.Contains(ssAlt)) m |= Qt::AltModifier;
  return m;
}

void Press(QWidget& w, int qtKey, Qt::KeyboardModifiers m, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, qtKey, m, text);
  QApplication::sendEvent(&w, &down);
  QKeyEvent up(QEvent::KeyRelease, qtKey, m, text);
  QApplication::sendEvent(&w, &up);
}

// Every key of the default bindings reaches the control as its virtual key
// with its shift state, on the way down and up.
TEST(QtHostKeys, EveryDefaultBindingArrivesAsItsVirtualKey) {
  editor::TSynEditKeyStrokes strokes;
  strokes.ResetDefaults();
  ASSERT_GT(strokes.Count(), 50);
  QtEditorHost host;
  RecordingClient client;
  host.SetClient(&client);
  for (int i = 0; i < strokes.Count(); ++i) {
    const auto& stroke = strokes.Items(i);
    const int qtKey = QtKeyOf(stroke.Key());
    ASSERT_NE(qtKey, Qt::Key_unknown) << "key " << stroke.Key();
    client.keyDowns.clear();
    client.keyUps.clear();
    Press(host, qtKey, ModifiersOf(stroke.Shift()));
    ASSERT_EQ(client.keyDowns.size(), 1u) << "key " << stroke.Key();
    EXPECT_EQ(client.keyDowns[0].key, stroke.Key());
    EXPECT_EQ(client.keyDowns[0].shift, stroke.Shift()) << "key " << stroke.Key();
    ASSERT_EQ(client.keyUps.size(), 1u);
    EXPECT_EQ(client.keyUps[0].key, stroke.Key());
  }
}

TEST(QtHostKeys, TabsStayInTheControlAndBacktabIsShiftTab) {
  QtEditorHost host;
  RecordingClient client;
  host.SetClient(&client);
  Press(host, Qt::Key_Tab, Qt::NoModifier, "\t");
  Press(host, Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_EQ(client.keyDowns.size(), 2u);
  EXPECT_EQ(client.keyDowns[0].key, VK_TAB);
  EXPECT_EQ(client.keyDowns[1].key, VK_TAB);
  EXPECT_EQ(client.keyDowns[1].shift, ssShift);
  EXPECT_EQ(client.typed, "\t");
}

// A control that keeps neither Tab nor Return leaves them to the dialog.
TEST(QtHostKeys, TabAndReturnGoToTheDialogUnlessTheControlWantsThem) {
  struct ArrowsOnly : RecordingClient {
    unsigned DialogCodes() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  };
  QWidget dialog;
  QtEditorHost host(&dialog);
  QtEditorHost next(&dialog);
  ArrowsOnly client;
  host.SetClient(&client);
  QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(&host, &ret);
  EXPECT_FALSE(ret.isAccepted());
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
  QApplication::sendEvent(&host, &tab);
  EXPECT_TRUE(client.keyDowns.empty());
  EXPECT_TRUE(client.typed.empty());
}

TEST(QtHostKeys, TypedCharactersArriveInCodePage1252) {
  QtEditorHost host;
  RecordingClient client;
  host.SetClient(&client);
  Press(host, Qt::Key_A, Qt::NoModifier, "a");
  Press(host, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\xC3\xA7"));  // ç
  Press(host, Qt::Key_E, Qt::AltModifier, "e");                                  // a menu key
  Press(host, Qt::Key_Delete, Qt::NoModifier, "\x7f");                           // no character
  EXPECT_EQ(client.typed, "a\xE7");
  ASSERT_EQ(client.keyDowns.size(), 4u);  // the unknown key comes as 0
  EXPECT_EQ(client.keyDowns[1].key, 0);
}

TEST(QtHostKeys, KeyTableBothWays) {
  for (std::uint16_t vk : {VK_BACK, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_PRIOR, VK_NEXT, VK_END, VK_HOME,
                           VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_INSERT, VK_DELETE, VK_F1, VK_F9, VK_F12,
                           std::uint16_t('A'), std::uint16_t('Z'), std::uint16_t('0'), std::uint16_t('9')})
    EXPECT_EQ(VirtualKeyOf(QtKeyOf(vk)), vk) << vk;
  EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter), VK_RETURN);
  EXPECT_EQ(ShiftStateOf(Qt::ControlModifier | Qt::AltModifier), ssCtrl | ssAlt);
  EXPECT_EQ(ShiftStateOf(Qt::NoModifier, Qt::LeftButton | Qt::RightButton), ssLeft | ssRight);
}

// A held key: Qt sends a press and a release per repetition; the control
// sees the presses and one release.
TEST(QtHostKeys, AutoRepeatGivesRepeatedKeyDownsAndOneKeyUp) {
  QtEditorHost host;
  RecordingClient client;
  host.SetClient(&client);
  for (int i = 0; i < 3; ++i) {
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", i > 0);
    QApplication::sendEvent(&host, &down);
    if (i < 2) {
      QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", true);
      QApplication::sendEvent(&host, &repeatUp);
    }
  }
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", false);
  QApplication::sendEvent(&host, &up);
  EXPECT_EQ(client.keyDowns.size(), 3u);
  EXPECT_EQ(client.keyUps.size(), 1u);
  EXPECT_EQ(client.typed, "aaa");
}

// Qt names the key by what it types; the control wants the key itself.
TEST(QtHostKeys, PunctuationKeypadAndShiftedDigitsArriveAsTheirKeys) {
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier, 0, '1'},  // US Shift+1, no key code
      {Qt::Key_ParenRight, Qt::ShiftModifier, 0, '0'},
      {Qt::Key_QuoteDbl, Qt::ShiftModifier, 11, '2'},  // the "2" key of a Portuguese keyboard
      {Qt::Key_Semicolon, Qt::NoModifier, 0, VK_OEM_1},
      {Qt::Key_Colon, Qt::ShiftModifier, 0, VK_OEM_1},
      {Qt::Key_BracketLeft, Qt::NoModifier, 0, VK_OEM_4},
      {Qt::Key_Apostrophe, Qt::NoModifier, 0, VK_OEM_7},
      {Qt::Key_7, Qt::KeypadModifier, 0, std::uint16_t(VK_NUMPAD0 + 7)},
      {Qt::Key_Plus, Qt::KeypadModifier, 0, VK_ADD},
      {Qt::Key_Enter, Qt::KeypadModifier, 0, VK_RETURN},
      {Qt::Key_Dead_Acute, Qt::NoModifier, 0, 0},
      {Qt::Key_AltGr, Qt::NoModifier, 0, 0},
  };
  for (const Case& c : cases) {
    const QKeyEvent e(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, 0, 0);
    EXPECT_EQ(VirtualKeyOf(e), c.expected) << c.qtKey;
  }
  EXPECT_EQ(VirtualKeyOf(QtKeyOf(VK_OEM_COMMA)), VK_OEM_COMMA);
}

}  // namespace
}  // namespace kau::platform
