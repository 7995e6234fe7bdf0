#include "tests/gui/loader/LoaderFixture.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

#include "platform/gfx/PngWriter.h"
#include "platform/os/Path.h"

namespace guitest {

namespace fs = std::filesystem;

std::vector<std::string> Props(size_t n, std::initializer_list<std::pair<size_t, std::string>> set) {
  std::vector<std::string> props(n);
  for (const auto& [index, value] : set) {
    if (index < n) props[index] = value;
  }
  return props;
}

std::string Element(const std::string& id, const std::string& parent, const std::string& type,
                    const std::vector<std::string>& props, const std::string& children) {
  std::string xml = "<GuiElement id=\"" + id + "\" parentid=\"" + parent + "\" type=\"" + type + "\"><DataField>";
  for (size_t i = 0; i < props.size(); ++i) {
    xml += "<Properties name=\"P" + std::to_string(i) + "\" value=\"" + props[i] + "\"/>";
  }
  xml += "</DataField>";
  if (!children.empty()) xml += "<ChildElement>" + children + "</ChildElement>";
  return xml + "</GuiElement>\n";
}

std::string Description(const std::string& elements) {
  return "<?xml version=\"1.0\"?>\n<GUI><DataDictionary>\n" + elements + "</DataDictionary></GUI>\n";
}

LoaderDir::LoaderDir() {
  static std::atomic<int> counter{0};
  m_dir = fs::temp_directory_path() /
          ("halvenor_loader_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  fs::create_directories(m_dir / "guifiles");
  m_previous = fs::current_path();
  fs::current_path(m_dir);
  plat::ClearPathCache();
}

LoaderDir::~LoaderDir() {
  fs::current_path(m_previous);
  plat::ClearPathCache();
  std::error_code ignored;
  fs::remove_all(m_dir, ignored);
}

void LoaderDir::WriteDescription(const std::string& xml) { std::ofstream(m_dir / "guifiles" / "GuiXML.xml") << xml; }

void LoaderDir::WriteDefines(const std::string& text) { std::ofstream(m_dir / "guifiles" / "guidefines.h") << text; }

void LoaderDir::RemoveDefines() { fs::remove(m_dir / "guifiles" / "guidefines.h"); }

void LoaderDir::WriteImage(const std::string& relative, int width, int height) {
  const fs::path path = m_dir / relative;
  fs::create_directories(path.parent_path());
  const std::vector<std::uint32_t> pixels(size_t(width) * size_t(height), 0xFF336699u);
  plat::WritePngFile(path.string(), width, height, pixels.data());
}

}  // namespace guitest
