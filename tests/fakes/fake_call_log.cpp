#include "fake_call_log.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "fake_object.h"

namespace fakes {

std::string FakeCall::Text() const { return object + "." + method + "(" + args + ")"; }

void FakeCallLog::Add(FakeCall call) { calls_.push_back(std::move(call)); }

void FakeCallLog::Clear() { calls_.clear(); }

std::vector<std::string> FakeCallLog::Methods() const {
  std::vector<std::string> methods;
  for (const auto& call : calls_) methods.push_back(call.object + "." + call.method);
  return methods;
}

std::vector<std::string> FakeCallLog::Texts() const {
  std::vector<std::string> texts;
  for (const auto& call : calls_) texts.push_back(call.Text());
  return texts;
}

FakeCallLog& CallLog() {
  static FakeCallLog log;
  return log;
}

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%lX", static_cast<unsigned long>(value));
  return text;
}

std::string RectText(const RECT* rect) {
  if (!rect) return "null";
  return "{" + std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
         std::to_string(rect->right) + "," + std::to_string(rect->bottom) + "}";
}

std::string ObjectName(const IUnknown* object) {
  if (!object) return "null";
  if (auto fake = dynamic_cast<const FakeObject*>(object)) return fake->Name();
  return "foreign";
}

namespace {

// Every test starts with an empty log, so no test sees another's calls.
class ClearLogAtTestStart : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override { CallLog().Clear(); }
};

[[maybe_unused]] const bool kRegistered = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new ClearLogAtTestStart);
  return true;
}();

}  // namespace

}  // namespace fakes
