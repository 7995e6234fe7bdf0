#include "app/MainObjectResourceTables.h"

#include <iterator>

const EffectResource kEffectResources[] = {
    {"ps_shaders.fx", "BaseEffects"},
    {"bump_reflection.fx", "BumpRefl"},
    {"sh.fx", "Standard"},
    {"specular.fx", "SpecularMap"},
    {"diffuse.fx", "Default"},
    {"character_diffuseVxBlend.fx", "CharAnim"},
    {"sample.fx", "Sample"},
    {"diffuse_old.fx", "DiffOld"},
    {"diffuse_normal.fx", "DiffNormal"},
    {"Water2.fx", "Water2"},
    // The trailing blank is part of the name; the path resolver finds the file.
    {"ground_shadow.fx ", "GroundShadow"},
    {"Soft Shadows.fx", "SoftShadow"},
    {"Landscape.fx", "Landscape"},
    {"baseVx.fx", "BaseVertexShader"},
    {"ShadowMap.fx", "Default_shadow"},
};
const std::size_t kEffectResourceCount = std::size(kEffectResources);

const SoundResource kSoundResources[] = {
    {"RAIN", "rain.wav", SoundKind::Looping},
    {"MAGIC", "magic.wav", SoundKind::Single},
    {"HAPY01", "happysmile01.wav", SoundKind::Single},
    {"HAPY02", "happysmile02.wav", SoundKind::Single},
    {"HAPY03", "happysmile03.wav", SoundKind::Single},
    {"CHILD_HAPPY", "glimmerstead-child.wav", SoundKind::Single},
    {"SCREAM", "scream.wav", SoundKind::Single},
    {"ATMOSPHERE", "enviroment.wav", SoundKind::Looping},
    {"ATTR_Orvistane", "orvi_stane.wav", SoundKind::Looping},
    {"ATTR_Mirtovanza", "mirto_vanza.wav", SoundKind::Looping},
    {"ATTR_Sorvalune", "sorva_lune.wav", SoundKind::Looping},
    {"ATTR_Brambleholt", "danse_macabre.wav", SoundKind::Looping},
    {"Attr_Norwhistle", "nor_whistle.wav", SoundKind::Looping},
    {"gomba_CRASH", "gnome_bad_piano.wav", SoundKind::Looping},
    {"gomba", "paddestoelen.wav", SoundKind::Looping},
    {"ATTR_Tullowmere", "tullowmere.WAV", SoundKind::Looping},
    {"ATTR_Zelvaro", "zelvanni.wav", SoundKind::Looping},
    {"attr_mossbellow", "bramwick_tapper.wav", SoundKind::Looping},
    {"beszelokuka", "gorbletunn1.wav", SoundKind::Looping},
    {"Attr_tobbin", "tobbin_and_wrenna.wav", SoundKind::Looping},
    {"ATTR_Graddelmor", "grad_delmor.wav", SoundKind::Looping},
    {"Attr_Velmorra", "lake_waves_duck.wav", SoundKind::Looping},
    {"Attr_Hemmelcourt", "people_talkings.wav", SoundKind::Looping},
    {"Attr_Quillibanter", "quilli_banter.wav", SoundKind::Looping},
    {"ATTR_Pellidrane", "pellidrane.wav", SoundKind::Looping},
    {"Attr_Murrowick", "Murrowickery.wav", SoundKind::Looping},
    {"ATTR_Zelvaro_NOISE", "zelvaro_birdvoice.wav", SoundKind::Looping},
    {"Attr_Plonkett_NOISE", "plonk_ettle_vehicles.wav", SoundKind::Looping},
    {"ATTR_Brambleholt_NOISE", "ghost_scream.wav", SoundKind::Looping},
    {"Attr_Fennaclaw_NOISE", "roller002-mono.wav", SoundKind::Looping},
    {"Attr_Skarloop_NOISE", "rollercoaster03.wav", SoundKind::Looping},
    {"Attr_Norwhistle_NOISE", "rollercoaster03.wav", SoundKind::Looping},
    {"Attr_Tarvix_NOISE", "roller002-mono.wav", SoundKind::Looping},
    {"Attr_Cobbleton_NOISE", "train.wav", SoundKind::Looping},
    {"Attr_Fennaclaw_NOISE2", "rollercoaster02.wav", SoundKind::Looping},
    {"Attr_Skarloop_NOISE2", "rollercoaster02.wav", SoundKind::Looping},
    {"Attr_Norwhistle_NOISE2", "rollercoaster02.wav", SoundKind::Looping},
    {"Attr_Tarvix_NOISE2", "rollercoaster02.wav", SoundKind::Looping},
    {"beszelokuka_NOISE2", "gorbletunn2.wav", SoundKind::Single},
    {"Attr_Skarloop_SCREAM", "crowd_scream_3.wav", SoundKind::Single},
    {"Attr_Fennaclaw_SCREAM", "crowd_scream_3.wav", SoundKind::Single},
    {"Attr_Norwhistle_SCREAM", "crowd_scream_3.wav", SoundKind::Single},
    {"Attr_Tarvix_SCREAM", "crowd_scream_3.wav", SoundKind::Single},
    {"Attr_Cobbleton_STARTING", "train horn.wav", SoundKind::Single},
};
const std::size_t kSoundResourceCount = std::size(kSoundResources);

const char* const kAmbienceSoundKey = "ATMOSPHERE";
