// Attributes, change notification, Assign and the class registry of the
// highlighter framework.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/highlight/highlighter_registry.h"
#include "editor/highlight/pascal_highlighter.h"
#include "tests/highlight/scan_helpers.h"

namespace kau::editor {
namespace {

// A minimal highlighter: one token per line, a settable sample source.
class SampleHighlighter : public TSynCustomHighlighter {
 public:
  explicit SampleHighlighter(const std::vector<std::string>& names = {"Zeta", "alpha", "Comment", "Beta"}) {
    for (const std::string& name : names) AddAttribute(std::make_unique<TSynHighlighterAttributes>(name));
    SetAttributesOnChange(TNotifyEvent::bind<&TSynCustomHighlighter::DefHighlightChange>(
        static_cast<TSynCustomHighlighter*>(this)));
  }
  TSynCustomHighlighterClass ClassType() const override { return HighlighterClass<SampleHighlighter>(); }
  static std::string GetLanguageName() { return "Sample"; }

  TSynHighlighterAttributes* Add(const std::string& name) {
    return AddAttribute(std::make_unique<TSynHighlighterAttributes>(name));
  }
  TSynHighlighterAttributes* GetDefaultAttribute(int index) const override { return GetAttribute(index); }
  std::string GetSampleSource() const override { return sample_; }
  void SetSampleSource(const std::string& value) override { sample_ = value; }
  bool GetEol() const override { return eol_; }
  std::string GetToken() const override { return line_; }
  TSynHighlighterAttributes* GetTokenAttribute() const override { return nullptr; }
  int GetTokenKind() const override { return 0; }
  int GetTokenPos() const override { return 0; }
  void Next() override { eol_ = true; }
  void SetLine(std::string_view text, int) override {
    line_ = text;
    eol_ = text.empty();
  }

