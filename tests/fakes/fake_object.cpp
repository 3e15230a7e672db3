#include "fake_object.h"

#include <gtest/gtest.h>

namespace fakes {

namespace {

unsigned NextSerial() {
  static unsigned last = 0;
  return ++last;
}

}  // namespace

FakeObject::FakeObject(std::string name, std::set<std::string> scriptable)
    : name_(std::move(name)), serial_(NextSerial()), results_(std::move(scriptable)) {}

std::vector<FakeCall> FakeObject::Calls() const {
  std::vector<FakeCall> mine;
  for (const auto& call : CallLog().Calls())
    if (call.serial == serial_) mine.push_back(call);
  return mine;
}

std::vector<FakeCall> FakeObject::Calls(const std::string& method) const {
  std::vector<FakeCall> mine;
  for (const auto& call : CallLog().Calls())
    if (call.serial == serial_ && call.method == method) mine.push_back(call);
  return mine;
}

FakeCall FakeObject::NewCall(const char* method, std::string args) const {
  FakeCall call;
  call.owner = this;
  call.serial = serial_;
  call.object = name_;
  call.method = method;
  call.args = std::move(args);
  return call;
}

HRESULT FakeObject::Finish(FakeCall& call, HRESULT result) {
  call.result = result;
  CallLog().Add(call);
  return result;
}

ULONG FakeObject::CountAddRef() {
  ++addRefs_;
  ++refs_;
  FakeCall call = NewCall("AddRef", "");
  Finish(call, static_cast<HRESULT>(refs_));
  return refs_;
}

ULONG FakeObject::CountRelease() {
  ++releases_;
  if (refs_ == 0)
    ADD_FAILURE() << name_ << " released more often than it was referenced";
  else
    --refs_;
  FakeCall call = NewCall("Release", "");
  Finish(call, static_cast<HRESULT>(refs_));
  return refs_;
}

HRESULT FakeObject::Unexpected(const char* method, HRESULT result) {
  ADD_FAILURE() << "unexpected call " << name_ << "." << method;
  FakeCall call = NewCall(method, "unexpected");
  return Finish(call, result);
}

}  // namespace fakes
