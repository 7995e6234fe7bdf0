#include "world/objects/CObjectDescriptorReader.h"

#include "engine/core/EngineString.h"
#include "park/objects/ObjectTypeDescriptor.h"
#include "tests/world/objects/ObjectDescriptorFixture.h"

namespace {

using descriptortest::DescriptorFixture;
using plat::Vec3;

TEST(ParseVector3Test, MissingPartsAreZeroAndATextWithoutACommaGivesTheOrigin) {
  const struct {
    const char* text;
    Vec3 expected;
  } cases[] = {
      {"1,2,3", {1, 2, 3}},     {" 1.5, -2 ,0.25", {1.5f, -2, 0.25f}}, {"4,5", {4, 5, 0}},
      {"7", {0, 0, 0}},         {"", {0, 0, 0}},                       {",,9", {0, 0, 9}},
      {"1,2,3,4", {1, 2, 3}},   {"a,b,c", {0, 0, 0}},                  {"6,", {6, 0, 0}},
  };
  for (const auto& c : cases) {
    Vec3 out{9, 9, 9};
    ParseVector3(c.text, &out);
    EXPECT_EQ(out, c.expected) << c.text;
  }
}

class ObjectDescriptorReaderTest : public DescriptorFixture {};

TEST_F(ObjectDescriptorReaderTest, AnObjectsDescriptorFillsEveryFieldAndLoadsItsModels) {
  WriteBoxModel("objects/stall/stall.EFX");
  WriteBoxModel("objects/stall/sign.EFX");
  const ObjectTypeDescriptor& type = LoadOne(
      "type=\"Objects\" name=\"bufe_zarp\" used=\"YES\" RandRot=\"YES\" gate=\"1,0,2\" exit=\"-1,0,2\" "
      "SpecPosition=\"0,3,0\" SpecRotation=\"45.5\" SpecEventLocation=\"1,1,1\" Level1FlagPos=\"0,5,0\" "
      "Level2FlagPos=\"0,6,0\" Level3FlagPos=\"0,7,0\"",
      "<ModelDirectory>objects\\stall</ModelDirectory><Modell>stall.EFX</Modell>"
      "<TexureDirectory>objects\\stall\\textures</TexureDirectory><ObjType>6</ObjType>"
      "<SpecialEventLocation>2,3,4</SpecialEventLocation><SpecialEventObj name=\"sign\">sign.EFX</SpecialEventObj>"
      "<animTime>2.5</animTime><place x=\"3\" y=\"2\"/><paths in=\"stall_in\" out=\"stall_out\"/>"
      "<paths in=\"stall_in2\"/><visitor>12</visitor><path>stall_walk</path><bCost>450</bCost>"
      "<bUnlockMovie>stall.avi</bUnlockMovie><effect>smoke</effect>");
  EXPECT_EQ(type.name, "bufe_zarp");
  EXPECT_EQ(type.objType, kObjectKindShop);
  EXPECT_EQ(type.unlockFlag, 1);
  EXPECT_EQ(type.randomRotation, 1);
  EXPECT_EQ(type.gatePosition, (Vec3{1, 0, 2}));
  EXPECT_EQ(type.exitPosition, (Vec3{-1, 0, 2}));
  EXPECT_EQ(type.specPosition, (Vec3{0, 3, 0}));
  EXPECT_FLOAT_EQ(type.specRotation, 45.5f);
  EXPECT_EQ(type.specialEventLocation, (Vec3{2, 3, 4}));  // the element wins over the attribute
  EXPECT_EQ(type.levelFlagPositions[2], (Vec3{0, 7, 0}));
  EXPECT_FLOAT_EQ(type.animTime, 2.5f);
  EXPECT_EQ(type.placeX, 3);
  EXPECT_EQ(type.placeY, 2);
  ASSERT_EQ(type.inPathNames.size(), 2u);
  EXPECT_EQ(type.inPathNames[1], "stall_in2");
  EXPECT_EQ(type.outPathNames[1], "");  // an absent attribute gives an empty name
  EXPECT_EQ(type.visitorCapacity, 12);
  EXPECT_EQ(type.pathValue, "stall_walk");
  EXPECT_EQ(type.buildCost, 450);
  EXPECT_EQ(type.movie, "stall.avi");
  EXPECT_EQ(type.effect, "smoke");
  ASSERT_EQ(type.models.size(), 1u);
  EXPECT_EQ(type.models[0]->GetMeshObjects().size(), 1u);
  EXPECT_EQ(type.models[0]->renderFlag, 1);
  EXPECT_EQ(type.models[0]->GetModelFolder().Std(), m_dir.string() + "\\objects\\stall\\textures");
  EXPECT_TRUE(type.modelSetups.empty());
  ASSERT_EQ(type.eventFigures.size(), 1u);
  EXPECT_EQ(type.eventFigures[0].isCharacter, 0);
  EXPECT_EQ(type.eventFigures[0].name, "sign");
  ASSERT_NE(type.eventFigures[0].gameObject, nullptr);
  EXPECT_EQ(type.eventFigures[0].gameObject->GetMeshObjects().size(), 1u);
  EXPECT_EQ(m_debug, "LOading Object: bufe_zarp\n");
}

TEST_F(ObjectDescriptorReaderTest, MissingValuesKeepTheirDefaults) {
  WriteBoxModel("objects/bin/bin.EFX");
  const std::string models = "<ModelDirectory>objects\\bin</ModelDirectory><Modell>bin.EFX</Modell>";
  const ObjectTypeDescriptor& plain = LoadOne("type=\"Objects\" name=\"bin\" gate=\"5\"", models);
  EXPECT_EQ(plain.unlockFlag, 0);
  EXPECT_EQ(plain.movie, "");
  EXPECT_EQ(plain.randomRotation, 0);
  EXPECT_EQ(plain.objType, kObjectKindNone);
  EXPECT_EQ(plain.placeX, 1);
  EXPECT_EQ(plain.placeY, 1);
  EXPECT_FLOAT_EQ(plain.animTime, -1.0f);
  EXPECT_EQ(plain.gatePosition, (Vec3{}));  // no comma: the origin
  EXPECT_EQ(plain.displayName, "");
  EXPECT_TRUE(plain.inPathNames.empty());

  // "used" without a film: the "movie" marker; the Objects type still ends up unlocked.
  const ObjectTypeDescriptor& used = LoadOne(
      "type=\"Objects\" name=\"bin2\" used=\"YES\" SpecEventLocation=\"1,2,3\"",
      models + "<SpecialEventLocation>8,9</SpecialEventLocation>");
  EXPECT_EQ(used.movie, "movie");
  EXPECT_EQ(used.unlockFlag, 1);
  EXPECT_EQ(used.specialEventLocation, (Vec3{1, 2, 3}));  // two numbers keep the attribute's
}

TEST_F(ObjectDescriptorReaderTest, AnimatedPartsAndNumberedPathItems) {
  WriteBoxModel("objects/ride/base.EFX");
  WriteBoxModel("objects/ride/arm.EFX");
  for (const char* item : {"car00.EFX", "car01.EFX", "car02.EFX"}) WriteBoxModel(std::string("objects/ride/") + item);
  const ObjectTypeDescriptor& type = LoadOne(
      "type=\"efx_animated\" name=\"Attr_Skarloop\" used=\"YES\" RandRot=\"YES\"",
      "<ModelDirectory>objects\\ride</ModelDirectory><TexureDirectory>objects\\ride</TexureDirectory>"
      "<ObjType>0</ObjType><bUnlockMovie>movie</bUnlockMovie>"
      "<Modell_EFX parentname=\"\" name=\"base\" atype=\"rotate\" type=\"root\" localCoord=\"1,0,0\" "
      "rotate_begin=\"0\" rotate_end=\"360\" rSpeed=\"2\" mSpeed=\"0.5\" rotAxis=\"0,1,0\" rotationPoint=\"0,1,0\" "
      "move_begin=\"0,0,0\" move_end=\"0,2,0\" closedRot=\"1\">base.EFX</Modell_EFX>"
      "<Modell_EFX parentname=\"base\" name=\"arm\" atype=\"rotate\" type=\"child\" localCoord=\"0,2,0\" "
      "closedRot=\"2\">arm.EFX</Modell_EFX>"
      "<Modell_EFX parentname=\"arm\" name=\"car\" atype=\"pathanim\" animPath=\"track.txt\" intemnum=\"3\" "
      "itemOffset=\"40\">car</Modell_EFX>");
  EXPECT_EQ(type.name, "Attr_Skarloop");
  EXPECT_EQ(type.unlockFlag, 1);
  EXPECT_EQ(type.randomRotation, 1);
  ASSERT_EQ(type.models.size(), 5u);
  ASSERT_EQ(type.modelSetups.size(), 5u);
  EXPECT_EQ(type.models[0]->position, (Vec3{1, 0, 0}));
  EXPECT_EQ(type.models[0]->partMarker, 0);
  const AnimatedPartRecord& base = type.modelSetups[0];
  EXPECT_EQ(base.name, "base");
  EXPECT_FLOAT_EQ(base.rotateEnd, 360);
  EXPECT_FLOAT_EQ(base.rotationSpeed, 2);
  EXPECT_FLOAT_EQ(base.moveSpeed, 0.5f);
  EXPECT_EQ(base.rotationAxis, (Vec3{0, 1, 0}));
  EXPECT_EQ(base.moveEnd, (Vec3{0, 2, 0}));
  EXPECT_EQ(base.closedRotation, 1);
  EXPECT_EQ(type.modelSetups[1].closedRotation, 0);  // only 1 closes
  EXPECT_EQ(type.modelSetups[1].parentName, "base");
  for (size_t k = 0; k < 3; ++k) {
    const CParkModel& car = *type.models[2 + k];
    EngineString file;
    file.Format("%s\\objects\\ride\\car%.2d.EFX", m_dir.string().c_str(), static_cast<int>(k));
    EXPECT_EQ(car.GetModelFile().Std(), file.Std());
    EXPECT_EQ(car.GetMeshObjects().size(), 1u) << k;
    EXPECT_EQ(car.partMarker, CParkModel::kVehicleMarker);
    EXPECT_EQ(car.position, (Vec3{0, 2, 0}));  // where the part before them stands
    EXPECT_EQ(type.modelSetups[2 + k].itemCount, 3);
    EXPECT_EQ(type.modelSetups[2 + k].itemOffset, 40);
    EXPECT_EQ(type.modelSetups[2 + k].animPath, "track.txt");
  }
}

TEST_F(ObjectDescriptorReaderTest, PathItemCountsAreHeldToTwoDigitNumbers) {
  const std::string folders = "<ModelDirectory>objects\\ride</ModelDirectory>";
  const auto items = [&](const char* count) {
    return LoadOne("type=\"efx_animated\" name=\"r\"",
                   folders + "<Modell_EFX name=\"car\" atype=\"pathanim\" intemnum=\"" + count + "\">car</Modell_EFX>")
        .models.size();
  };
  EXPECT_EQ(items("-4"), 0u);
  EXPECT_EQ(items("2147483647"), static_cast<size_t>(CObjectDescriptorReader::kMaxPathItems));
  // Path items that come first stand at the origin; without a root part the name stays empty.
  const ObjectTypeDescriptor& first = *m_catalog->At(m_catalog->Count() - 1);
  EXPECT_EQ(first.models[0]->position, (Vec3{}));
  EXPECT_EQ(first.name, "");
}

TEST_F(ObjectDescriptorReaderTest, AnimatedAndCombinedObjectsLoadTheirFigures) {
  WriteFigure("objects/carousel/horse.X");
  WriteFigure("objects/carousel/sleep.X");
  WriteBoxModel("objects/carousel/roof.EFX");
  const std::string folders =
      "<ModelDirectory>objects\\carousel</ModelDirectory><TexureDirectory>objects\\carousel\\textures</TexureDirectory>";
  const ObjectTypeDescriptor& animated = LoadOne(
      "type=\"AnimObjects\" name=\"Attr_Velmorra\" used=\"YES\" RandRot=\"YES\"",
      folders + "<Modell>horse.X</Modell><ObjType>1</ObjType><SpecialEventObj name=\"sleep\">sleep.X</SpecialEventObj>");
  EXPECT_EQ(animated.isRide, 1);
  EXPECT_EQ(animated.randomRotation, 0);  // never for animated objects
  EXPECT_EQ(animated.unlockFlag, 0);      // used without a film
  EXPECT_EQ(animated.objType, kObjectKindAttractionB);
  ASSERT_EQ(animated.characters.size(), 1u);
  EXPECT_EQ(animated.characters[0]->GetName(), "Attr_Velmorra");
  EXPECT_NE(animated.characters[0]->GetRootFrame(), nullptr);
  EXPECT_EQ(animated.characters[0]->GetCurrentAnimationSet(), 0);
  ASSERT_EQ(animated.eventFigures.size(), 1u);
  EXPECT_EQ(animated.eventFigures[0].isCharacter, 1);
  EXPECT_EQ(animated.eventFigures[0].name, "sleep");
  EXPECT_NE(animated.eventFigures[0].character, nullptr);

  const ObjectTypeDescriptor& combined = LoadOne(
      "type=\"Combied_Objects\" name=\"Attr_Norwhistle\"",
      folders + "<Modell_EFX>roof.EFX</Modell_EFX><Modell_X>horse.X</Modell_X><Modell_X>horse.X</Modell_X>");
  EXPECT_EQ(combined.hasEffects, 1);
  EXPECT_EQ(combined.isRide, 0);
  ASSERT_EQ(combined.models.size(), 1u);
  EXPECT_EQ(combined.models[0]->GetMeshObjects().size(), 1u);
  EXPECT_EQ(combined.characters.size(), 2u);
}

TEST_F(ObjectDescriptorReaderTest, UnknownTypesAndBrokenModelsAreHandledWithoutFailing) {
  m_reader->LoadObjectDescriptor(WriteDescriptor("x.xml", "type=\"Sounds\" name=\"n\"", "").c_str());
  EXPECT_EQ(m_catalog->Count(), 0);
  // A model file that is missing leaves the type with an empty model.
  const ObjectTypeDescriptor& broken =
      LoadOne("type=\"Objects\" name=\"gone\"", "<ModelDirectory>nowhere</ModelDirectory><Modell>none.EFX</Modell>");
  ASSERT_EQ(broken.models.size(), 1u);
  EXPECT_TRUE(broken.models[0]->GetMeshObjects().empty());
  EXPECT_EQ(broken.models[0]->localAnchorB, (Vec3{}));
}

TEST_F(ObjectDescriptorReaderTest, SingleObjectsAreReadOnlyFromObjectsDescriptors) {
  WriteBoxModel("objects/sky/dome.EFX");
  const std::string children = "<ModelDirectory>objects\\sky</ModelDirectory><Modell>dome.EFX</Modell>";
  const auto single = m_reader->LoadSingleObject(WriteDescriptor("sky.xml", "type=\"Objects\" name=\"Sky\"", children).c_str());
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(single->GetName(), "Sky");
  EXPECT_EQ(single->GetMeshObjects().size(), 1u);
  EXPECT_EQ(m_reader->LoadSingleObject(WriteDescriptor("a.xml", "type=\"AnimObjects\" name=\"A\"", children).c_str()),
            nullptr);
  EXPECT_EQ(m_catalog->Count(), 0);
}

}  // namespace
