#include "gui/core/GuiServices.h"

#include "engine/core/Globals.h"
#include "engine/media/SoundManager.h"
#include "gui/core/CGuiMainClass.h"

EngineString GuiTextFor(int32_t id, const EngineString& literal) {
  if (id == -1) return literal;
  return g_guiMain ? g_guiMain->GetText(id) : EngineString();
}

void GuiPost(int32_t sender, int32_t target, int32_t code, int32_t control, int32_t parameter) {
  if (g_guiMain) g_guiMain->PostCommand(sender, target, code, control, parameter);
}

void GuiPlaySound(const char* name) {
  if (g_sound) g_sound->Play(name);
}
