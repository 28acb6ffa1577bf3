#include "publish/embedded_images.h"

#include "platform/output.h"

namespace {

// The PNG files of the tree connections, made by tools/make_tree_images.py.
struct Image {
  const char* name;
  const char* base64;
};
constexpr Image kImages[] = {
    {"img0",
     "iVBORw0KGgoAAAANSUhEUgAAABQAAAAUCAYAAACNiR0NAAAAIUlEQVR42mP4jwcICbDDMbGAYdTAUQNHDRw1cNTAkWogA"
     "JRakFzMi+FhAAAAAElFTkSuQmCC"},
    {"img1",
     "iVBORw0KGgoAAAANSUhEUgAAABQAAAAUCAYAAACNiR0NAAAAJklEQVR42mP4jwcICbDDMbGAYdTAUQNpaCCxeNRAysGog"
     "aMGkgEA1RBjHJ2PD58AAAAASUVORK5CYII="},
    {"img2",
     "iVBORw0KGgoAAAANSUhEUgAAABQAAAAUCAYAAACNiR0NAAAAJ0lEQVR42mP4jwcICbDDMbGAYdTAUQNpaCCxeBgZOJpsR"
     "g0cSgYCABxfO4TnLrkQAAAAAElFTkSuQmCC"},
    {"imgN",
     "iVBORw0KGgoAAAANSUhEUgAAABQAAAAUAQMAAAC3R49OAAAAA1BMVEX///"
     "+nxBvIAAAAAXRSTlMAQObYZgAAAAxJREFUeNpjYKAuAAAAUAABzc0khgAAAABJRU5ErkJggg=="},
};

}  // namespace

void writeImageStyles(Output& out) {
  out << "<style>\n";
  for (const Image& image : kImages) {
    // The media type says gif although the files are PNG: browsers sniff it.
    out << "img." << image.name << " {\ncontent: url(data:image/gif;base64," << image.base64
        << ");\nwidth: 32px;\nheight: 32px;\n}\n";
  }
  out << "</style>\n";
}
