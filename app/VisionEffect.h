// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsEffect>
#include <QImage>

#include "style/VisionSimulation.h"

// Redraws a widget and all it holds (text, colour fills, the tiled picture) as a visitor with
// a colour-vision deficiency or weak sight sees them: colours pixel by pixel, or the picture
// blurred.
class TVisionEffect : public QGraphicsEffect {
    Q_OBJECT

public:
    explicit TVisionEffect(TSimulation simulation, QObject* parent = nullptr);
    TSimulation Simulation() const { return simulation_; }

protected:
    void draw(QPainter* painter) override;

private:
    // The changed picture, in device pixels where the source was.
    static void Draw(QPainter* painter, QImage& image, QPoint offset, qreal ratio);
    TSimulation simulation_;
};
