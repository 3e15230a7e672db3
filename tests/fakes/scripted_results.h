// Results that a test scripts for a fake's methods: a queue per method, used
// up one call at a time, then a default (DD_OK unless changed).
#pragma once

#include <windows.h>

#include <deque>
#include <initializer_list>
#include <map>
#include <set>
#include <string>

namespace fakes {

class ScriptedResults {
 public:
  explicit ScriptedResults(std::set<std::string> scriptable);
  // Appends to the method's queue.
  void Script(const std::string& method, std::initializer_list<HRESULT> results);
  // What the method answers once its queue is empty.
  void ScriptDefault(const std::string& method, HRESULT result);
  HRESULT Next(const std::string& method);

 private:
  void CheckName(const std::string& method) const;

  std::set<std::string> scriptable_;
  std::map<std::string, std::deque<HRESULT>> queued_;
  std::map<std::string, HRESULT> defaults_;
};

}  // namespace fakes
