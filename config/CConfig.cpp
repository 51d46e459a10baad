#include "config/CConfig.h"

CConfig& Config() {
  static CConfig config;
  return config;
}
