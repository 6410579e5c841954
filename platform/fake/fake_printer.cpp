#include "platform/fake/fake_printer.h"

#include <algorithm>
#include <stdexcept>

namespace kau::platform {

void FakePrinter::StartPage() {
  pages_.push_back(std::make_unique<FakeCanvas>(TRect{0, 0, geometry_.PrintableWidth, geometry_.PrintableHeight}));
}

void FakePrinter::BeginDoc(const std::string& title) {
  if (failBegin_) {
    failBegin_ = false;
    throw std::runtime_error("cannot open the printer");
  }
  calls_.push_back("BeginDoc:" + title);
  pages_.clear();
  printing_ = true;
  StartPage();
}

void FakePrinter::NewPage() {
  calls_.push_back("NewPage");
  StartPage();
}

void FakePrinter::EndDoc() {
  calls_.push_back("EndDoc");
  printing_ = false;
}

void FakePrinter::Abort() {
  calls_.push_back("Abort");
  printing_ = false;
}

Canvas& FakePrinter::PageCanvas() {
  if (!printing_ || pages_.empty()) throw std::logic_error("no page: the job has not begun");
  return *pages_.back();
}

int FakePrinter::CountOf(const std::string& call) const {
  return static_cast<int>(std::count(calls_.begin(), calls_.end(), call));
}

}  // namespace kau::platform
