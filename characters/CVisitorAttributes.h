#pragma once
// A park character's four live values, with the mood derived from them and
// the mood band it falls in. A visitor counted into the park totals keeps
// them in step with every change of its mood and band until it is taken out
// again, so the totals stay exact.
#include <cstdint>

#include "characters/CAttributes.h"
#include "characters/ParkMoodTotals.h"

class CVisitorAttributes : public CAttributes {
 public:
  static constexpr int16_t kDefaultLowThreshold = 40;
  static constexpr int16_t kDefaultHighThreshold = 60;
  static constexpr int16_t kDefaultRate = 100;
  // The band of a visitor not yet banded.
  static constexpr int16_t kNoBand = 3;

  CVisitorAttributes() = default;

  // SetAll and the value setters store the mood; the band and the park
  // totals follow only for a counted visitor, whose totals must stay exact.
  void SetAll(int16_t v1, int16_t v2, int16_t v3, int16_t v4) override;
  void SetValue1(int16_t v) { m_value1 = Clamp(v); }
  void SetValue2(int16_t v);
  void SetValue3(int16_t v);
  void SetValue4(int16_t v) { m_value4 = Clamp(v); }
  void SetLowThreshold(int16_t t) { m_lowThreshold = t; }
  void SetHighThreshold(int16_t t) { m_highThreshold = t; }
  int16_t GetLowThreshold() const { return m_lowThreshold; }
  int16_t GetHighThreshold() const { return m_highThreshold; }
  void SetRates(int16_t rate1, int16_t rate3) {
    m_rate1 = rate1;
    m_rate3 = rate3;
  }
  int16_t GetRate1() const { return m_rate1; }
  int16_t GetRate3() const { return m_rate3; }

  // From the current values (not the stored mood).
  int32_t GetMood() const;
  int32_t GetFirstMood() const;
  int16_t GetStoredMood() const { return m_mood; }
  int16_t GetBand() const { return m_band; }
  // For the saved game: a band out of 0..3 counts as not banded; a counted
  // visitor moves to the new band's count.
  void SetBand(int16_t band);
  int16_t BandOf(int32_t mood) const;

  // Value 3 such that the mood becomes p (up to truncation).
  void SetMoodTarget(int32_t p);

  void AddFirst(int16_t d);
  void AddSecond(int16_t d);
  void AddThird(int16_t d);
  void AddAll(int16_t d1, int16_t d2, int16_t d3, int16_t d4);

  // The totals this visitor is counted into; null counts nowhere.
  void SetParkTotals(ParkMoodTotals* totals) { m_totals = totals; }
  // Counts the visitor with its current mood and band. The caller counts
  // each visitor once after clearing the totals.
  void AddToParkTotals();
  // Takes a counted visitor out of the totals again (nothing otherwise).
  void RemoveFromParkTotals();
  bool IsCounted() const { return m_counted; }

 private:
  static int16_t Scaled(int16_t rate, int16_t d);
  void StoreMood();
  // The stored mood and band follow the values; the totals when counted.
  void UpdateMood();
  void UpdateBand(int32_t mood);
  void AddToBandCount(int16_t band, int32_t delta);

  int16_t m_lowThreshold = kDefaultLowThreshold;
  int16_t m_highThreshold = kDefaultHighThreshold;
  int16_t m_mood = 0;
  int16_t m_band = kNoBand;
  int16_t m_rate1 = kDefaultRate;
  int16_t m_rate3 = kDefaultRate;
  ParkMoodTotals* m_totals = nullptr;
  bool m_counted = false;
};
