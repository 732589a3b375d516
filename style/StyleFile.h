// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/IniText.h"
#include "style/Style.h"

// Style files: INI files with the sections "Body", "Font" and "AltFonts". A read takes the
// whole file once and looks its keys up in memory; a write changes the keys in memory and
// replaces the file once.

// Whether a path names an existing file. The program passes platform::FileExists; tests
// pass their own.
using FileExistsCheck = std::function<bool(const std::string& path)>;

// What reading a style changes, in the order it changes it. The main window implements this
// over its controls: a read selects the face list entry, the toggle buttons, the size bar and
// the mode radio buttons as a user would, so each control's own handling runs (the size bar
// refusing a step outside 1..7, a radio button's click handling running only when it was not
// selected already, the picture chooser opening in the middle of a read). An exception thrown
// by an operation ends the read there.
class StyleTarget {
public:
    virtual ~StyleTarget() = default;

    // One of the six style colours (the five body colours and the font colour). The colours
    // are set one at a time, so a later colour that cannot be read leaves the earlier ones set.
    virtual void SetColor(TColorTarget target, TColor color) = 0;

    // The face list as it stands, in its order.
    virtual std::vector<std::string> Faces() const = 0;
    // Selects entry `index` of Faces() and makes it the style's face; -1 (an empty face list)
    // selects nothing and leaves the style without a face.
    virtual void SelectFace(int index) = 0;
    // The installed face the system shows for a generic family ("serif", "monospace"...), or
    // empty when the target cannot tell.
    virtual std::string GenericFace(std::string_view /*generic*/) const { return {}; }

    // The toggle buttons and the preview follow each.
    virtual void SetCentered(bool centered) = 0;
    virtual void SetBold(bool bold) = 0;
    virtual void SetItalic(bool italic) = 0;

    // Assigns the size bar: a step outside 1..7 is refused and the bar keeps its position, yet
    // the bar's change handling runs in every case.
    virtual void SetSizeStep(int step) = 0;

    virtual void SetUserText(const std::string& text) = 0;

    // PicturePath := path (through the picture control, which may refuse or empty it) and
    // PictureName := name. The style reader calls it only with a path that names an existing
    // file; the undo history also with an empty path, which takes the picture away.
    virtual void SetPicture(const std::string& path, const std::string& name) = 0;
    // Select the "Picture" or the "Color" radio button, with its click handling when it was
    // not selected already.
    virtual void SelectPictureMode() = 0;
    virtual void SelectColorMode() = 0;

    virtual void SetAltFaces(std::vector<std::string> faces) = 0;

    // The end of every complete read: the tag area shows the font tag, then the font
    // preview's background, the body colour fill and the background swatch show BackColor.
    virtual void ShowFontTag() = 0;
    virtual void ShowBackColor() = 0;
};

// Reads the style file at `path` into the target. A missing file reads as an empty one, every
// key missing, which gives the default style. A file that exists but cannot be read (no
// permission, not a regular file, far too large) throws platform::ReadError
// "Unable to read <path>" before the target is touched. A colour that is not hexadecimal stops the read
// at that key with platform::Error "'$<value>' is not a valid integer value"; what was read
// before it stays in effect.
void ReadStyle(const std::string& path, StyleTarget& target, const FileExistsCheck& fileExists);

// The same read over a file's text held in memory.
void ReadStyleText(const platform::IniText& text, StyleTarget& target, const FileExistsCheck& fileExists);

// Writes every key of the style to the file at `path`, in one replacement of the file; keys and
// sections it does not own are kept. The "AltFonts" section is erased and written anew, so no
// entry of an earlier, longer list survives. A file that cannot be written throws
// platform::Error "Unable to write to <path>" and is left as it was.
void WriteStyle(const std::string& path, const TStyle& style);

// The face list entry a read selects: for a stored face, the last entry equal to it (case
// matters), else the first entry; with no stored face, the default face. -1 for an empty list.
int ChooseFace(const std::vector<std::string>& faces, const std::optional<std::string>& stored);
