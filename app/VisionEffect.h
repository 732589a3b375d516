// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsEffect>

#include "style/VisionSimulation.h"

// Redraws a widget and all it holds (text, colour fills, the tiled picture) as a visitor with
// a colour-vision deficiency sees them, pixel by pixel.
class TVisionEffect : public QGraphicsEffect {
    Q_OBJECT

public:
    explicit TVisionEffect(TVision vision, QObject* parent = nullptr);
    TVision Vision() const { return vision_; }

protected:
    void draw(QPainter* painter) override;

private:
    TVision vision_;
};
