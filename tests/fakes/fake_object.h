// What every DirectDraw fake shares: a name for the call log, scripted
// results, observable reference counting, and loud failure of the methods
// that the screensaver must not call.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "fake_call_log.h"
#include "scripted_results.h"

namespace fakes {

class FakeObject {
 public:
  FakeObject(std::string name, std::set<std::string> scriptable);
  virtual ~FakeObject() = default;
  FakeObject(const FakeObject&) = delete;
  FakeObject& operator=(const FakeObject&) = delete;

  const std::string& Name() const { return name_; }

  // Queues results for a method; once used up, the method answers its
  // default (DD_OK unless ScriptDefault changed it).
  void Script(const std::string& method, std::initializer_list<HRESULT> results) { results_.Script(method, results); }
  void ScriptDefault(const std::string& method, HRESULT result) { results_.ScriptDefault(method, result); }

  // This object's calls in the running test, all or of one method.
  std::vector<FakeCall> Calls() const;
  std::vector<FakeCall> Calls(const std::string& method) const;

  // A fake starts with one reference, as a freshly created object has.
  ULONG RefCount() const { return refs_; }
  int AddRefCount() const { return addRefs_; }
  int ReleaseCount() const { return releases_; }

 protected:
  FakeCall NewCall(const char* method, std::string args) const;
  // Logs the call with its result and returns the result.
  HRESULT Finish(FakeCall& call, HRESULT result);
  HRESULT NextResult(const char* method) { return results_.Next(method); }
  ULONG CountAddRef();
  ULONG CountRelease();
  // For methods the screensaver never calls: fails the running test.
  HRESULT Unexpected(const char* method, HRESULT result = E_NOTIMPL);

 private:
  std::string name_;
  unsigned serial_;
  ScriptedResults results_;
  ULONG refs_ = 1;
  int addRefs_ = 0;
  int releases_ = 0;
};

}  // namespace fakes
