#pragma once
// The four values a park character received when it entered the park, each
// held to 0..100.
#include <cstdint>

class CAttributes {
 public:
  static constexpr int16_t kMinValue = 0;
  static constexpr int16_t kMaxValue = 100;

  CAttributes() = default;
  virtual ~CAttributes() = default;
  CAttributes(const CAttributes&) = default;
  CAttributes& operator=(const CAttributes&) = default;

  virtual void SetAll(int16_t v1, int16_t v2, int16_t v3, int16_t v4);

  int16_t GetValue1() const { return m_value1; }
  int16_t GetValue2() const { return m_value2; }
  int16_t GetValue3() const { return m_value3; }
  int16_t GetValue4() const { return m_value4; }

  // Held to 0..100: a value out of range would put the mood outside its
  // bands and the park totals out of step.
  static int16_t Clamp(int32_t value);

 protected:
  int16_t m_value1 = 0;
  int16_t m_value2 = 0;
  int16_t m_value3 = 0;
  int16_t m_value4 = 0;
};
