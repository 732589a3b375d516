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
    // The widget as it would be drawn on the painter's device, one image pixel to a device
    // pixel, from corner_.
    QImage Source(QPainter& painter);
    // The changed picture, back on the device pixels it came from.
    void Draw(QPainter* painter, const QImage& image) const;
    TSimulation simulation_;
    QPoint corner_;
};
