#include "characters/CVisitorAttributes.h"

#include <algorithm>

namespace {

// mood = (3 x value a + 2 x value b) / 500 x 100, truncated; kept in
// integers so that whole percentages come out exact.
constexpr int32_t kWeightA = 3;
constexpr int32_t kWeightB = 2;
constexpr int32_t kMoodDivisor = 5;
constexpr int32_t kPercent = 100;

int32_t MoodOf(int32_t a, int32_t b) { return (kWeightA * a + kWeightB * b) / kMoodDivisor; }

}  // namespace

void CVisitorAttributes::SetAll(int16_t v1, int16_t v2, int16_t v3, int16_t v4) {
  CAttributes::SetAll(v1, v2, v3, v4);
  StoreMood();
}

void CVisitorAttributes::SetValue2(int16_t v) {
  m_value2 = Clamp(v);
  StoreMood();
}

void CVisitorAttributes::SetValue3(int16_t v) {
  m_value3 = Clamp(v);
  StoreMood();
}

int32_t CVisitorAttributes::GetMood() const { return MoodOf(m_value3, m_value2); }
int32_t CVisitorAttributes::GetFirstMood() const { return MoodOf(m_value1, m_value2); }

int16_t CVisitorAttributes::BandOf(int32_t mood) const {
  if (mood >= m_highThreshold) return 2;
  if (mood >= m_lowThreshold) return 1;
  return 0;
}

void CVisitorAttributes::SetBand(int16_t band) {
  AddToBandCount(m_band, -1);
  m_band = band >= 0 && band <= kNoBand ? band : kNoBand;
  AddToBandCount(m_band, 1);
}

void CVisitorAttributes::SetMoodTarget(int32_t p) {
  const int64_t v3 = (int64_t(kMoodDivisor) * p - int64_t(kWeightB) * m_value2) / kWeightA;
  m_value3 = int16_t(std::clamp<int64_t>(v3, kMinValue, kMaxValue));
}

int16_t CVisitorAttributes::Scaled(int16_t rate, int16_t d) {
  return int16_t(int32_t(rate) * d / kPercent);
}

void CVisitorAttributes::AddFirst(int16_t d) { m_value1 = Clamp(m_value1 + Scaled(m_rate1, d)); }

void CVisitorAttributes::AddSecond(int16_t d) {
  m_value2 = Clamp(m_value2 + d);
  UpdateMood();
}

void CVisitorAttributes::AddThird(int16_t d) {
  m_value3 = Clamp(m_value3 + Scaled(m_rate3, d));
  UpdateMood();
}

void CVisitorAttributes::AddAll(int16_t d1, int16_t d2, int16_t d3, int16_t d4) {
  m_value1 = Clamp(m_value1 + Scaled(m_rate1, d1));
  m_value2 = Clamp(m_value2 + d2);
  m_value3 = Clamp(m_value3 + Scaled(m_rate3, d3));
  m_value4 = Clamp(m_value4 + d4);
  UpdateMood();
}

void CVisitorAttributes::StoreMood() {
  if (m_counted) {
    UpdateMood();
  } else {
    m_mood = int16_t(GetMood());
  }
}

void CVisitorAttributes::UpdateMood() {
  const int32_t mood = GetMood();
  if (mood != m_mood) {
    if (m_totals && m_counted) m_totals->moodSum += mood - m_mood;
    UpdateBand(mood);
  }
  m_mood = int16_t(mood);
}

void CVisitorAttributes::UpdateBand(int32_t mood) {
  const int16_t band = BandOf(mood);
  if (band == m_band) return;
  AddToBandCount(band, 1);
  AddToBandCount(m_band, -1);
  m_band = band;
}

void CVisitorAttributes::AddToBandCount(int16_t band, int32_t delta) {
  if (m_totals && m_counted && band >= 0 && band < ParkMoodTotals::kBandCount) {
    m_totals->bandCounts[std::size_t(band)] += delta;
  }
}

void CVisitorAttributes::AddToParkTotals() {
  const int32_t mood = GetMood();
  if (m_totals) m_totals->moodSum += mood;
  m_mood = int16_t(mood);
  m_band = BandOf(mood);
  m_counted = true;
  AddToBandCount(m_band, 1);
}

void CVisitorAttributes::RemoveFromParkTotals() {
  if (!m_counted) return;
  if (m_totals) m_totals->moodSum -= m_mood;
  AddToBandCount(m_band, -1);
  m_counted = false;
}