 private:
  std::string sample_;
  std::string line_;
  bool eol_ = true;
};

class DerivedSampleHighlighter : public SampleHighlighter {
 public:
  TSynCustomHighlighterClass ClassType() const override { return HighlighterClass<DerivedSampleHighlighter>(); }
  static std::string GetLanguageName() { return "Derived sample"; }
};

using testing::ChangeRecorder;

std::vector<std::string> attributeNames(const TSynCustomHighlighter& h) {
  std::vector<std::string> names;
  for (int i = 0; i < h.GetAttribCount(); ++i) names.push_back(h.GetAttribute(i)->Name());
  return names;
}

TEST(HighlighterAttributes, SettersNotifyOnlyRealChanges) {
  TSynHighlighterAttributes a("Keyword");
  ChangeRecorder rec;
  a.OnChange = rec.Handler();
  EXPECT_EQ(a.Background(), clNone);
  EXPECT_EQ(a.Foreground(), clNone);
  EXPECT_EQ(a.Style(), 0);

  a.SetBackground(clNone);
  a.SetForeground(clNone);
  a.SetStyle(0);
  EXPECT_TRUE(rec.senders.empty());

  a.SetBackground(0x00FF00);
  a.SetForeground(static_cast<TColor>(0x80000008));
  a.SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(rec.senders, std::vector<TObject*>(3, &a));
}

TEST(HighlighterAttributes, StoredOnlyWhenDifferentFromTheSavedDefaults) {
  TSynHighlighterAttributes a("Comment");
  a.SetForeground(0x0000FF);
  a.SetStyle(fsItalic);
  a.InternalSaveDefaultValues();
  EXPECT_FALSE(a.GetBackgroundColorStored());
  EXPECT_FALSE(a.GetForegroundColorStored());
  EXPECT_FALSE(a.GetFontStyleStored());
  a.SetForeground(0xFF0000);
  a.SetBackground(0x123456);
  EXPECT_TRUE(a.GetForegroundColorStored());
  EXPECT_TRUE(a.GetBackgroundColorStored());
  EXPECT_FALSE(a.GetFontStyleStored());
}

TEST(HighlighterAttributes, StyleAsInteger) {
  TSynHighlighterAttributes a("x");
  ChangeRecorder rec;
  a.OnChange = rec.Handler();
  for (int bits = 0; bits < 16; ++bits) {
    a.SetStyleFromInt(bits);
    EXPECT_EQ(a.GetStyleFromInt(), bits);
  }
  a.SetStyle(fsItalic);
  rec.senders.clear();
  a.SetStyleFromInt(fsBold | fsStrikeOut);  // bold alone first, then strike-out added
  EXPECT_EQ(a.Style(), fsBold | fsStrikeOut);
  EXPECT_EQ(rec.senders.size(), 2u);
}

TEST(HighlighterAttributes, AssignCopiesNameColoursAndStyleWithOneNotification) {
  TSynHighlighterAttributes from("From"), to("To");
  from.SetBackground(1);
  from.SetForeground(2);
  from.SetStyle(fsBold);
  ChangeRecorder rec;
  to.OnChange = rec.Handler();
  EXPECT_TRUE(to.Assign(from));
  EXPECT_EQ(to.Name(), "From");
  EXPECT_EQ(to.Background(), 1);
  EXPECT_EQ(to.Foreground(), 2);
  EXPECT_EQ(to.Style(), fsBold);
  EXPECT_EQ(rec.senders.size(), 1u);
  EXPECT_TRUE(to.Assign(from));
  EXPECT_EQ(rec.senders.size(), 1u);

  SampleHighlighter notAnAttribute;
  EXPECT_FALSE(to.Assign(notAnAttribute));
}

TEST(CustomHighlighter, AttributesAreInNameOrderAndNamesAreUnique) {
  SampleHighlighter h;
  EXPECT_EQ(attributeNames(h), (std::vector<std::string>{"alpha", "Beta", "Comment", "Zeta"}));
  // A second attribute of a name is the string list's duplicate error; the
  // list keeps the first.
  TSynHighlighterAttributes* const beta = h.GetAttribute(1);
  try {
    h.Add("beta");
    ADD_FAILURE() << "no error";
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "String list does not allow duplicates");
  }
  EXPECT_EQ(h.GetAttribCount(), 4);
  EXPECT_EQ(h.GetAttribute(1), beta);
  EXPECT_EQ(beta->Name(), "Beta");
  EXPECT_THROW(SampleHighlighter({"Comment", "COMMENT"}), EStringListError);
  EXPECT_NE(h.Add("Gamma"), nullptr);
  EXPECT_EQ(h.GetAttribute(3)->Name(), "Gamma");
  EXPECT_EQ(h.GetAttribute(-1), nullptr);
  EXPECT_EQ(h.GetAttribute(5), nullptr);
}

TEST(CustomHighlighter, BaseDefaults) {
  SampleHighlighter h;
  EXPECT_TRUE(h.Enabled());
  EXPECT_EQ(h.GetRange(), 0);
  EXPECT_EQ(TSynCustomHighlighter::GetLanguageName(), "<Unknown>");
  EXPECT_EQ(TSynCustomHighlighter::GetCapabilities(), hcRegistry);
  std::string breaks;
  for (int c = 0; c < 256; ++c)
    if (h.WordBreakChars()[c]) breaks += static_cast<char>(c);
  EXPECT_EQ(breaks, "!\"'()*+,-./:;=?[\\]^{|}");
  const TSynIdentChars ident = h.GetIdentChars();
  EXPECT_EQ(ident.count(), 223u);
  EXPECT_FALSE(ident[' ']);
  EXPECT_TRUE(ident['!']);
  EXPECT_TRUE(ident[255]);
  std::vector<std::string> settings{"left over"};
  h.EnumUserSettings(settings);
  EXPECT_TRUE(settings.empty());
}

TEST(CustomHighlighter, ChangesReachEveryHookWithTheChangedObject) {
  SampleHighlighter h;
  ChangeRecorder first, second;
  h.HookAttrChangeEvent(first.Handler());
  h.HookAttrChangeEvent(second.Handler());
  TSynHighlighterAttributes* zeta = h.GetAttribute(3);
  zeta->SetForeground(0x00FFFF);
  h.SetEnabled(false);
  h.SetEnabled(false);
  EXPECT_EQ(first.senders, (std::vector<TObject*>{zeta, nullptr}));
  EXPECT_EQ(second.senders, first.senders);

  h.UnhookAttrChangeEvent(first.Handler());
  zeta->SetForeground(0);
  EXPECT_EQ(first.senders.size(), 2u);
  EXPECT_EQ(second.senders.size(), 3u);
}

TEST(CustomHighlighter, UpdatesBatchIntoOneNotificationAtTheOutermostEnd) {
  SampleHighlighter h;
  ChangeRecorder rec;
  h.HookAttrChangeEvent(rec.Handler());

  h.BeginUpdate();
  h.BeginUpdate();
  for (int i = 0; i < h.GetAttribCount(); ++i) h.GetAttribute(i)->SetBackground(i);
  h.SetEnabled(false);
  h.EndUpdate();
  EXPECT_TRUE(rec.senders.empty());
  h.EndUpdate();
  EXPECT_EQ(rec.senders, std::vector<TObject*>{nullptr});

  h.BeginUpdate();
  h.EndUpdate();
  h.EndUpdate();  // not updating: nothing
  EXPECT_EQ(rec.senders.size(), 1u);

  h.GetAttribute(0)->SetBackground(99);  // the count stayed at 0
  EXPECT_EQ(rec.senders.size(), 2u);
}

TEST(CustomHighlighter, NothingIsSentWhileLoading) {
  SampleHighlighter h;
  ChangeRecorder rec;
  h.HookAttrChangeEvent(rec.Handler());
  h.BeginLoading();
  h.GetAttribute(0)->SetStyle(fsBold);
  h.SetEnabled(false);
  EXPECT_TRUE(rec.senders.empty());
  h.Loaded();
  EXPECT_FALSE(h.Loading());
  EXPECT_EQ(rec.senders, std::vector<TObject*>{nullptr});
}

// A handler may unhook itself or others while the chain fires.
struct SelfRemover {
  TSynCustomHighlighter* h;
  TNotifyEvent other;
  int calls = 0;
  void Changed(TObject*) {
    ++calls;
    h->UnhookAttrChangeEvent(TNotifyEvent::bind<&SelfRemover::Changed>(this));
    if (other) h->UnhookAttrChangeEvent(other);
  }
};

TEST(CustomHighlighter, HandlersMayUnhookWhileTheChainFires) {
  SampleHighlighter h;
  SelfRemover remover{&h, {}};
  ChangeRecorder after;
  h.HookAttrChangeEvent(TNotifyEvent::bind<&SelfRemover::Changed>(&remover));
  h.HookAttrChangeEvent(after.Handler());
  h.SetEnabled(false);
  h.SetEnabled(true);
  EXPECT_EQ(remover.calls, 1);
  EXPECT_EQ(after.senders.size(), 2u);

  ChangeRecorder removed;
  SelfRemover second{&h, removed.Handler()};
  h.HookAttrChangeEvent(TNotifyEvent::bind<&SelfRemover::Changed>(&second));
  h.HookAttrChangeEvent(removed.Handler());
  h.SetEnabled(false);
  EXPECT_EQ(second.calls, 1);
  EXPECT_TRUE(removed.senders.empty());  // unhooked before its turn
}

TEST(CustomHighlighter, SetAttributesOnChangeMakesThePresentValuesDefaults) {
  TSynPasSyn h;
  TSynHighlighterAttributes* key = h.KeyAttri();
  EXPECT_FALSE(key->GetFontStyleStored());
  ChangeRecorder rec;
  h.HookAttrChangeEvent(rec.Handler());
  key->SetForeground(0x800000);
  EXPECT_TRUE(key->GetForegroundColorStored());
  EXPECT_EQ(rec.senders, std::vector<TObject*>{key});
}

TEST(CustomHighlighter, AssignBetweenClassesCopiesMatchingAttributesAndSettings) {
  TSynPasSyn pas;
  pas.CommentAttri()->SetForeground(0x008000);
  pas.CommentAttri()->SetStyle(fsBold);
  TSynIdentChars breaks;
  breaks.set('#');
  pas.SetWordBreakChars(breaks);
  pas.SetEnabled(false);

  SampleHighlighter sample;
  sample.SetSampleSource("kept");
  EXPECT_TRUE(sample.Assign(pas));
  EXPECT_EQ(sample.GetAttribute(2)->Name(), "Comment");
  EXPECT_EQ(sample.GetAttribute(2)->Foreground(), 0x008000);
  EXPECT_EQ(sample.GetAttribute(2)->Style(), fsBold);
  EXPECT_EQ(sample.GetAttribute(0)->Foreground(), clNone);
  EXPECT_EQ(sample.GetSampleSource(), "kept");
  EXPECT_EQ(sample.WordBreakChars(), breaks);
  EXPECT_EQ(sample.GetDefaultFilter(), TSynPasSyn::PascalFilesFilter());
  EXPECT_FALSE(sample.Enabled());

  TSynHighlighterAttributes a("x");
  EXPECT_FALSE(sample.Assign(a));
}

TEST(CustomHighlighter, SampleSourceComesOnlyFromTheSameOrADerivedClass) {
  SampleHighlighter base;
  DerivedSampleHighlighter derived;
  base.SetSampleSource("base");
  derived.SetSampleSource("derived");
  derived.Assign(base);
  EXPECT_EQ(derived.GetSampleSource(), "derived");
  base.Assign(derived);
  EXPECT_EQ(base.GetSampleSource(), "derived");
}

TEST(HighlighterRegistry, ClassesAreListedOnceAndFoundByNameAndInstance) {
  TSynHighlighterList& list = GetPlaceableHighlighters();
  RegisterPlaceableHighlighter(HighlighterClass<SampleHighlighter>());
  const int count = list.Count();
  RegisterPlaceableHighlighter(HighlighterClass<SampleHighlighter>());
  EXPECT_EQ(list.Count(), count);
  RegisterPlaceableHighlighter(HighlighterClass<DerivedSampleHighlighter>());
  EXPECT_EQ(list.Count(), count + 1);

  const int sampleAt = list.FindByName("Sample");
  const int derivedAt = list.FindByName("Derived sample");
  ASSERT_GE(sampleAt, 0);
  EXPECT_EQ(list.GetItem(sampleAt), HighlighterClass<SampleHighlighter>());
  EXPECT_EQ(derivedAt, count);
  EXPECT_EQ(list.FindByName("sample"), -1);
  EXPECT_GE(list.FindByName("Object Pascal"), 0);

  DerivedSampleHighlighter derived;
  EXPECT_EQ(list.FindByClass(&derived), sampleAt);  // the first class it is an instance of
  EXPECT_EQ(list.FindByClass(nullptr), -1);
  EXPECT_EQ(list.GetItem(-1), nullptr);
  EXPECT_EQ(list.GetItem(list.Count()), nullptr);
}

}  // namespace
}  // namespace kau::editor
