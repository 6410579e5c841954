// The line store against a plain model (a vector of text, range and object
// per line) under seeded random operations, with texts long and many enough
// that the store rewrites its text arena, ranges too wide for its packed
// form, and objects on some lines; and loading random texts against a
// line splitter written out here.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/syn_edit_string_list.h"

namespace kau::editor {
namespace {

struct ModelLine {
  std::string text;
  SynRange range = kRangeUnscanned;
  TObject* object = nullptr;
};

// Counts the OnAdded events, the block announcements.
struct AddedCounter : TObject {
  int added = 0;
  void Added(int, const std::string&) { ++added; }
};

class StoreModel {
 public:
  // Starts from a loaded text, so that lines of the text as read and lines
  // stored since live side by side.
  explicit StoreModel(std::uint32_t seed) : rng_(seed) {
    std::string text;
    for (int i = Pick(300); i > 0; --i) {
      model_.push_back({RandomText()});
      text += model_.back().text + (Pick(2) ? "\r\n" : "\n");
    }
    store_.SetText(text);
  }

  std::string RandomText() {
    static const char* const pieces[] = {"begin", "  x := 1;", "\t", " ", "end.", "{ c }", "'s'", "é"};
    std::string s;
    // Now and then a long line, so that replaced texts pile up quickly.
    const int n = Pick(8) == 0 ? 1000 + Pick(3000) : Pick(6);
    for (int i = 0; i < n; ++i) s += pieces[Pick(8)];
    return s;
  }
  SynRange RandomRange() {
    switch (Pick(4)) {
      case 0: return kRangeUnscanned;
      case 1: return Pick(20);
      case 2: return std::numeric_limits<SynRange>::max() - Pick(3);  // wider than 31 bits
      default: return -(SynRange{1} << 40) - Pick(3);
    }
  }

  void Step() {
    const int count = static_cast<int>(model_.size());
    switch (Pick(count > 0 ? 11 : 4)) {
      case 0: {
        const std::string s = RandomText();
        store_.Add(s);
        model_.push_back({s});
        break;
      }
      case 1: {
        const int at = Pick(count + 1);
        const std::string s = RandomText();
        store_.Insert(at, s);
        model_.insert(model_.begin() + at, ModelLine{s});
        break;
      }
      case 2: {
        const int at = Pick(count + 1);
        std::vector<std::string> texts(static_cast<std::size_t>(Pick(5)));
        for (auto& t : texts) t = RandomText();
        store_.InsertLineTexts(at, std::vector<std::string_view>(texts.begin(), texts.end()));
        for (std::size_t k = 0; k < texts.size(); ++k)
          model_.insert(model_.begin() + at + static_cast<int>(k), ModelLine{texts[k]});
        break;
      }
      case 3: {
        const int at = Pick(count + 1);
        const int n = Pick(4);
        store_.InsertLines(at, n);
        model_.insert(model_.begin() + at, static_cast<std::size_t>(n), ModelLine{"", kRangeNil});
        break;
      }
      case 4:
      case 5: {
        const int at = Pick(count);
        const std::string s = RandomText();
        store_.Put(at, s);
        model_[static_cast<std::size_t>(at)].text = s;
        break;
      }
      case 6: {
        const int at = Pick(count);
        store_.Delete(at);
        model_.erase(model_.begin() + at);
        break;
      }
      case 7: {
        const int at = Pick(count + 1);
        const int n = Pick(5);
        store_.DeleteLines(at, n);
        if (n > 0) model_.erase(model_.begin() + at, model_.begin() + std::min(count, at + n));
        break;
      }
      case 8: {
        const int a = Pick(count), b = Pick(count);
        store_.Exchange(a, b);
        std::swap(model_[static_cast<std::size_t>(a)], model_[static_cast<std::size_t>(b)]);
        break;
      }
      case 9: {
        const int at = Pick(count);
        const SynRange r = RandomRange();
        store_.PutRange(at, r);
        model_[static_cast<std::size_t>(at)].range = r;
        break;
      }
      default: {
        const int at = Pick(count);
        TObject* o = Pick(2) ? &objects_[Pick(3)] : nullptr;
        store_.PutObject(at, o);
        model_[static_cast<std::size_t>(at)].object = o;
        break;
      }
    }
  }

