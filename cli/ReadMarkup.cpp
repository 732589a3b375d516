// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ReadMarkup.h"

#include <istream>
#include <optional>
#include <ostream>

#include "cli/PrintText.h"
#include "platform/FileBytes.h"
#include "platform/Translate.h"
#include "style/PlainStyleTarget.h"
#include "style/TagParser.h"

namespace {

// The text of the file, or of standard input for "-"; nothing when it cannot be read whole.
std::optional<std::string> ReadInput(const std::string& path, std::istream& in, std::ostream& err) {
    if (path == "-") {
        std::string text;
        char buffer[64 * 1024];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
            text.append(buffer, static_cast<std::size_t>(in.gcount()));
            if (text.size() > static_cast<std::size_t>(kMaxReadBytes)) {
                PrintLine(err, platform::Translate("Reading", "The standard input is too large to read."));
                return std::nullopt;
            }
        }
        return text;
    }
    platform::FileContent content = platform::ReadRegularFile(path, kMaxReadBytes);
    if (content.state != platform::FileContent::State::Read) {
        PrintLine(err, platform::Arg(platform::Translate("Errors", "Unable to read %1"), {path}));
        return std::nullopt;
    }
    return std::move(content.bytes);
}

}  // namespace

int ReadMarkup(const std::string& what, const std::string& path, std::istream& in, std::ostream& out,
               std::ostream& err, const TInstalledFaces& installed) {
    const std::optional<std::string> text = ReadInput(path, in, err);
    if (!text) return 1;
    const TPastedTag pasted = ParsePastedTag(*text);
    if (pasted.kind == TPastedKind::None) {
        PrintLine(
            err,
            path == "-"
                ? platform::Translate("Reading", "The standard input holds no FONT or BODY tag and no CSS.")
                : platform::Arg(platform::Translate("Reading", "%1 holds no FONT or BODY tag and no CSS."),
                                {path}));
        return 1;
    }
    PlainStyleTarget target(installed.faces, DefaultStyle(installed.faces), installed.generic);
    const std::vector<std::string> problems = LoadPastedTag(pasted, target);
    PrintLine(out, PrintedText(what, target.style));
    if (!problems.empty()) PrintLine(err, PastedTagMessage(pasted, problems));
    return 0;
}
