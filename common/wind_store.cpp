#include "wind_store.h"

#include "registry.h"

const char* const WindKeyName = "Hoarvale";
const char* const WindValueName = "Wind Power";

namespace {

// Both operations start alike: make sure the key exists, then open it with
// full access as the current key. A key that cannot be opened leaves no
// current key; the value operations then report the failure.
void OpenWindKey(TRegistry& registry) {
  registry.SetRootKey(HKEY_CURRENT_USER);
  if (!registry.KeyExists(WindKeyName)) registry.CreateKey(WindKeyName);
  registry.OpenKey(WindKeyName, true);
}

}  // namespace

int32_t ReadWindPower() {
  TRegistry registry;
  OpenWindKey(registry);
  if (registry.ValueExists(WindValueName)) return registry.ReadInteger(WindValueName);
  registry.WriteInteger(WindValueName, 0);
  return 0;
}

void WriteWindPower(int32_t value) {
  TRegistry registry;
  OpenWindKey(registry);
  registry.WriteInteger(WindValueName, value);
}