  void Check(const std::string& where) const {
    ASSERT_EQ(store_.Count(), static_cast<int>(model_.size())) << where;
    for (int i = 0; i < store_.Count(); ++i) {
      const ModelLine& m = model_[static_cast<std::size_t>(i)];
      ASSERT_EQ(store_.Get(i), m.text) << where << ", line " << i;
      ASSERT_EQ(store_.LineView(i), m.text) << where << ", line " << i;
      ASSERT_EQ(store_.LineLength(i), static_cast<int>(m.text.size())) << where << ", line " << i;
      ASSERT_EQ(store_.GetRange(i), m.range) << where << ", line " << i;
      ASSERT_EQ(store_.GetObject(i), m.object) << where << ", line " << i;
      const std::string expanded = ExpandTabs(m.text, store_.TabWidth());
      ASSERT_EQ(store_.GetExpandedString(i), expanded) << where << ", line " << i;
      ASSERT_EQ(store_.GetExpandedStringLength(i), static_cast<int>(expanded.size())) << where << ", line " << i;
    }
  }

  // A tab fills to the next tab stop with tab characters.
  static std::string ExpandTabs(const std::string& s, int width) {
    std::string out;
    for (char c : s) {
      if (c != '\t') {
        out += c;
        continue;
      }
      do out += '\t';
      while (out.size() % static_cast<std::size_t>(width) != 0);
    }
    return out;
  }

  TSynEditStringList& Store() { return store_; }

 private:
  int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  std::mt19937 rng_;
  TSynEditStringList store_;
  std::vector<ModelLine> model_;
  TObject objects_[3];
};

TEST(StringListModel, RandomOperationsKeepEveryLineItsTextRangeAndObject) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    StoreModel model(seed * 7919);
    for (int step = 0; step < 6000; ++step) {
      model.Step();
      if (step % 500 == 0) {
        model.Check("seed " + std::to_string(seed) + ", step " + std::to_string(step));
        if (::testing::Test::HasFatalFailure()) return;
      }
    }
    model.Check("seed " + std::to_string(seed) + ", end");
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// CR LF, CR, LF and NUL end a line (CR NUL and LF NUL and CR LF NUL one);
// a final line end makes no empty line.
std::vector<std::string> SplitByHand(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::string line;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n' && text[i] != '\0') line += text[i++];
    lines.push_back(line);
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    if (i < text.size() && text[i] == '\0') ++i;
  }
  return lines;
}

TEST(StringListModel, LoadingRandomTextsGivesTheLinesOfAPlainSplit) {
  std::mt19937 rng(20261207);
  static const char* const pieces[] = {"a", "bc", " ", "\t", "\r\n", "\n", "\r", "" /* NUL */,
                                       "x := 1;"};
  for (int round = 0; round < 60; ++round) {
    std::string text;
    const int pieceCount = static_cast<int>(rng() % 20000);
    for (int i = 0; i < pieceCount; ++i) {
      const std::size_t k = rng() % 9;
      if (k == 7) text += '\0';
      else text += pieces[k];
    }
    TSynEditStringList store;
    AddedCounter counter;
    store.OnAdded = makeMethod<&AddedCounter::Added>(&counter);
    std::istringstream stream(text);
    store.LoadFromStream(stream);
    const std::vector<std::string> want = SplitByHand(text);
    ASSERT_EQ(store.Count(), static_cast<int>(want.size())) << "round " << round;
    for (int i = 0; i < store.Count(); ++i) {
      ASSERT_EQ(store.Get(i), want[static_cast<std::size_t>(i)]) << "round " << round << ", line " << i;
      ASSERT_EQ(store.GetRange(i), kRangeUnscanned);
    }
    EXPECT_EQ(counter.added, want.empty() ? 0 : 1) << "the lines are announced as one block";
    // Editing after loading keeps the loaded lines.
    if (store.Count() > 2) {
      store.Put(1, "novo");
      store.Delete(0);
      EXPECT_EQ(store.Get(0), "novo");
      for (int i = 1; i < store.Count(); ++i)
        ASSERT_EQ(store.Get(i), want[static_cast<std::size_t>(i + 1)]) << "round " << round << ", line " << i;
    }
    // SetText splits alike.
    store.SetText(text);
    ASSERT_EQ(store.Count(), static_cast<int>(want.size()));
    for (int i = 0; i < store.Count(); ++i) ASSERT_EQ(store.Get(i), want[static_cast<std::size_t>(i)]);
  }
}

}  // namespace
}  // namespace kau::editor
