#include "tools/enginescene/SceneDescription.h"

#include <cmath>
#include <cstdlib>

#include "engine/core/XmlNode.h"

namespace {

constexpr float kShortestSeconds = 0.1f;

std::string Text(const XmlNode& node, const char* attribute) {
  const char* value = node.GetAttribute(attribute);
  return value ? value : "";
}

// A finite number, or the fallback for a missing, malformed or endless one.
float Number(const XmlNode& node, const char* attribute, float fallback) {
  const char* value = node.GetAttribute(attribute);
  if (!value) return fallback;
  char* end = nullptr;
  const float number = std::strtof(value, &end);
  if (end == value || !std::isfinite(number)) return fallback;
  return number;
}

// Durations divide the scene's time, so they never reach zero.
float Seconds(const XmlNode& node, const char* attribute, float fallback) {
  const float seconds = Number(node, attribute, fallback);
  return seconds < kShortestSeconds ? kShortestSeconds : seconds;
}

plat::Vec3 Point(const XmlNode& node, const char* prefix = "") {
  const std::string p(prefix);
  return {Number(node, (p + "X").c_str(), 0), Number(node, (p + "Y").c_str(), 0), Number(node, (p + "Z").c_str(), 0)};
}

void ReadModels(const XmlNode& scene, SceneDescription& out) {
  const int count = scene.CountChildNodes("Model");
  for (int i = 0; i < count; ++i) {
    const XmlNode node = scene.GetChildNodeAt("Model", i);
    SceneModel model;
    model.part = Text(node, "Part");
    model.file = Text(node, "File");
    if (model.part.empty() || model.file.empty()) continue;
    model.place.position = Point(node);
    model.place.turnDegrees = Number(node, "Turn", 0);
    model.place.scale = Number(node, "Scale", 1);
    out.models.push_back(model);
  }
}

void ReadFigures(const XmlNode& scene, SceneDescription& out) {
  const XmlNode figures = scene.GetChildNode("Figures");
  if (figures.IsEmpty()) return;
  out.figures.file = Text(figures, "File");
  out.figures.animationSet = Text(figures, "Set");
  const int count = figures.CountChildNodes("Walker");
  for (int i = 0; i < count; ++i) {
    const XmlNode node = figures.GetChildNodeAt("Walker", i);
    out.figures.walkers.push_back({Point(node, "From"), Point(node, "To"), Seconds(node, "Seconds", 10)});
  }
}

void ReadBird(const XmlNode& scene, SceneDescription& out) {
  const XmlNode bird = scene.GetChildNode("Bird");
  if (bird.IsEmpty()) return;
  out.bird.file = Text(bird, "File");
  out.bird.animationSet = Text(bird, "Set");
  out.bird.centre = Point(bird);
  out.bird.radius = Number(bird, "Radius", 10);
  out.bird.secondsPerRound = Seconds(bird, "Seconds", 10);
}

void ReadEffects(const XmlNode& scene, SceneDescription& out) {
  const XmlNode firework = scene.GetChildNode("Firework");
  out.hasFirework = !firework.IsEmpty();
  out.firework = Point(firework);
  const XmlNode fountain = scene.GetChildNode("Fountain");
  out.hasFountain = !fountain.IsEmpty();
  out.fountainFrom = Point(fountain, "From");
  out.fountainTo = Point(fountain, "To");
}

void ReadCamera(const XmlNode& scene, SceneDescription& out) {
  const XmlNode camera = scene.GetChildNode("Camera");
  out.cameraSecondsPerPoint = Seconds(camera, "SecondsPerPoint", 3);
  const int count = camera.CountChildNodes("Point");
  for (int i = 0; i < count; ++i) {
    const XmlNode node = camera.GetChildNodeAt("Point", i);
    out.cameraPath.push_back({Point(node), Point(node, "Look")});
  }
}

bool ReadScene(const XmlNode& scene, const XmlParseResult& result, SceneDescription& out, std::string& error) {
  if (scene.IsEmpty()) {
    error = result.code != kXmlNoError ? XmlErrorText(result.code) : "no <Scene> element";
    return false;
  }
  out = SceneDescription{};
  const XmlNode video = scene.GetChildNode("Video");
  out.video = Text(video, "File");
  out.videoMaxSeconds = Seconds(video, "MaxSeconds", 5);
  out.music = Text(scene.GetChildNode("Music"), "File");
  const XmlNode click = scene.GetChildNode("Click");
  out.clickSound = Text(click, "File");
  out.clickEverySeconds = Seconds(click, "EverySeconds", 2);
  ReadModels(scene, out);
  ReadFigures(scene, out);
  ReadBird(scene, out);
  ReadEffects(scene, out);
  ReadCamera(scene, out);
  return true;
}

}  // namespace

bool ReadSceneDescription(const std::string& gamePath, SceneDescription& out, std::string& error) {
  XmlParseResult result;
  const XmlNode scene = XmlNode::ParseFile(gamePath.c_str(), "Scene", &result);
  return ReadScene(scene, result, out, error);
}

bool ParseSceneDescription(const char* text, SceneDescription& out, std::string& error) {
  XmlParseResult result;
  const XmlNode scene = XmlNode::ParseString(text, "Scene", &result);
  return ReadScene(scene, result, out, error);
}
