#include "scripted_results.h"

#include <gtest/gtest.h>
#include <ddraw.h>

namespace fakes {

ScriptedResults::ScriptedResults(std::set<std::string> scriptable)
    : scriptable_(std::move(scriptable)) {}

void ScriptedResults::CheckName(const std::string& method) const {
  // A misspelt method would otherwise script nothing and pass silently.
  if (!scriptable_.count(method)) ADD_FAILURE() << "cannot script \"" << method << "\" on this fake";
}

void ScriptedResults::Script(const std::string& method, std::initializer_list<HRESULT> results) {
  CheckName(method);
  auto& queue = queued_[method];
  queue.insert(queue.end(), results.begin(), results.end());
}

void ScriptedResults::ScriptDefault(const std::string& method, HRESULT result) {
  CheckName(method);
  defaults_[method] = result;
}

HRESULT ScriptedResults::Next(const std::string& method) {
  auto& queue = queued_[method];
  if (!queue.empty()) {
    HRESULT result = queue.front();
    queue.pop_front();
    return result;
  }
  auto found = defaults_.find(method);
  return found == defaults_.end() ? DD_OK : found->second;
}

}  // namespace fakes
