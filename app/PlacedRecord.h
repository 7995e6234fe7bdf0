#pragma once
// One record of the main object's two placed-record lists: a leading word
// (what the record stands for), a name and four values (a price or count,
// then year, month and day, as the callers fill them). The park file stores
// both lists.
#include <cstdint>

#include "engine/core/EngineString.h"

struct PlacedRecord {
  static constexpr int kValueCount = 4;

  int32_t first = 0;
  EngineString name;
  int32_t values[kValueCount] = {};

  void Set(int32_t firstValue, const EngineString& recordName, int32_t value1, int32_t value2, int32_t value3,
           int32_t value4) {
    first = firstValue;
    name = recordName;
    values[0] = value1;
    values[1] = value2;
    values[2] = value3;
    values[3] = value4;
  }
};
