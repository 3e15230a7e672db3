#include "user_api.h"

UserApi& CurrentUserApi() {
  static UserApi api;
  return api;
}
