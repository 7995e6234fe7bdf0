// The main object's ledger and food catalogue: their lifetime, their steps
// of the world loading, and booking at the park clock's date.
#include <vector>

#include "app/VAvazadOvurUrovi.h"
#include "park/foods/CFoodCatalog.h"
#include "park/ledger/CLedgerRecordList.h"
#include "park/ledger/CLedgerTree.h"
#include "park/ledger/LedgerBooking.h"
#include "park/objects/CAttraction.h"
#include "platform/os/DebugOutput.h"

namespace {

constexpr const char* kFoodsFile = "\\Scenes\\foods\\Foods_NL.xml";

}  // namespace

void VAvazadOvurUrovi::CreateLedgerAndFoods() {
  ledgerTree = new CLedgerTree;
  ledgerRecords = new CLedgerRecordList;
  foodCatalog = new CFoodCatalog;
}

void VAvazadOvurUrovi::DeleteLedgerAndFoods() {
  delete ledgerTree;
  ledgerTree = nullptr;
  delete ledgerRecords;
  ledgerRecords = nullptr;
  delete foodCatalog;
  foodCatalog = nullptr;
}

void VAvazadOvurUrovi::InitLedgerAndFoods() {
  plat::OutputDebugString("AddStatisticItems\n");
  AddStatisticItems();
  plat::OutputDebugString("LoadFoodDescriptorFile\n");
  if (foodCatalog) foodCatalog->LoadFoodDescriptorFile(baseDirectory + EngineString(kFoodsFile));
}

void VAvazadOvurUrovi::AddStatisticItems() {
  if (!ledgerTree || !ledgerRecords) return;
  std::vector<int32_t> subjects;
  for (const CAttraction* object : placedObjects.ObjectsByState()) subjects.push_back(object->objectNumber);
  ::AddStatisticItems(*ledgerTree, *ledgerRecords, systemYear, gameDate.year, subjects);
}

void VAvazadOvurUrovi::BookLedgerKind(int32_t kind, int32_t subject, int32_t amount) {
  if (!ledgerTree || !ledgerRecords) return;
  ::BookLedgerKind(*ledgerTree, *ledgerRecords, kind, subject, {gameDate.year, gameDate.month, gameDate.day, gameHour},
                   amount);
}

void AddLedgerRecord(int32_t flag, int32_t category, int32_t kind, int32_t subject, int32_t year, int32_t month,
                     int32_t day, int32_t hour, int32_t amount, int32_t flag2) {
  if (!g_game || !g_game->ledgerTree || !g_game->ledgerRecords) return;
  AddLedgerRecord(*g_game->ledgerTree, *g_game->ledgerRecords,
                  {flag, category, kind, subject, year, month, day, hour, amount, flag2});
}
