// The park's green and clean ratings: the band each stands in, the points a
// better band earns with its message, and the tutorial step the first green
// band completes.
#include <algorithm>
#include <cmath>

#include "characters/CPorvikAiClass.h"
#include "characters/CPorvikAiClassHost.h"
#include "characters/CharacterTexts.h"

namespace {

constexpr int32_t kBandWidth = 20;
constexpr int32_t kBestBand = 100;
// 80..99 stands in no band: only a full 100 reaches the best one.
constexpr int32_t kLastPlainBandValue = 79;
constexpr int32_t kFirstBand = 20;
constexpr int32_t kTutorialAnswer = 2;
constexpr double kPercent = 100.0;

// Points and sentence of a band climbed into.
struct BandReward {
  int32_t band;
  int32_t points;
  int32_t sentence;
};
constexpr BandReward kGreenRewards[] = {{40, 112, 1}, {60, 224, 2}, {80, 448, 3}, {100, 896, 4}};
// The clean rating's band is the littered share: the lower, the better.
constexpr BandReward kCleanRewards[] = {{20, 448, 4}, {40, 224, 3}, {60, 112, 2}, {80, 56, 1}, {100, 28, 0}};

template <std::size_t N>
const BandReward* FindReward(const BandReward (&rewards)[N], int32_t band) {
  for (const BandReward& reward : rewards) {
    if (reward.band == band) return &reward;
  }
  return nullptr;
}

bool IsBand(int32_t band) { return band != CPorvikAiClass::kNoBand; }

}  // namespace

int32_t CPorvikAiClass::RatingBand(int32_t value) {
  if (value >= kBestBand) return kBestBand;
  if (value <= 0 || value > kLastPlainBandValue) return kNoBand;
  return (value / kBandWidth + 1) * kBandWidth;
}

void CPorvikAiClass::UpdateParkRatings(int32_t which) {
  CVisitorPark* park = CVisitorPark::Get();
  if (!park) return;
  if (which == kGreenRating) RateGreen(*park);
  if (which == kCleanRating) RateClean(*park);
  park->ShowRatings();
}

void CPorvikAiClass::RateGreen(CVisitorPark& park) {
  const int32_t greenery = park.GetRatingFigures().greeneryPercent;
  const int32_t band = RatingBand(greenery);
  if (!IsBand(band) || band == m_greenBand) return;
  const bool rose = m_greenBand < band;
  m_greenBand = band;
  if (band == kFirstBand && !IsBand(m_highestGreenBand)) {
    m_highestGreenBand = band;
    if (park.IsTutorialAtGreenStep() && greenery >= 1) park.FinishTutorialGreenStep(&OnTutorialMessageAnswered, this);
    return;
  }
  if (band <= m_highestGreenBand) return;
  m_highestGreenBand = band;
  const BandReward* reward = FindReward(kGreenRewards, band);
  if (rose && reward) AnnounceRating(park, reward->points, CharacterTexts::kSystemGreenCategory, reward->sentence);
}

void CPorvikAiClass::RateClean(CVisitorPark& park) {
  const CVisitorPark::RatingFigures figures = park.GetRatingFigures();
  const int32_t littered =
      figures.pathCells > 0 ? int32_t(std::trunc(double(figures.litteredPathCells) / figures.pathCells * kPercent))
                            : 0;
  const int32_t previous = std::max(0, int32_t(kPercent) - figures.lastCleanPercent);
  const int32_t band = RatingBand(littered);
  if (IsBand(band) && band != m_cleanBand) {
    m_cleanBand = band;
    m_lastCleanBand = band;
    const BandReward* reward = FindReward(kCleanRewards, band);
    // Only a park that got cleaner earns the band's points.
    if (previous > littered && reward) {
      AnnounceRating(park, reward->points, CharacterTexts::kSystemCleanCategory, reward->sentence);
    }
  }
  park.SetLastCleanPercent(int32_t(kPercent) - littered);
}

void CPorvikAiClass::AnnounceRating(CVisitorPark& park, int32_t points, int32_t category, int32_t index) const {
  park.AwardPoints(points);
  CPorvikAiClassHost* host = CPorvikAiClassHost::Get();
  if (!host) return;
  // Both halves come from the rating's own sentence; a sentence the thought
  // file lacks gives no message.
  const std::vector<ThoughtSentence>& sentences = host->GetTexts().GetThoughts(category);
  if (index < 0 || index >= int32_t(sentences.size())) return;
  const ThoughtSentence& sentence = sentences[std::size_t(index)];
  EngineString figure;
  figure.Format("%d", points);
  park.ShowRatingMessage(sentence.first + figure + sentence.second);
}

void CPorvikAiClass::OnTutorialMessageAnswered(void* context, int32_t, int32_t answer) {
  CVisitorPark* park = CVisitorPark::Get();
  if (context && answer == kTutorialAnswer && park) park->AdvanceTutorial();
}
