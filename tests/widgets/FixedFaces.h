// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Faces.h"

// Installed faces that do not depend on the machine the tests run on.
class FixedFaces : public platform::FaceSource {
public:
    explicit FixedFaces(std::vector<std::string> faces) : faces_(std::move(faces)) {}
    std::vector<std::string> Families() const override { return faces_; }

private:
    std::vector<std::string> faces_;
};
