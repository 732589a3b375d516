// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The installed faces as a web author names them, from the font families the system lists.
// Pure, so that the front program (which reads fontconfig itself) and the window (which reads
// the toolkit's font database) agree on which faces are installed.
namespace platform {

// The plain family names, each once, in their order, without fontconfig's generic aliases
// ("Sans Serif"), followed by the classic web faces that are not installed themselves but have
// an installed metric-compatible twin (Arial through Liberation Sans, for one): a browser
// shows those faces by that name.
std::vector<std::string> FacesAsAuthorsNameThem(const std::vector<std::string>& plainFamilies);

// The classic web faces that have twins.
std::vector<std::string> ClassicWebFaces();

// The installed twins of a classic web face, best first; none for any other face.
std::vector<std::string> InstalledTwins(std::string_view face, const std::vector<std::string>& installed);

}  // namespace platform
