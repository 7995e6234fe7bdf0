#include "characters/CAttributes.h"

#include <algorithm>

int16_t CAttributes::Clamp(int32_t value) {
  return int16_t(std::clamp<int32_t>(value, kMinValue, kMaxValue));
}

void CAttributes::SetAll(int16_t v1, int16_t v2, int16_t v3, int16_t v4) {
  m_value1 = Clamp(v1);
  m_value2 = Clamp(v2);
  m_value3 = Clamp(v3);
  m_value4 = Clamp(v4);
}
