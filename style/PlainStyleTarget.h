// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "style/Style.h"
#include "style/StyleFile.h"

// The style readers' target over a plain style, for work without a window (--print, and the
// tests of the readers): each value lands as the window's controls would hold it. The face
// list stands for the window's list of installed faces, and the generic lookup for the
// system's answer to a generic family.
class PlainStyleTarget : public StyleTarget {
public:
    using GenericLookup = std::function<std::string(std::string_view)>;

    explicit PlainStyleTarget(std::vector<std::string> faces, TStyle start = {}, GenericLookup generic = {})
        : style(std::move(start)), faces_(std::move(faces)), generic_(std::move(generic)) {}

    void SetColor(TColorTarget target, TColor color) override { TargetField(style, target) = color; }
    std::vector<std::string> Faces() const override { return faces_; }
    void SelectFace(int index) override {
        style.FaceName = index >= 0 ? faces_[static_cast<std::size_t>(index)] : std::string();
    }
    std::string GenericFace(std::string_view generic) const override {
        return generic_ ? generic_(generic) : std::string();
    }
    void SetCentered(bool centered) override { style.Centered = centered; }
    void SetBold(bool bold) override { style.Bold = bold; }
    void SetItalic(bool italic) override { style.Italic = italic; }
    // The size bar refuses a step outside its range and keeps its position.
    void SetSizeStep(int step) override {
        if (step >= kMinSizeStep && step <= kMaxSizeStep) style.SizeStep = step;
    }
    void SetUserText(const std::string& text) override { style.UserText = text; }
    void SetPicture(const std::string& path, const std::string& name) override {
        style.PicturePath = path;
        style.PictureName = name;
    }
    void SelectPictureMode() override { style.PictureMode = true; }
    void SelectColorMode() override { style.PictureMode = false; }
    void SetAltFaces(std::vector<std::string> faces) override { style.AltFaces = std::move(faces); }
    void ShowFontTag() override {}
    void ShowBackColor() override {}

    TStyle style;

private:
    std::vector<std::string> faces_;
    GenericLookup generic_;
};
